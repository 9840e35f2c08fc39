// The product's model. For now it carries the product's identity only; the parameters, presets and
// settings grow into it.
#pragma once

#include "core/GenericPlugin.h"
#include "product/LumenorIdentity.h"

class LumenorPlugin : public GenericPlugin {
public:
    LumenorPlugin() : GenericPlugin(lumenorPluginInfo()) {}
};
