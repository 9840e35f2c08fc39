// The product's folders and registry key, built from the user's standard folders and the version information.
#include "platform/StandardFolders.h"

#include "platform/Files.h"
#include "platform/VersionInfo.h"

namespace {
const char* const kMakerName = "Quorvane";
}

std::string productDataFolder() {
    return applicationDataFolder() + kMakerName + kPathSeparator + productName() + kPathSeparator;
}

std::string defaultPresetFolder() {
    return documentsFolder() + kMakerName + kPathSeparator + "Presets" + kPathSeparator + productName() +
           kPathSeparator;
}

std::string productRegistryKey() {
    return std::string("Software\\") + kMakerName + "\\" + productName() + "\\" +
           std::to_string(productMajorVersion()) + ".0";
}
