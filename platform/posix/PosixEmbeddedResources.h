// The table of embedded resources that the build generates into each final program or plug-in.
#pragma once

#include <cstddef>
#include <cstdint>

struct EmbeddedResource {
    const char* name;
    const std::uint8_t* data;
    // Written by the assembler next to the bytes, so it always matches the file that was embedded.
    const std::uint64_t* size;
};

struct EmbeddedResourceTable {
    const EmbeddedResource* entries;
    std::size_t count;
};

// Defined by the generated source; weak, so that programs without resources link and find none.
extern "C" const EmbeddedResourceTable* lumenorEmbeddedResources() __attribute__((weak));
