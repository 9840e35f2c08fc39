// Builds the two halves of a plug-in instance; the product gives one to its plug-in shell, tests give
// their own.
#pragma once

#include "core/GenericPlugin.h"
#include "core/GenericPluginProcessor.h"

#include <memory>

class PluginInstanceFactory {
public:
    virtual ~PluginInstanceFactory() = default;
    // Main thread.
    virtual std::unique_ptr<GenericPlugin> createModel() const = 0;
    // Main thread; layout 0 mono, 1 stereo.
    virtual std::unique_ptr<GenericPluginProcessor> createProcessor(int layoutIndex) const = 0;
};
