// A loaded .clap file: the library, its entry record (initialised with the file's path for the lifetime
// of this object) and the plug-in factory with its descriptors. Destroy every PluginInstance made from
// a module before the module itself. Main thread.
#pragma once

#include "clap/abi/Plugin.h"
#include "tools/claphost/DynamicLibrary.h"

#include <memory>
#include <string>
#include <string_view>

namespace claphost {

class PluginModule {
public:
    // Loads the library, checks that it exports clap_entry with a CLAP major version of at least 1 and
    // calls the entry's init with the library's path. Answers null and a readable error otherwise.
    static std::unique_ptr<PluginModule> load(const std::string& path, std::string& error);

    // Calls the entry's deinit, then unloads the library.
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // The raw entry record, for callers that exercise init/deinit themselves (they must balance them).
    const clap_plugin_entry_t& entry() const { return *entry_; }
    // The path handed to the entry's init: the library's path in the operating system's form.
    const std::string& path() const { return library_->nativePath(); }

    // The entry's get_factory answer for any id, or null.
    const void* factory(const char* factoryId) const;
    // The plug-in factory, or null when the module has none.
    const clap_plugin_factory_t* pluginFactory() const { return pluginFactory_; }

    uint32_t pluginCount() const;
    // The descriptor at an index, or null.
    const clap_plugin_descriptor_t* descriptor(uint32_t index) const;
    // The descriptor with exactly this id, or null.
    const clap_plugin_descriptor_t* findDescriptor(std::string_view pluginId) const;

private:
    PluginModule(std::unique_ptr<IDynamicLibrary> library, const clap_plugin_entry_t* entry);

    std::unique_ptr<IDynamicLibrary> library_;
    const clap_plugin_entry_t* entry_;
    const clap_plugin_factory_t* pluginFactory_ = nullptr;
};

} // namespace claphost
