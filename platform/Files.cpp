// Path texts and folder creation on top of the platform's file primitives.
#include "platform/Files.h"

std::ios::openmode streamOpenMode(FileMode mode) {
    std::ios::openmode result{};
    if (hasFlag(mode, FileMode::Read)) result |= std::ios::in;
    if (hasFlag(mode, FileMode::Write)) result |= std::ios::out;
    if (hasFlag(mode, FileMode::Append)) result |= std::ios::app;
    if (hasFlag(mode, FileMode::Truncate)) result |= std::ios::out | std::ios::trunc;
    if (!hasFlag(mode, FileMode::Text)) result |= std::ios::binary;
    return result;
}

bool createFolder(const std::string& path) {
    std::string folder = path;
    while (folder.size() > 1 && isPathSeparator(folder.back()))
        folder.pop_back();
    if (folderExists(folder) || folderExists(folder + kPathSeparator)) return true;
    std::string parent = folderPart(folder);
    if (parent.empty() || parent.size() >= folder.size()) return false;
    if (!createFolder(parent)) return false;
    // Another process may have created it meanwhile.
    return createSingleFolder(folder) || folderExists(folder);
}

std::string fileNameWithoutExtension(std::string_view path) {
    std::size_t start = path.size();
    while (start > 0 && !isPathSeparator(path[start - 1]))
        --start;
    std::string_view name = path.substr(start);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string folderPart(std::string_view path) {
    std::size_t end = path.size();
    while (end > 0 && !isPathSeparator(path[end - 1]))
        --end;
    return std::string(path.substr(0, end));
}

std::string joinPath(std::string_view folder, std::string_view name) {
    while (!name.empty() && isPathSeparator(name.front()))
        name.remove_prefix(1);
    std::string result(folder);
    if (!result.empty() && !isPathSeparator(result.back())) result += kPathSeparator;
    result += name;
    return result;
}
