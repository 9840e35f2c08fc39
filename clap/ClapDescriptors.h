// The CLAP plug-in descriptor and the preset-discovery provider descriptor of this library, composed
// once per process from the product's identity values and its version text, with storage for every
// string they point to.
#pragma once

#include "clap/abi/Plugin.h"
#include "core/GenericPluginInfo.h"

#include <string>

// Mirrors the preset-discovery provider descriptor record (CLAP version, id, name, vendor).
struct ClapProviderDescriptor {
    clap_version_t clap_version;
    const char* id;
    const char* name;
    const char* vendor;
};

class ClapDescriptors {
public:
    struct Version {
        int major = 0;
        int minor = 0;
        int fix = 0;
    };

    // Splits a product version text such as "2.41": the major number before the first ".", the minor
    // number the single character after it, the fix number the rest.
    static Version parseVersion(const std::string& text);

    ClapDescriptors(const GenericPluginInfo& info, const std::string& versionText, const std::string& makerUrl,
                    const std::string& supportUrl);
    ClapDescriptors(const ClapDescriptors&) = delete;
    ClapDescriptors& operator=(const ClapDescriptors&) = delete;

    const clap_plugin_descriptor_t* plugin() const { return &plugin_; }
    const ClapProviderDescriptor* provider() const { return &provider_; }
    const std::string& pluginId() const { return pluginId_; }

private:
    std::string pluginId_, name_, vendor_, url_, manualUrl_, supportUrl_, version_;
    std::string providerId_, providerName_;
    std::string features_[2];
    const char* featurePointers_[3] = {};
    clap_plugin_descriptor_t plugin_{};
    ClapProviderDescriptor provider_{};
};
