// PE image walk: DOS header, PE header, optional header's export directory, section table, and the
// export directory's name array.
#include "PeExportTable.h"

#include <algorithm>
#include <cstring>

namespace claptest {
namespace {

constexpr uint16_t kPe32Magic = 0x10b;
constexpr uint16_t kPe32PlusMagic = 0x20b;
constexpr uint32_t kMaxExportNames = 65536;
constexpr size_t kMaxNameLength = 4096;

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    template <class Value> bool read(uint64_t offset, Value& value) const {
        if (offset > bytes_.size() || bytes_.size() - offset < sizeof(Value)) return false;
        std::memcpy(&value, bytes_.data() + offset, sizeof(Value)); // little-endian host assumed
        return true;
    }

    bool readText(uint64_t offset, std::string& text) const {
        if (offset >= bytes_.size()) return false;
        size_t available = std::min(bytes_.size() - size_t(offset), kMaxNameLength);
        const auto* begin = reinterpret_cast<const char*>(bytes_.data() + offset);
        const void* end = std::memchr(begin, '\0', available);
        if (!end) return false;
        text.assign(begin, static_cast<const char*>(end));
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
};

struct Section {
    uint32_t virtualSize, virtualAddress, rawSize, rawOffset;
};

// Maps a relative virtual address to a file offset through the section that holds it.
bool fileOffset(const std::vector<Section>& sections, uint32_t rva, uint64_t& offset) {
    for (const Section& section : sections) {
        uint32_t extent = std::max(section.virtualSize, section.rawSize);
        if (rva >= section.virtualAddress && rva - section.virtualAddress < extent) {
            uint32_t within = rva - section.virtualAddress;
            if (within >= section.rawSize) return false; // in the zero-filled tail: not in the file
            offset = uint64_t(section.rawOffset) + within;
            return true;
        }
    }
    return false;
}

} // namespace

bool isPeImage(std::span<const uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z';
}

bool readPeExports(std::span<const uint8_t> bytes, PeExports& exports, std::string& error) {
    exports = {};
    ByteReader reader(bytes);
    uint32_t peOffset = 0, signature = 0;
    if (!isPeImage(bytes) || !reader.read(0x3c, peOffset) || !reader.read(peOffset, signature) ||
        signature != 0x00004550) {
        error = "no PE signature";
        return false;
    }
    uint16_t sectionCount = 0, optionalSize = 0, magic = 0;
    const uint64_t coff = uint64_t(peOffset) + 4, optional = coff + 20;
    if (!reader.read(coff + 2, sectionCount) || !reader.read(coff + 16, optionalSize) ||
        !reader.read(optional, magic)) {
        error = "truncated PE header";
        return false;
    }
    if (magic != kPe32Magic && magic != kPe32PlusMagic) {
        error = "unknown optional header magic";
        return false;
    }
    const uint64_t directories = optional + (magic == kPe32PlusMagic ? 112 : 96);
    uint32_t directoryCount = 0, exportRva = 0, exportSize = 0;
    if (!reader.read(directories - 4, directoryCount) || directories + 8 > optional + optionalSize) {
        error = "truncated optional header";
        return false;
    }
    if (directoryCount == 0) return true;
    if (!reader.read(directories, exportRva) || !reader.read(directories + 4, exportSize)) {
        error = "truncated data directories";
        return false;
    }
    if (exportRva == 0) return true;

    std::vector<Section> sections(sectionCount);
    const uint64_t table = optional + optionalSize;
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const uint64_t at = table + uint64_t(i) * 40;
        Section& section = sections[i];
        if (!reader.read(at + 8, section.virtualSize) || !reader.read(at + 12, section.virtualAddress) ||
            !reader.read(at + 16, section.rawSize) || !reader.read(at + 20, section.rawOffset)) {
            error = "truncated section table";
            return false;
        }
    }

    uint64_t directory = 0;
    uint32_t nameCount = 0, namesRva = 0;
    if (!fileOffset(sections, exportRva, directory) || !reader.read(directory + 20, exports.functionCount) ||
        !reader.read(directory + 24, nameCount) || !reader.read(directory + 32, namesRva)) {
        error = "export directory outside the file";
        return false;
    }
    if (nameCount > kMaxExportNames) {
        error = "implausible export name count";
        return false;
    }
    uint64_t names = 0;
    if (nameCount > 0 && !fileOffset(sections, namesRva, names)) {
        error = "export name table outside the file";
        return false;
    }
    for (uint32_t i = 0; i < nameCount; ++i) {
        uint32_t nameRva = 0;
        uint64_t nameOffset = 0;
        std::string name;
        if (!reader.read(names + uint64_t(i) * 4, nameRva) || !fileOffset(sections, nameRva, nameOffset) ||
            !reader.readText(nameOffset, name)) {
            error = "export name " + std::to_string(i) + " outside the file";
            return false;
        }
        exports.names.push_back(std::move(name));
    }
    return true;
}

} // namespace claptest
