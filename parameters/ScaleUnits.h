// Units that only label and format a number: semitones (unit value in octaves), percent, ratio and
// filter slope.
#pragma once

#include "parameters/FloatPluginParameterUnit.h"

// Unit value in octaves, shown in semitones; accepts octaves, notes and cents.
class OctavesParameterUnit : public FloatPluginParameterUnit {
public:
    static const OctavesParameterUnit& instance();
    void configure(FloatPluginParameter& parameter) const override;

private:
    OctavesParameterUnit();
};

// "100%": two significant decimals, no separator.
class PercentParameterUnit : public FloatPluginParameterUnit {
public:
    static const PercentParameterUnit& instance();
    void configure(FloatPluginParameter& parameter) const override;

private:
    PercentParameterUnit();
};

// "4.00:1".
class RatioParameterUnit : public FloatPluginParameterUnit {
public:
    static const RatioParameterUnit& instance();
    void configure(FloatPluginParameter& parameter) const override;

private:
    RatioParameterUnit();
};

// "12.0 dB/oct".
class SlopeParameterUnit : public FloatPluginParameterUnit {
public:
    static const SlopeParameterUnit& instance();
    void configure(FloatPluginParameter& parameter) const override;

private:
    SlopeParameterUnit();
};
