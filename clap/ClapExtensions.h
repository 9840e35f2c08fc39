// The function tables of the CLAP extensions the plug-in offers, looked up by extension id.
#pragma once

class ClapPluginAdapter;

namespace ClapExtensions {
// Any thread: answers the table for id (compared byte for byte), or null.
const void* find(const char* id, const ClapPluginAdapter& adapter);
} // namespace ClapExtensions
