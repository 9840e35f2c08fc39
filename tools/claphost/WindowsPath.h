// Converts a path to the form Windows expects. The Windows build runs under Wine on the build machine,
// where the paths baked in by the build are Unix paths; Wine maps the Unix root to drive Z:.
#pragma once

#include <string>
#include <string_view>

namespace claphost {

// "/x/y" becomes "Z:\x\y"; in any other path forward slashes become backslashes.
std::string toWindowsPath(std::string_view path);

} // namespace claphost
