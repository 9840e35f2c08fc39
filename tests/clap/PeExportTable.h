// Reads the export table of a Windows PE image (a DLL) from the file's bytes, so the export test needs
// no tools on the machine running it (the Windows tests run under Wine). Every offset is bounds-checked:
// a malformed image answers an error, never a read past the bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace claptest {

struct PeExports {
    std::vector<std::string> names;
    uint32_t functionCount = 0; // exports including those by ordinal only
};

bool isPeImage(std::span<const uint8_t> bytes);
// False with a readable error when the image is not a well-formed PE file.
bool readPeExports(std::span<const uint8_t> bytes, PeExports& exports, std::string& error);

} // namespace claptest
