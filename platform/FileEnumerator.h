// Walks the entries of one folder that match a wildcard pattern, either its files or its folders.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class FileEnumerator {
public:
    enum class Kind { Files = 0, Folders = 1 };

    virtual ~FileEnumerator() = default;
    // Moves to the next entry of the requested kind; false when there is none left.
    virtual bool next() = 0;
    // The current entry's name without its folder (UTF-8); valid after next returned true.
    virtual const std::string& name() const = 0;
    // The current entry's last modification in seconds since 1970-01-01 UTC.
    virtual std::int64_t modificationTime() const = 0;
};

// `pattern` is a folder path followed by "*" or "*.ext" (extension compared without regard to case). Folders
// include "." and "..". A folder that does not exist yields no entries. Defined by the platform realisation.
std::unique_ptr<FileEnumerator> createFileEnumerator(const std::string& pattern, FileEnumerator::Kind kind);
