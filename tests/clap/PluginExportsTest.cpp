// The built plug-in exports exactly one symbol, clap_entry. A Linux .so is listed with nm; a Windows DLL
// is read by the small PE reader, which is itself checked on hand-made images.
#include "ClapTestSupport.h"
#include "PeExportTable.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool isElfImage(const std::vector<uint8_t>& bytes) {
    return bytes.size() >= 4 && bytes[0] == 0x7f && bytes[1] == 'E' && bytes[2] == 'L' && bytes[3] == 'F';
}

// The dynamic symbols the library defines, as nm lists them ("address type name" per line).
testing::AssertionResult definedDynamicSymbols(const std::string& path, std::vector<std::string>& names) {
    std::filesystem::path listing = std::filesystem::temp_directory_path() / "lumenor-exports.txt";
    std::string command = "nm -D --defined-only '" + path + "' > '" + listing.string() + "' 2>&1";
    int status = std::system(command.c_str());
    std::ifstream file(listing);
    std::string line, output;
    while (std::getline(file, line)) {
        output += line + "\n";
        std::istringstream fields(line);
        std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
        if (words.size() == 3) names.push_back(words[2]);
    }
    file.close();
    std::filesystem::remove(listing);
    if (status != 0) return testing::AssertionFailure() << "'" << command << "' failed:\n" << output;
    return testing::AssertionSuccess();
}

TEST(PluginExports, ExportsOnlyClapEntry) {
    std::vector<uint8_t> bytes = readFile(claptest::kPluginPath);
    ASSERT_FALSE(bytes.empty()) << "cannot read " << claptest::kPluginPath;
    std::vector<std::string> names;
    if (claptest::isPeImage(bytes)) {
        claptest::PeExports exports;
        std::string error;
        ASSERT_TRUE(claptest::readPeExports(bytes, exports, error)) << error;
        EXPECT_EQ(exports.functionCount, 1u) << "exports by ordinal only count too";
        names = exports.names;
    } else {
        ASSERT_TRUE(isElfImage(bytes)) << claptest::kPluginPath << " is neither a PE nor an ELF file";
        ASSERT_TRUE(definedDynamicSymbols(claptest::kPluginPath, names));
    }
    EXPECT_EQ(names, std::vector<std::string>{"clap_entry"});
}

// A minimal PE32+ image with one section holding an export directory for the given names.
std::vector<uint8_t> makePeImage(const std::vector<std::string>& exportNames) {
    constexpr uint32_t kPeOffset = 0x40, kOptionalSize = 112 + 16 * 8, kSectionRva = 0x1000,
                       kRawOffset = 0x200;
    std::vector<uint8_t> image(kRawOffset + 0x200, 0);
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&image[at], &v, 2); };
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&image[at], &v, 4); };
    image[0] = 'M';
    image[1] = 'Z';
    put32(0x3c, kPeOffset);
    put32(kPeOffset, 0x00004550);
    const size_t coff = kPeOffset + 4, optional = coff + 20, sections = optional + kOptionalSize;
    put16(coff, 0x8664);
    put16(coff + 2, 1);
    put16(coff + 16, kOptionalSize);
    put16(optional, 0x20b);
    put32(optional + 108, 16);
    put32(optional + 112, kSectionRva);
    put32(optional + 116, 0x100);
    put32(sections + 8, 0x200);
    put32(sections + 12, kSectionRva);
    put32(sections + 16, 0x200);
    put32(sections + 20, kRawOffset);

    // Export directory (40 bytes), then the function, name and ordinal arrays, then the name texts.
    const uint32_t count = uint32_t(exportNames.size());
    const uint32_t functions = kSectionRva + 40, names = functions + 4 * count, ordinals = names + 4 * count;
    uint32_t text = ordinals + 2 * count;
    const size_t directory = kRawOffset;
    put32(directory + 20, count);
    put32(directory + 24, count);
    put32(directory + 28, functions);
    put32(directory + 32, names);
    put32(directory + 36, ordinals);
    for (uint32_t i = 0; i < count; ++i) {
        put32(kRawOffset + (names - kSectionRva) + 4 * i, text);
        std::memcpy(&image[kRawOffset + (text - kSectionRva)], exportNames[i].c_str(),
                    exportNames[i].size() + 1);
        text += uint32_t(exportNames[i].size() + 1);
    }
    return image;
}

TEST(PeExportTable, ReadsTheNamesOfAHandMadeImage) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"clap_entry"}, {"clap_entry", "GetPluginFactory"}};
    for (const auto& expected : cases) {
        claptest::PeExports exports;
        std::string error;
        ASSERT_TRUE(claptest::readPeExports(makePeImage(expected), exports, error)) << error;
        EXPECT_EQ(exports.names, expected);
        EXPECT_EQ(exports.functionCount, expected.size());
    }
}

TEST(PeExportTable, RejectsTruncatedAndCorruptImagesWithoutReadingPastThem) {
    const std::vector<uint8_t> image = makePeImage({"clap_entry"});
    claptest::PeExports exports;
    std::string error;
    // Every prefix shorter than the export name's end lacks a piece the reader needs.
    const size_t nameEnd = 0x200 + 40 + 4 + 4 + 2 + sizeof("clap_entry");
    for (size_t length = 0; length < nameEnd; ++length) {
        std::vector<uint8_t> prefix(image.begin(), image.begin() + std::ptrdiff_t(length));
        EXPECT_FALSE(claptest::readPeExports(prefix, exports, error)) << "prefix of " << length << " bytes";
    }

    struct Corruption {
        const char* what;
        size_t offset;
        uint32_t value;
    };
    const Corruption corruptions[] = {
        {"PE header offset past the end", 0x3c, 0xfffffff0},
        {"wrong PE signature", 0x40, 0x00004551},
        {"unknown optional header magic", 0x58, 0x0000020c},
        {"export directory outside every section", 0x58 + 112, 0x9000},
        {"name table outside every section", 0x200 + 32, 0x7fffffff},
        {"huge name count", 0x200 + 24, 0xffffffff},
        {"name pointing past its section", 0x200 + 40 + 4, 0x1000 + 0x200},
    };
    for (const Corruption& corruption : corruptions) {
        std::vector<uint8_t> bad = image;
        std::memcpy(&bad[corruption.offset], &corruption.value, 4);
        EXPECT_FALSE(claptest::readPeExports(bad, exports, error)) << corruption.what;
    }
}

} // namespace
