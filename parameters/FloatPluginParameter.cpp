// The continuous parameter: display chain, clamping change test, text and parsing of typed values.
#include "parameters/FloatPluginParameter.h"

#include "parameters/FloatPluginParameterUnit.h"
#include "parameters/ValueText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

FloatPluginParameter::FloatPluginParameter(GenericParameterOwner* owner, std::string name)
    : TypedPluginParameter<float>(owner, std::move(name), Kind::Continuous) {}

float FloatPluginParameter::unitValueFromInternal(float internal) const {
    const float shaped = unitFromInternal ? unitFromInternal(internal) : internal;
    return shaped * unitScale + unitOffset;
}

float FloatPluginParameter::internalFromUnitValue(float unitValue) const {
    const float shaped = (unitValue - unitOffset) / unitScale;
    return internalFromUnit ? internalFromUnit(shaped) : shaped;
}

float FloatPluginParameter::displayFromInternal(float internal) const {
    const float linear = unitValueFromInternal(internal) * displayScale + displayOffset;
    return displayFromLinear ? displayFromLinear(linear) : linear;
}

float FloatPluginParameter::internalFromDisplay(float display) const {
    const float linear = linearFromDisplay ? linearFromDisplay(display) : display;
    return internalFromUnitValue((linear - displayOffset) / displayScale);
}

float FloatPluginParameter::normalise(float internal) const {
    return (internal - minimum_) / (maximum_ - minimum_);
}

float FloatPluginParameter::denormalise(float normalised) const {
    return (maximum_ - minimum_) * normalised + minimum_;
}

float FloatPluginParameter::clampToRange(float internal) const {
    if (std::isnan(internal)) return internal;
    return std::clamp(internal, minimum_, maximum_);
}

void FloatPluginParameter::setValue(float internal, int flags) {
    if (std::isnan(internal)) return;
    internal = std::clamp(internal, minimum_, maximum_);
    if (!(std::fabs(internal - value()) > kChangeThreshold)) return;
    value_.store(internal, std::memory_order_relaxed);
    reportChange(internal, flags);
}

void FloatPluginParameter::notifyListeners(float internal) {
    if (std::isnan(internal)) return;
    tellValueListeners(unitValueFromInternal(clampToRange(internal)));
}

void FloatPluginParameter::setRange(float minimum, float maximum, float defaultValue) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !(minimum < maximum))
        throw std::invalid_argument("Parameter \"" + name() + "\": the minimum must lie below the maximum");
    if (!(defaultValue >= minimum && defaultValue <= maximum))
        throw std::invalid_argument("Parameter \"" + name() + "\": the default lies outside the range");
    minimum_ = minimum;
    maximum_ = maximum;
    default_ = defaultValue;
    value_.store(defaultValue, std::memory_order_relaxed);
}

void FloatPluginParameter::setDisplayRange(float low, float high) {
    if (!std::isfinite(low) || !std::isfinite(high) || low == high)
        throw std::invalid_argument("Parameter \"" + name() + "\": empty display range");
    const float sourceMinimum = rangeSource_->minimum();
    unitScale = (high - low) / (rangeSource_->maximum() - sourceMinimum);
    unitOffset = low - sourceMinimum * unitScale;
    displayOffset = 0.0f;
    displayScale = 1.0f;
}

void FloatPluginParameter::setUnit(const FloatPluginParameterUnit& unit) {
    unit_ = &unit;
    label = unit.label();
    unit.configure(*this);
}

std::string FloatPluginParameter::text(float internal) const {
    const float display = displayFromInternal(internal);
    std::string special;
    if (unit_ && unit_->formatSpecial(display, special)) return special;
    std::string number = formatter ? formatter(display) : ValueText::formatNumber(display, format);
    if (!label.empty()) number += separator.value() + label;
    return number;
}

void FloatPluginParameter::displayBounds(float& low, float& high) const {
    const float atMinimum = displayFromInternal(minimum_);
    const float atMaximum = displayFromInternal(maximum_);
    low = std::min(atMinimum, atMaximum);
    high = std::max(atMinimum, atMaximum);
}

bool FloatPluginParameter::finishParse(float internal, float& value) const {
    if (std::isnan(internal)) return false;
    // The inverse chain may land a rounding step outside the range; hosts expect values within it.
    value = clampToRange(internal);
    return true;
}

bool FloatPluginParameter::parseText(std::string_view input, float& value) const {
    value = this->value();
    std::string text(input);
    std::replace(text.begin(), text.end(), ',', '.');
    auto skipSpaces = [&](std::size_t pos) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        return pos;
    };
    std::size_t pos = skipSpaces(0);
    const std::string& typedPrefix = prefix.value();
    if (!typedPrefix.empty() && text.compare(pos, typedPrefix.size(), typedPrefix) == 0)
        pos = skipSpaces(pos + typedPrefix.size());

    float number = 0.0f;
    std::size_t end = pos;
    if (!ValueText::readNumber(text, pos, number, end)) {
        float display = 0.0f;
        if (unit_ && unit_->parseSpecial(std::string_view(text).substr(pos), display))
            return finishParse(internalFromDisplay(display), value);
        return false;
    }
    pos = skipSpaces(end);
    const std::size_t suffixEnd = std::min(text.find(' ', pos), text.size());
    const std::string_view suffix = std::string_view(text).substr(pos, suffixEnd - pos);

    if (suffix == "%" && label != "%") return finishParse(denormalise(number * 0.01f), value);

    float low = 0.0f;
    float high = 0.0f;
    displayBounds(low, high);
    if (std::isnan(low) || std::isnan(high)) return false;
    if (suffix.empty()) {
        if (unit_) unit_->adjustUnitless(number, displayFromInternal(this->value()), low, high);
    } else if (!unit_) {
        if (!ValueText::equalsIgnoreCase(suffix, label)) return false;
    } else {
        const FloatPluginParameterUnit::SuffixEntry* entry = unit_->findSuffix(suffix);
        if (!entry) return false;
        number = entry->apply(number);
    }
    if (std::isnan(number)) return false;
    // A number typed for a range wholly below zero (an attenuation) counts as negative.
    if (high <= 0.0f) number = -std::fabs(number);
    number = std::clamp(number, low, high);
    return finishParse(internalFromDisplay(number), value);
}
