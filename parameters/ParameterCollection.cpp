// The ordered parameter list.
#include "parameters/ParameterCollection.h"

#include "parameters/AbstractPluginParameter.h"

#include <algorithm>

int ParameterCollection::add(AbstractPluginParameter& parameter) {
    parameters_.push_back(&parameter);
    return count() - 1;
}

int ParameterCollection::indexOf(const AbstractPluginParameter& parameter) const {
    // The plug-in's collection is indexed by id; other collections are searched.
    const AbstractPluginParameter* byId = this->parameter(parameter.id());
    if (byId == &parameter) return parameter.id();
    auto found = std::find(parameters_.begin(), parameters_.end(), &parameter);
    return found == parameters_.end() ? -1 : static_cast<int>(found - parameters_.begin());
}

std::vector<float> ParameterCollection::values() const {
    std::vector<float> result;
    result.reserve(parameters_.size());
    for (const AbstractPluginParameter* parameter : parameters_)
        result.push_back(parameter->value());
    return result;
}

void ParameterCollection::setValues(const std::vector<float>& values) {
    const std::size_t count = std::min(values.size(), parameters_.size());
    for (std::size_t i = 0; i < count; ++i)
        parameters_[i]->setValue(values[i], 0);
}
