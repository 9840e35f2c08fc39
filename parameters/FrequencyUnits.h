// Units of frequency parameters (display in Hz): plain, exponential (unit value log2 Hz) and exponential
// with a straight segment down to 0 Hz. All read note names such as "A4" and the suffixes kHz and k.
#pragma once

#include "parameters/FloatPluginParameterUnit.h"

class FreqParameterUnit : public FloatPluginParameterUnit {
public:
    static const FreqParameterUnit& instance();

    bool parseSpecial(std::string_view text, float& display) const override;
    void configure(FloatPluginParameter& parameter) const override;

protected:
    FreqParameterUnit();
};

class HzParameterUnit : public FreqParameterUnit {
public:
    static const HzParameterUnit& instance();

private:
    HzParameterUnit() = default;
};

class ExpFreqParameterUnit : public FloatPluginParameterUnit {
public:
    static const ExpFreqParameterUnit& instance();

    bool parseSpecial(std::string_view text, float& display) const override;
    void configure(FloatPluginParameter& parameter) const override;

protected:
    ExpFreqParameterUnit();
};

class ExpFreqWithZeroParameterUnit : public ExpFreqParameterUnit {
public:
    static const ExpFreqWithZeroParameterUnit& instance();

    void configure(FloatPluginParameter& parameter) const override;

    // Hz from log2 Hz: 2^u above -3, a straight line from 0 Hz at -5.643856 to 0.125 Hz at -3, 0 below.
    static float hzFromLinear(float u);
    static float linearFromHz(float hz);

private:
    ExpFreqWithZeroParameterUnit() = default;
};
