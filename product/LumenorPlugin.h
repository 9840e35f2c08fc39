// The product's model: the generic model with the product's identity and its 709 parameters. Presets,
// settings and the editor grow into it.
#pragma once

#include "core/GenericPlugin.h"
#include "product/LumenorIdentity.h"
#include "product/LumenorParameters.h"

class LumenorPlugin : public GenericPlugin, public LumenorParameters {
public:
    LumenorPlugin()
        : GenericPlugin(lumenorPluginInfo()),
          LumenorParameters(static_cast<GenericParameterOwner&>(*this)) {}
};
