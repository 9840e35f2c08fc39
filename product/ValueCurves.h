// The piecewise-linear curves that shape the travel of level, time and rate knobs. Each maps an internal
// value x in [0, 1] onto a curve value in [0, 1] (odd-symmetric for negative x, the last point's value
// beyond the last point) and has an inverse; a parameter scales the curve value onto its unit range.
#pragma once

#include "parameters/FloatPluginParameter.h"

struct ValueCurve {
    // Filter Delay, EG Threshold, Hold and Delay, slot Level.
    static const ValueCurve level;
    // EG Attack, Decay and Release, EF Attack and Release.
    static const ValueCurve time;
    // XLFO Frequency; flat at 1 from x = 0.98.
    static const ValueCurve rate;

    // Any thread. NaN stays NaN.
    FloatPluginParameter::Function map;
    FloatPluginParameter::Function inverse;

    // Initialisation, main thread, after setRange: unit value = low + (high - low) * curve(x).
    void applyTo(FloatPluginParameter& parameter, float low, float high) const;
};
