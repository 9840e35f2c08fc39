// Shared set-up steps of the product's parameters.
#include "product/ParameterSetup.h"

#include "parameters/DecibelUnits.h"
#include "parameters/TimeUnits.h"
#include "product/ValueCurves.h"

#include <cmath>

void ParameterSetup::setDecibelDisplay(FloatPluginParameter& parameter) {
    parameter.setUnit(DBParameterUnit::instance());
    parameter.displayFromLinear = &DBParameterUnitBase::decibelsFromFactor;
    parameter.linearFromDisplay = &gainFromDecibels;
}

float ParameterSetup::gainFromDecibels(float decibels) {
    return std::pow(10.0f, decibels / 20.0f);
}

void ParameterSetup::setCurvedSeconds(FloatPluginParameter& parameter, const ValueCurve& curve, float low,
                                      float high) {
    parameter.setRange(0.0f, 1.0f, 0.0f);
    curve.applyTo(parameter, low, high);
    parameter.setUnit(SecParameterUnit::instance());
}
