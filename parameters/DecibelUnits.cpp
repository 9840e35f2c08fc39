// The decibel units.
#include "parameters/DecibelUnits.h"

#include "parameters/FloatPluginParameter.h"
#include "parameters/ValueText.h"

#include <algorithm>
#include <cmath>

DBParameterUnitBase::DBParameterUnitBase(std::string label)
    : FloatPluginParameterUnit(std::move(label),
                               {{"x", 1.0f, &decibelsFromFactor}, {"*", 1.0f, &decibelsFromFactor}}) {}

float DBParameterUnitBase::decibelsFromFactor(float factor) {
    const float magnitude = std::fabs(factor);
    if (!(magnitude > 1e-10f)) return std::isnan(factor) ? factor : -180.0f;
    return std::max(20.0f * std::log10(magnitude), -180.0f);
}

const DBParameterUnit& DBParameterUnit::instance() {
    static const DBParameterUnit unit("dB");
    return unit;
}

const DBParameterUnit& DBParameterUnit::truePeakInstance() {
    static const DBParameterUnit unit("dBTP");
    return unit;
}

void DBParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.formatter = &ValueText::formatDecibels;
}

DBRangeParameterUnit::DBRangeParameterUnit() : DBParameterUnitBase("dB") {}

const DBRangeParameterUnit& DBRangeParameterUnit::instance() {
    static const DBRangeParameterUnit unit;
    return unit;
}

void DBRangeParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.format = "%.2f";
}
