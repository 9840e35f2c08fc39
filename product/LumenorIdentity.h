// The product's identity values.
#pragma once

#include "core/GenericPluginInfo.h"

// Type 2 (filter); flags 0x141A: mono layout, side chain, plug-in id = provider id, and two bits the CLAP
// layer does not read.
inline GenericPluginInfo lumenorPluginInfo() {
    return GenericPluginInfo{GenericPluginInfo::Filter, 0x141A, "QL2m", "Lumenor", "Quorvane"};
}
