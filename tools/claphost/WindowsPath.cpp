// Unix-to-Windows path conversion for paths handed to the Windows loader.
#include "tools/claphost/WindowsPath.h"

#include <algorithm>

namespace claphost {

std::string toWindowsPath(std::string_view path) {
    std::string converted;
    if (!path.empty() && path.front() == '/' && !path.starts_with("//")) converted = "Z:";
    converted.append(path);
    std::replace(converted.begin(), converted.end(), '/', '\\');
    return converted;
}

} // namespace claphost
