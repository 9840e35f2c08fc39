// The part of a plug-in shell that does not depend on the plug-in format: it owns the model and the
// processor, keeps their parameter copies in step, and serialises every exchange between them.
#pragma once

#include "core/GenericPlugin.h"
#include "core/GenericPluginProcessor.h"
#include "core/PluginInstanceFactory.h"

#include <memory>
#include <mutex>

class UnifiedPluginAdapter : public GenericPlugin::Adapter, public GenericPluginProcessor::ProcessorAdapter {
public:
    explicit UnifiedPluginAdapter(const PluginInstanceFactory& factory) : factory_(factory) {}
    ~UnifiedPluginAdapter() override;

    GenericPlugin* model() const { return model_.get(); }
    GenericPluginProcessor* processor() const { return processor_.get(); }

    // Main thread: -1 copies all values, -2 then asks for a parameter jump, -3 for a reset.
    void copyParametersToProcessor(int scope);

protected:
    // Main thread: builds the model and, for its layout, the processor.
    void createHalves();
    // Main thread, audio thread idle: binds a new processor (also after a layout change).
    void bindProcessor();
    // Main thread, audio thread idle: replaces the processor with one for another layout.
    void replaceProcessor(int layoutIndex);
    void destroyHalves();

    const PluginInstanceFactory& factory_;
    std::unique_ptr<GenericPlugin> model_;
    std::unique_ptr<GenericPluginProcessor> processor_;
    std::recursive_mutex adapterLock_;
};
