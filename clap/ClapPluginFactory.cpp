#include "clap/ClapPluginFactory.h"

#include "clap/ClapModule.h"
#include "clap/ClapPluginAdapter.h"
#include "product/LumenorInstanceFactory.h"

#include <cstring>

namespace {

uint32_t pluginCount(const clap_plugin_factory_t*) { return 1; }

const clap_plugin_descriptor_t* pluginDescriptor(const clap_plugin_factory_t*, uint32_t index) {
    const ClapDescriptors* descriptors = ClapModule::instance().descriptors();
    return index == 0 && descriptors ? descriptors->plugin() : nullptr;
}

const clap_plugin_t* createPluginEntry(const clap_plugin_factory_t*, const clap_host_t* host, const char* id) {
    static const LumenorInstanceFactory instances;
    return ClapPluginFactory::createPlugin(ClapModule::instance(), instances, host, id);
}

const clap_plugin_factory_t kFactory = {pluginCount, pluginDescriptor, createPluginEntry};

} // namespace

const clap_plugin_factory_t* ClapPluginFactory::get() { return &kFactory; }

const clap_plugin_t* ClapPluginFactory::createPlugin(const ClapModule& module, const PluginInstanceFactory& instances,
                                                     const clap_host_t* host, const char* pluginId) {
    const ClapDescriptors* descriptors = module.descriptors();
    if (!descriptors || !host || !pluginId || host->clap_version.major < 1) return nullptr;
    if (std::strcmp(pluginId, descriptors->pluginId().c_str()) != 0) return nullptr;
    auto* adapter = new ClapPluginAdapter(host, descriptors->plugin(), instances);
    return adapter->clapPlugin();
}
