// Builds the product's model and processor for the plug-in shell.
#pragma once

#include "core/PluginInstanceFactory.h"

class LumenorInstanceFactory : public PluginInstanceFactory {
public:
    std::unique_ptr<GenericPlugin> createModel() const override;
    std::unique_ptr<GenericPluginProcessor> createProcessor(int layoutIndex) const override;
};
