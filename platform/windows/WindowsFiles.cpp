// File primitives with the wide-character file calls.
#include "platform/Files.h"

#include "platform/windows/WindowsText.h"

#include <filesystem>
#include <windows.h>

const char kPathSeparator = '\\';

bool isPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::fstream openFileStream(const std::string& path, FileMode mode) {
    // The wide path reaches _wfopen; a narrow one would be read in the ANSI code page.
    return std::fstream(std::filesystem::path(toWide(path)), streamOpenMode(mode));
}

namespace {

DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(toWide(path).c_str());
}

} // namespace

bool fileExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool folderExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool createSingleFolder(const std::string& path) {
    return CreateDirectoryW(toWide(path).c_str(), nullptr) != 0;
}
