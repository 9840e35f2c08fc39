// Files, folders and path texts. Paths are UTF-8; folder paths end with the platform's separator.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

// The platform's path separator.
extern const char kPathSeparator;

// True for every character the platform accepts as a separator.
bool isPathSeparator(char c);

// Flags of openFileStream; combine with |. Files are binary unless Text is given.
enum class FileMode : unsigned {
    Read = 1,
    Write = 2,
    ReadWrite = Read | Write,
    Append = 4,
    Truncate = 8,
    Text = 16,
};

constexpr FileMode operator|(FileMode a, FileMode b) {
    return static_cast<FileMode>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr bool hasFlag(FileMode mode, FileMode flag) {
    return (static_cast<unsigned>(mode) & static_cast<unsigned>(flag)) != 0;
}

// The standard stream opening modes of `mode`.
std::ios::openmode streamOpenMode(FileMode mode);

// The stream is not open when the file cannot be opened in that mode (Read alone needs an existing file).
std::fstream openFileStream(const std::string& path, FileMode mode);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// Creates the folder and every missing folder above it. True when the folder exists afterwards (also when it
// existed before); false when it cannot be created or the path has no separator left to climb.
bool createFolder(const std::string& path);

// Creates one folder whose parent exists; false on failure. Defined by the platform realisation.
bool createSingleFolder(const std::string& path);

// "folder/name.ext" -> "name"; only the last extension goes ("a.b.c" -> "a.b").
std::string fileNameWithoutExtension(std::string_view path);

// Everything up to and including the last separator; empty when there is none.
std::string folderPart(std::string_view path);

// Joins with exactly one separator between folder and name (none when the folder is empty).
std::string joinPath(std::string_view folder, std::string_view name);
