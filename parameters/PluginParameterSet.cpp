// Forwarding and local answers of a parameter set.
#include "parameters/PluginParameterSet.h"

#include "parameters/AbstractPluginParameter.h"

#include <algorithm>

PluginParameterSet::PluginParameterSet(GenericParameterOwner& owner, std::string name)
    : groupIndex_(owner.registerGroup(name)), name_(std::move(name)), owner_(owner) {}

void PluginParameterSet::beginChangeGroup() {
    owner_.beginChangeGroup();
}
void PluginParameterSet::addResponder(GenericParameterResponder& responder) {
    owner_.addResponder(responder);
}
void PluginParameterSet::endChangeGroup() {
    owner_.endChangeGroup();
}

int PluginParameterSet::parameterCount() const {
    return static_cast<int>(parameters_.size());
}

AbstractPluginParameter* PluginParameterSet::parameter(int index) const {
    if (index < 0 || index >= parameterCount()) return nullptr;
    return parameters_[static_cast<std::size_t>(index)];
}

void PluginParameterSet::parameterChanged(int id, float value, int flags) {
    owner_.parameterChanged(id, value, flags);
}

int PluginParameterSet::registerParameter(AbstractPluginParameter& parameter) {
    parameters_.push_back(&parameter);
    return owner_.registerParameter(parameter);
}

void PluginParameterSet::registerAlias(AbstractPluginParameter& parameter, const std::string& alias) {
    owner_.registerAlias(parameter, alias);
}

int PluginParameterSet::registerGroup(const std::string& name) {
    return owner_.registerGroup(name);
}

void PluginParameterSet::resetToDefaults() {
    for (AbstractPluginParameter* parameter : parameters_)
        parameter->setValue(parameter->defaultValue(), 0);
}

void PluginParameterSet::copyValuesFrom(const PluginParameterSet& other) {
    const std::size_t count = std::min(parameters_.size(), other.parameters_.size());
    for (std::size_t i = 0; i < count; ++i)
        parameters_[i]->setValue(other.parameters_[i]->value(), 0);
}
