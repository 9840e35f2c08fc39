// The labelling units.
#include "parameters/ScaleUnits.h"

#include "parameters/FloatPluginParameter.h"

namespace {
float semitonesFromOctaves(float octaves) {
    return octaves * 12.0f;
}
float octavesFromSemitones(float semitones) {
    return semitones / 12.0f;
}
} // namespace

OctavesParameterUnit::OctavesParameterUnit()
    : FloatPluginParameterUnit("semitones", {{"semitone", 1.0f, nullptr},
                                             {"octaves", 12.0f, nullptr},
                                             {"octave", 12.0f, nullptr},
                                             {"oct", 12.0f, nullptr},
                                             {"notes", 1.0f, nullptr},
                                             {"note", 1.0f, nullptr},
                                             {"cents", 0.01f, nullptr},
                                             {"cent", 0.01f, nullptr}}) {}

const OctavesParameterUnit& OctavesParameterUnit::instance() {
    static const OctavesParameterUnit unit;
    return unit;
}

void OctavesParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.displayFromLinear = &semitonesFromOctaves;
    parameter.linearFromDisplay = &octavesFromSemitones;
}

PercentParameterUnit::PercentParameterUnit() : FloatPluginParameterUnit("%") {}

const PercentParameterUnit& PercentParameterUnit::instance() {
    static const PercentParameterUnit unit;
    return unit;
}

void PercentParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.format = "*2f";
    parameter.separator.assign("");
}

RatioParameterUnit::RatioParameterUnit() : FloatPluginParameterUnit(":1") {}

const RatioParameterUnit& RatioParameterUnit::instance() {
    static const RatioParameterUnit unit;
    return unit;
}

void RatioParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.format = "%.2f";
    parameter.separator.assign("");
}

SlopeParameterUnit::SlopeParameterUnit() : FloatPluginParameterUnit("dB/oct") {}

const SlopeParameterUnit& SlopeParameterUnit::instance() {
    static const SlopeParameterUnit unit;
    return unit;
}

void SlopeParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.format = "%.1f";
}
