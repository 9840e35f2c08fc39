// The version information of this library: product name and version, file version and description.
#pragma once

#include <string>
#include <string_view>

// A standard value of this library's version information ("ProductName", "ProductVersion", "FileVersion",
// "FileDescription", "CompanyName"); empty when it has none. Defined by the platform realisation.
std::string libraryVersionValue(std::string_view key);

// The same value from the version information of another file; empty when it has none. Defined by the
// platform realisation.
std::string fileVersionValue(const std::string& filePath, std::string_view key);

// The product name without the maker's name, for folder and registry paths.
std::string productName();

// The major version, for folder and registry paths.
int productMajorVersion();
