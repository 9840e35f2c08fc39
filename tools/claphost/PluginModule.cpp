// Loading a .clap file and reading its plug-in factory.
#include "tools/claphost/PluginModule.h"

namespace claphost {

std::unique_ptr<PluginModule> PluginModule::load(const std::string& path, std::string& error) {
    std::unique_ptr<IDynamicLibrary> library = openDynamicLibrary(path, error);
    if (!library) return nullptr;
    const auto* entry = static_cast<const clap_plugin_entry_t*>(library->symbol("clap_entry"));
    if (!entry) {
        error = "'" + library->nativePath() + "' does not export clap_entry: it is not a CLAP plug-in";
        return nullptr;
    }
    const clap_version_t& version = entry->clap_version;
    if (version.major < 1) {
        error = "'" + library->nativePath() + "' declares CLAP version " + std::to_string(version.major) +
                "." + std::to_string(version.minor) + "." + std::to_string(version.revision) +
                ", which predates CLAP 1.0";
        return nullptr;
    }
    if (!entry->init || !entry->deinit || !entry->get_factory) {
        error = "the entry record of '" + library->nativePath() + "' lacks init, deinit or get_factory";
        return nullptr;
    }
    if (!entry->init(library->nativePath().c_str())) {
        error = "the entry's init refused '" + library->nativePath() + "'";
        return nullptr;
    }
    return std::unique_ptr<PluginModule>(new PluginModule(std::move(library), entry));
}

PluginModule::PluginModule(std::unique_ptr<IDynamicLibrary> library, const clap_plugin_entry_t* entry)
    : library_(std::move(library)), entry_(entry) {
    pluginFactory_ = static_cast<const clap_plugin_factory_t*>(entry_->get_factory(CLAP_PLUGIN_FACTORY_ID));
}

PluginModule::~PluginModule() {
    entry_->deinit();
}

const void* PluginModule::factory(const char* factoryId) const {
    return entry_->get_factory(factoryId);
}

uint32_t PluginModule::pluginCount() const {
    return pluginFactory_ && pluginFactory_->get_plugin_count
               ? pluginFactory_->get_plugin_count(pluginFactory_)
               : 0;
}

const clap_plugin_descriptor_t* PluginModule::descriptor(uint32_t index) const {
    if (!pluginFactory_ || !pluginFactory_->get_plugin_descriptor) return nullptr;
    return pluginFactory_->get_plugin_descriptor(pluginFactory_, index);
}

const clap_plugin_descriptor_t* PluginModule::findDescriptor(std::string_view pluginId) const {
    for (uint32_t i = 0, count = pluginCount(); i < count; ++i) {
        const clap_plugin_descriptor_t* found = descriptor(i);
        if (found && found->id && pluginId == found->id) return found;
    }
    return nullptr;
}

} // namespace claphost
