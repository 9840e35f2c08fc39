// Shared pieces of the black-box tests: the built plug-in's path and identity, loading it, and an
// initialised instance with a host of its own.
#pragma once

#include "tools/claphost/Host.h"
#include "tools/claphost/PluginInstance.h"
#include "tools/claphost/PluginModule.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace claptest {

inline constexpr char kPluginPath[] = LUMENOR_CLAP_PATH;
inline constexpr char kPluginId[] = "com.Quorvane.preset-discovery.Lumenor.2";

// The built plug-in, or null after recording a test failure with the loader's error.
std::unique_ptr<claphost::PluginModule> loadPlugin();

// A plug-in instance with its own host, created and initialised. Check `instance` before use: it is
// null (and the test has failed) when loading, creating or init went wrong.
struct LoadedPlugin {
    explicit LoadedPlugin(claphost::Host::Config config = {});

    std::unique_ptr<claphost::PluginModule> module;
    std::unique_ptr<claphost::Host> host;
    std::unique_ptr<claphost::PluginInstance> instance; // declared last, so destroyed first
};

} // namespace claptest
