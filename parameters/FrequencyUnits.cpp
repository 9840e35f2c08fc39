// The frequency units.
#include "parameters/FrequencyUnits.h"

#include "parameters/FloatPluginParameter.h"
#include "parameters/ValueText.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<FloatPluginParameterUnit::SuffixEntry> frequencySuffixes() {
    return {{"kHz", 1000.0f, nullptr}, {"k", 1000.0f, nullptr}};
}

float exp2Of(float u) {
    return std::exp2(u);
}
float log2Of(float hz) {
    return std::log2(hz);
}

constexpr float kZeroHzLinear = -5.643856f;   // where the straight segment reaches 0 Hz
constexpr float kSegmentTopLinear = -3.0f;    // 0.125 Hz
constexpr float kSegmentSlope = 0.0472794f;   // Hz per unit of log2 Hz on the segment
constexpr float kSegmentInverse = 21.150848f; // its inverse

} // namespace

FreqParameterUnit::FreqParameterUnit() : FloatPluginParameterUnit("Hz", frequencySuffixes()) {}

const FreqParameterUnit& FreqParameterUnit::instance() {
    static const FreqParameterUnit unit;
    return unit;
}

bool FreqParameterUnit::parseSpecial(std::string_view text, float& display) const {
    return ValueText::parseNoteName(text, display);
}

void FreqParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.formatter = &ValueText::formatFrequency;
}

const HzParameterUnit& HzParameterUnit::instance() {
    static const HzParameterUnit unit;
    return unit;
}

ExpFreqParameterUnit::ExpFreqParameterUnit() : FloatPluginParameterUnit("Hz", frequencySuffixes()) {}

const ExpFreqParameterUnit& ExpFreqParameterUnit::instance() {
    static const ExpFreqParameterUnit unit;
    return unit;
}

bool ExpFreqParameterUnit::parseSpecial(std::string_view text, float& display) const {
    return ValueText::parseNoteName(text, display);
}

void ExpFreqParameterUnit::configure(FloatPluginParameter& parameter) const {
    parameter.formatter = &ValueText::formatFrequency;
    parameter.displayFromLinear = &exp2Of;
    parameter.linearFromDisplay = &log2Of;
}

const ExpFreqWithZeroParameterUnit& ExpFreqWithZeroParameterUnit::instance() {
    static const ExpFreqWithZeroParameterUnit unit;
    return unit;
}

void ExpFreqWithZeroParameterUnit::configure(FloatPluginParameter& parameter) const {
    ExpFreqParameterUnit::configure(parameter);
    parameter.displayFromLinear = &hzFromLinear;
    parameter.linearFromDisplay = &linearFromHz;
}

float ExpFreqWithZeroParameterUnit::hzFromLinear(float u) {
    if (u > kSegmentTopLinear) return std::exp2(u);
    if (u < kZeroHzLinear) return 0.0f;
    return (u - kZeroHzLinear) * kSegmentSlope;
}

float ExpFreqWithZeroParameterUnit::linearFromHz(float hz) {
    if (hz > 0.125f) return std::log2(hz);
    if (std::isnan(hz)) return hz;
    return std::clamp(hz, 0.0f, 0.125f) * kSegmentInverse + kZeroHzLinear;
}
