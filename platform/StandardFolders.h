// The user's standard folders and the product's places in them. Lookups never fail: each has a fixed
// fallback. Folder paths end with the platform's separator.
#pragma once

#include <string>

// The user's (roaming) application-data folder. Defined by the platform realisation.
std::string applicationDataFolder();

// The user's documents folder. Defined by the platform realisation.
std::string documentsFolder();

// applicationDataFolder() + "Quorvane" + separator + product name + separator.
std::string productDataFolder();

// documentsFolder() + "Quorvane", "Presets" and the product name, each followed by a separator.
std::string defaultPresetFolder();

// "Software\Quorvane\" + product name + "\" + major version + ".0" (registry notation on every platform).
std::string productRegistryKey();
