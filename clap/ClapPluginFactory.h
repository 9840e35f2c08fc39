// The CLAP plug-in factory of this library: one plug-in, created as a ClapPluginAdapter.
#pragma once

#include "clap/abi/Plugin.h"

class ClapModule;
class PluginInstanceFactory;

namespace ClapPluginFactory {
// The factory record bound to the library's module and the product's instance factory.
const clap_plugin_factory_t* get();
// Main thread: the create_plugin rules, for a given module and instance factory.
const clap_plugin_t* createPlugin(const ClapModule& module, const PluginInstanceFactory& instances,
                                  const clap_host_t* host, const char* pluginId);
} // namespace ClapPluginFactory
