#include "core/UnifiedPluginAdapter.h"

UnifiedPluginAdapter::~UnifiedPluginAdapter() { destroyHalves(); }

void UnifiedPluginAdapter::createHalves() {
    model_ = factory_.createModel();
    model_->setAdapter(this);
    processor_ = factory_.createProcessor(model_->channelLayout());
    bindProcessor();
}

void UnifiedPluginAdapter::bindProcessor() {
    processor_->setProcessorAdapter(this);
    processor_->environment().setSampleRate(model_->sampleRate());
    copyParametersToProcessor(-1);
    // Values equal to the processor's own do not queue: the graph must still start from every one.
    processor_->queueAllParameters();
    model_->processorReady();
}

void UnifiedPluginAdapter::replaceProcessor(int layoutIndex) {
    std::lock_guard<std::recursive_mutex> guard(adapterLock_);
    model_->setChannelLayout(layoutIndex);
    std::unique_ptr<GenericPluginProcessor> old = std::move(processor_);
    processor_ = factory_.createProcessor(layoutIndex);
    bindProcessor();
    old.reset();
}

void UnifiedPluginAdapter::copyParametersToProcessor(int scope) {
    processor_->beginParameterBatch();
    const int count = model_->parameterCount();
    for (int i = 0; i < count; ++i) processor_->setParameterValue(i, model_->parameterValue(i), 1);
    if (scope == -2) processor_->requestParameterJump();
    if (scope == -3) processor_->requestReset();
    processor_->endParameterBatch();
}

void UnifiedPluginAdapter::destroyHalves() {
    if (model_) model_->setAdapter(nullptr);
    model_.reset();
    processor_.reset();
}
