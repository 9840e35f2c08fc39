#include "product/LumenorInstanceFactory.h"

#include "product/LumenorPlugin.h"
#include "product/LumenorProcessor.h"

std::unique_ptr<GenericPlugin> LumenorInstanceFactory::createModel() const { return std::make_unique<LumenorPlugin>(); }

std::unique_ptr<GenericPluginProcessor> LumenorInstanceFactory::createProcessor(int layoutIndex) const {
    return GenericPluginProcessor::create<LumenorProcessor>(layoutIndex);
}
