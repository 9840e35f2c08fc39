// The identity values of a plug-in: what the CLAP descriptors and the folder and registry paths are
// composed from.
#pragma once

#include <cstdint>
#include <string>

struct GenericPluginInfo {
    // Plug-in type codes: each adds a CLAP feature after "audio-effect" (or replaces it, for instruments).
    enum Type : int32_t {
        Instrument = 1,
        Filter = 2,
        Delay = 3,
        Compressor = 4,
        Equalizer = 5,
        Distortion = 6,
        Analyzer = 7,
        Reverb = 8,
    };
    // Capability flag bits.
    static constexpr uint32_t kHasMonoLayout = 0x0002;
    static constexpr uint32_t kHasSideChain = 0x0008;
    static constexpr uint32_t kPluginIdIsProviderId = 0x1000;

    int32_t type = Filter;
    uint32_t capabilityFlags = 0;
    std::string code;        // four characters
    std::string productName; // without the maker's name
    std::string vendor;
};
