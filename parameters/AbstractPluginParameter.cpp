// Registration, alias handling and the default answers of the parameter base.
#include "parameters/AbstractPluginParameter.h"

#include "parameters/GenericParameterOwner.h"
#include "parameters/ValueText.h"

#include <cmath>

AbstractPluginParameter::AbstractPluginParameter(GenericParameterOwner* owner, std::string name, Kind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind), id_(-1) {
    if (owner_) id_ = owner_->registerParameter(*this);
}

float AbstractPluginParameter::normaliseInContext(float internal, int context) const {
    (void)context;
    return normalise(internal);
}

bool AbstractPluginParameter::parseText(std::string_view text, float& value) const {
    (void)text;
    value = this->value();
    return false;
}

bool AbstractPluginParameter::denormaliseInContext(float normalised, int context, float& value) const {
    (void)context;
    value = denormalise(normalised);
    return true;
}

std::string AbstractPluginParameter::shortText(float internal, int maxChars) const {
    return ValueText::cutToChars(text(internal), maxChars);
}

int AbstractPluginParameter::indexForKey(int key) const {
    (void)key;
    return -1;
}

float AbstractPluginParameter::scaleRelative(float value, float from, float to) const {
    const float displayFrom = displayFromInternal(from);
    if (std::fabs(displayFrom) <= kChangeThreshold) return value + (to - from);
    return internalFromDisplay(displayFromInternal(value) * displayFromInternal(to) / displayFrom);
}

void AbstractPluginParameter::addAlias(std::string alias) {
    aliases_.push_back(alias);
    if (owner_) owner_->registerAlias(*this, alias);
}

void AbstractPluginParameter::reportChange(float value, int flags) {
    if (owner_) owner_->parameterChanged(id_, value, flags);
}
