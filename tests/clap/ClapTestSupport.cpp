// Loading the built plug-in for the black-box tests.
#include "ClapTestSupport.h"

namespace claptest {

std::unique_ptr<claphost::PluginModule> loadPlugin() {
    std::string error;
    std::unique_ptr<claphost::PluginModule> module = claphost::PluginModule::load(kPluginPath, error);
    if (!module) ADD_FAILURE() << "cannot load the plug-in: " << error;
    return module;
}

LoadedPlugin::LoadedPlugin(claphost::Host::Config config)
    : module(loadPlugin()), host(std::make_unique<claphost::Host>(std::move(config))) {
    if (!module) return;
    std::string error;
    instance = claphost::PluginInstance::create(*module, *host, kPluginId, error);
    if (!instance) {
        ADD_FAILURE() << error;
        return;
    }
    if (!instance->init()) {
        ADD_FAILURE() << "the plug-in's init answered false";
        instance.reset();
    }
}

} // namespace claptest
