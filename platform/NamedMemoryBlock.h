// Process-wide memory blocks that every copy of the library loaded into one process can find by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The process's id. Defined by the platform realisation.
std::uint32_t currentProcessId();

// `name` + "." + the decimal process id: the name a block is shared under.
std::string processBlockName(std::string_view name);

// The block of `size` bytes shared under processBlockName(name): zero-filled when first created, at least
// 16-byte aligned, kept until the process ends; never null (a private block stands in when the shared one
// cannot be created). Any thread. Defined by the platform realisation.
void* processNamedBlock(std::string_view name, std::size_t size);
