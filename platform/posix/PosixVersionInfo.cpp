// Version information from the build's constants; Linux libraries carry no version resource.
#include "platform/VersionInfo.h"

std::string libraryVersionValue(std::string_view key) {
    if (key == "ProductName") return "Lumenor";
    if (key == "CompanyName") return "Quorvane";
    if (key == "ProductVersion" || key == "FileVersion") return LUMENOR_PRODUCT_VERSION;
    if (key == "FileDescription") return "Lumenor 2";
    return {};
}

std::string fileVersionValue(const std::string&, std::string_view) {
    return {};
}
