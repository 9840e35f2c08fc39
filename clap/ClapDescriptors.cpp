#include "clap/ClapDescriptors.h"

#include <cstdlib>

namespace {

int decimalPrefix(const std::string& text) { return std::atoi(text.c_str()); }

const char* typeFeature(int type) {
    switch (type) {
    case GenericPluginInfo::Filter: return "filter";
    case GenericPluginInfo::Delay: return "delay";
    case GenericPluginInfo::Compressor: return "compressor";
    case GenericPluginInfo::Equalizer: return "equalizer";
    case GenericPluginInfo::Distortion: return "distortion";
    case GenericPluginInfo::Analyzer: return "analyzer";
    case GenericPluginInfo::Reverb: return "reverb";
    default: return nullptr;
    }
}

} // namespace

ClapDescriptors::Version ClapDescriptors::parseVersion(const std::string& text) {
    Version version;
    const auto dot = text.find('.');
    version.major = decimalPrefix(text.substr(0, dot));
    if (dot == std::string::npos) return version;
    if (dot + 1 < text.size()) version.minor = decimalPrefix(text.substr(dot + 1, 1));
    if (dot + 2 < text.size()) version.fix = decimalPrefix(text.substr(dot + 2));
    return version;
}

ClapDescriptors::ClapDescriptors(const GenericPluginInfo& info, const std::string& versionText,
                                 const std::string& makerUrl, const std::string& supportUrl) {
    const Version version = parseVersion(versionText);
    const std::string major = std::to_string(version.major);

    name_ = info.productName;
    if (version.major > 1) name_ += " " + major;
    vendor_ = info.vendor;
    providerId_ = "com." + vendor_ + ".preset-discovery." + info.productName + "." + major;
    // Hosts store the plug-in id in their projects: with this flag it is the provider id, for good.
    pluginId_ = (info.capabilityFlags & GenericPluginInfo::kPluginIdIsProviderId)
                    ? providerId_
                    : "com." + vendor_ + "." + info.productName + "." + major;
    url_ = makerUrl;
    supportUrl_ = supportUrl;
    std::string lowerName = name_;
    for (char& c : lowerName)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    manualUrl_ = url_ + "/help/" + lowerName;
    version_ = major + "." + std::to_string(version.minor) + std::to_string(version.fix);
    providerName_ = name_ + " Preset Indexer";

    int featureCount = 0;
    features_[featureCount++] = info.type == GenericPluginInfo::Instrument ? "instrument" : "audio-effect";
    if (const char* feature = typeFeature(info.type)) features_[featureCount++] = feature;
    for (int i = 0; i < featureCount; ++i) featurePointers_[i] = features_[i].c_str();
    featurePointers_[featureCount] = nullptr;

    plugin_.clap_version = CLAP_VERSION_1_2_5;
    plugin_.id = pluginId_.c_str();
    plugin_.name = name_.c_str();
    plugin_.vendor = vendor_.c_str();
    plugin_.url = url_.c_str();
    plugin_.manual_url = manualUrl_.c_str();
    plugin_.support_url = supportUrl_.c_str();
    plugin_.version = version_.c_str();
    plugin_.description = nullptr;
    plugin_.features = featurePointers_;

    provider_.clap_version = CLAP_VERSION_1_2_5;
    provider_.id = providerId_.c_str();
    provider_.name = providerName_.c_str();
    provider_.vendor = vendor_.c_str();
}
