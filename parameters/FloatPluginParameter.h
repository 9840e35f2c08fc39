// A continuous parameter. The display chain turns the stored internal value into the unit value handed
// to signal processing (unitFromInternal, then the first linear stage) and into the display value the
// user reads (the second linear stage, then displayFromLinear); parsing runs the chain backwards.
#pragma once

#include "core/property/Property.h"
#include "parameters/TypedPluginParameter.h"

#include <atomic>
#include <string>

class FloatPluginParameterUnit;

class FloatPluginParameter : public TypedPluginParameter<float> {
public:
    // Null stands for the identity.
    using Function = float (*)(float);
    using Formatter = std::string (*)(float);

    // Main thread.
    FloatPluginParameter(GenericParameterOwner* owner, std::string name);

    float internalFromDisplay(float display) const override;
    float internalFromUnitValue(float unitValue) const override;
    float displayFromInternal(float internal) const override;
    float unitValueFromInternal(float internal) const override;
    float normalise(float internal) const override;
    float denormalise(float normalised) const override;
    bool parseText(std::string_view text, float& value) const override;
    std::string text(float internal) const override;
    float defaultValue() const override { return default_; }
    float maximum() const override { return maximum_; }
    float minimum() const override { return minimum_; }
    float value() const override { return value_.load(std::memory_order_relaxed); }
    void setValue(float internal, int flags) override;
    bool isNumeric() const override { return true; }
    void notifyListeners(float internal) override;

    // Initialisation, main thread. Sets the value to the default without notifying anyone. Throws
    // std::invalid_argument unless minimum < maximum and the default lies between them.
    void setRange(float minimum, float maximum, float defaultValue);
    // Maps the range source's internal range linearly onto [low, high] of unit values and resets the
    // second linear stage. Call after setRange. Throws std::invalid_argument when low == high.
    void setDisplayRange(float low, float high);
    // Stores the unit and lets it set label, formatter, format, separator and display functions.
    void setUnit(const FloatPluginParameterUnit& unit);
    const FloatPluginParameterUnit* unit() const { return unit_; }
    // The parameter whose range setDisplayRange refers to; null means this parameter.
    void setRangeSource(const FloatPluginParameter* source) { rangeSource_ = source ? source : this; }
    const FloatPluginParameter& rangeSource() const { return *rangeSource_; }

    // Any thread: `internal` brought into [minimum, maximum]; NaN stays NaN.
    float clampToRange(float internal) const;

    // Display settings: written during initialisation, read-only afterwards.
    Property<std::string> separator{nullptr, " "};
    Property<std::string> prefix;
    std::string format = "%.3f";
    Function displayFromLinear = nullptr;
    Function linearFromDisplay = nullptr;
    float displayOffset = 0.0f;
    float displayScale = 1.0f;
    std::string label;
    Formatter formatter = nullptr;
    Function unitFromInternal = nullptr;
    Function internalFromUnit = nullptr;
    float unitOffset = 0.0f;
    float unitScale = 1.0f;

private:
    // The display values of minimum and maximum, in ascending order.
    void displayBounds(float& low, float& high) const;
    bool finishParse(float internal, float& value) const;

    const FloatPluginParameter* rangeSource_ = this;
    const FloatPluginParameterUnit* unit_ = nullptr;
    float default_ = 0.0f;
    float maximum_ = 1.0f;
    float minimum_ = 0.0f;
    // Written by the main thread or host automation, read everywhere.
    std::atomic<float> value_{0.0f};
};
