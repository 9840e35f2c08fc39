// Product name and major version from the version information, with the build's own values as fallback.
#include "platform/VersionInfo.h"

#include <charconv>

std::string productName() {
    std::string name = libraryVersionValue("ProductName");
    return name.empty() ? "Lumenor" : name;
}

int productMajorVersion() {
    for (const std::string& version :
         {libraryVersionValue("ProductVersion"), std::string(LUMENOR_PRODUCT_VERSION)}) {
        int major = 0;
        const auto [end, error] = std::from_chars(version.data(), version.data() + version.size(), major);
        if (error == std::errc() && end != version.data()) return major;
    }
    return 0;
}
