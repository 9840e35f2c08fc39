// The library's single export: the CLAP entry record.
#include "clap/ClapModule.h"
#include "clap/ClapPluginFactory.h"
#include "clap/abi/Plugin.h"

#include <cstring>

namespace {

bool entryInit(const char* pluginPath) {
    // Nothing may unwind into the host.
    try {
        return ClapModule::instance().init(pluginPath);
    } catch (...) {
        return false;
    }
}

void entryDeinit() { ClapModule::instance().deinit(); }

const void* entryGetFactory(const char* factoryId) {
    if (!factoryId) return nullptr;
    if (std::strcmp(factoryId, CLAP_PLUGIN_FACTORY_ID) == 0) return ClapPluginFactory::get();
    return nullptr;
}

} // namespace

extern "C" LUMENOR_CLAP_EXPORT const clap_plugin_entry_t clap_entry = {
    CLAP_VERSION_1_2_5,
    entryInit,
    entryDeinit,
    entryGetFactory,
};
