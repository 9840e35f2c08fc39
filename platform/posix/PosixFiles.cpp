// File primitives over stat and mkdir.
#include "platform/Files.h"

#include <sys/stat.h>

const char kPathSeparator = '/';

bool isPathSeparator(char c) {
    return c == '/';
}

std::fstream openFileStream(const std::string& path, FileMode mode) {
    return std::fstream(path, streamOpenMode(mode));
}

bool fileExists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool folderExists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool createSingleFolder(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0;
}
