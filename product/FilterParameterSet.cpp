// Names, ranges, units and options of a filter's parameters.
#include "product/FilterParameterSet.h"

#include "parameters/FrequencyUnits.h"
#include "parameters/ParameterNames.h"
#include "parameters/TimeUnits.h"
#include "product/ParameterSetup.h"
#include "product/ValueCurves.h"

namespace {
// log2 Hz of the cut-off range, about 4.81 Hz to 75.6 kHz.
constexpr float kLowestFreq = 2.2666f;
constexpr float kHighestFreq = 16.2064f;
constexpr float kLongestDelayMs = 50.0f;
} // namespace

FilterParameterSet::FilterParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("Filter", index + 1)),
      freq(this, ParameterNames::parameterName(name(), " Freq")),
      pan(this, ParameterNames::parameterName(name(), " Pan")),
      peak(this, ParameterNames::parameterName(name(), " Peak")),
      characteristic(this, ParameterNames::parameterName(name(), " Characteristic")),
      response(this, ParameterNames::parameterName(name(), " Response")),
      slope(this, ParameterNames::parameterName(name(), " Slope")),
      delay(this, ParameterNames::parameterName(name(), " Delay")),
      enabled(this, ParameterNames::parameterName(name(), " Enabled")),
      linked(this, ParameterNames::parameterName(name(), " Linked")) {
    const int first = targets.first + index * targets.perSet;
    freq.setModulationTarget(nullptr, first);
    pan.setModulationTarget(nullptr, first + 1);
    peak.setModulationTarget(nullptr, first + 2);
    delay.setModulationTarget(nullptr, first + 3);
}

void FilterParameterSet::initialise() {
    static const OptionNames characteristics =
        makeOptionNames("Quorvane One,Smooth,Raw,Hard,Hollow,Extreme,Gentle,Tube,Metal,Easy Going,Clean");
    static const OptionNames responses = makeOptionNames("LP,HP,BP");
    static const OptionNames slopes = makeOptionNames("12,24,48");
    static const OptionNames enabledNames = makeOptionNames("Disabled,Enabled");
    static const OptionNames linkedNames = makeOptionNames("Unlinked,Linked");

    freq.setRange(0.0f, 1.0f, 1.0f);
    freq.setDisplayRange(kLowestFreq, kHighestFreq);
    freq.setUnit(ExpFreqParameterUnit::instance());

    pan.setRange(-3.5f, 3.5f, 0.0f);
    pan.displayScale = 2.0f / 7.0f; // shown as -1 … 1

    peak.setRange(0.0f, 1.0f, 0.0f);
    ParameterSetup::setChoice(characteristic, 0, 10, 0, characteristics);
    ParameterSetup::setChoice(response, 0, 2, 0, responses);
    ParameterSetup::setChoice(slope, 1, 3, 1, slopes);

    delay.setRange(0.0f, 1.0f, 0.0f);
    ValueCurve::level.applyTo(delay, 0.0f, kLongestDelayMs);
    delay.setUnit(MsParameterUnit::instance());

    ParameterSetup::setChoice(enabled, 0, 1, 0, enabledNames);
    ParameterSetup::setChoice(linked, 0, 1, 0, linkedNames);
}
