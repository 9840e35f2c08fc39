// Set-up steps that several of the product's parameter sets share: choices with their option names,
// levels shown in decibels and times along a value curve.
#pragma once

#include "parameters/FloatPluginParameter.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/OptionNames.h"

struct ValueCurve;

class ParameterSetup {
public:
    // Initialisation, main thread. Empty names make a numeric choice.
    template <typename T>
    static void setChoice(IndexedPluginParameter<T>& parameter, int minimum, int maximum, int defaultIndex,
                          const OptionNames& names = {}) {
        parameter.setRange(minimum, maximum, defaultIndex);
        parameter.setOptionNames(names);
    }

    // Initialisation, main thread: a unit value that is a linear level, read and typed in dB.
    static void setDecibelDisplay(FloatPluginParameter& parameter);
    // Initialisation, main thread: 0 … 1, default 0, whose seconds follow `curve` from `low` to `high`.
    static void setCurvedSeconds(FloatPluginParameter& parameter, const ValueCurve& curve, float low,
                                 float high);

    // Any thread: 10^(dB / 20).
    static float gainFromDecibels(float decibels);
};
