// Names, ranges, units and options of the XLFO parameters and their steps.
#include "product/XLFOParameterSet.h"

#include "parameters/FrequencyUnits.h"
#include "parameters/ParameterNames.h"
#include "product/ParameterSetup.h"
#include "product/ValueCurves.h"

#include <cmath>

namespace {
constexpr float kSlowestHz = 0.02f;
constexpr float kFastestHz = 500.0f;
// The rate-curve value that gives 1 Hz.
constexpr float kOneHertzCurveValue = 0.0019600785f;

float factorFromOctaves(float octaves) {
    return std::exp2(octaves);
}
float octavesFromFactor(float factor) {
    return std::log2(factor);
}
} // namespace

XLFOParameterSet::StepParameterSet::StepParameterSet(GenericParameterOwner& owner, int index)
    : PluginParameterSet(owner, ParameterNames::stepSetName(owner.name(), index + 1)),
      value(this, ParameterNames::parameterName(name(), " Value")),
      glide(this, ParameterNames::parameterName(name(), " Glide")),
      glideFunction(this, ParameterNames::parameterName(name(), " Glide function")),
      random(this, ParameterNames::parameterName(name(), " Random")) {}

void XLFOParameterSet::StepParameterSet::initialise() {
    static const OptionNames glideCurves = makeOptionNames("Linear,Sqr,Sqrt,Sine");
    static const OptionNames randomNames = makeOptionNames("Fixed,Random");
    value.setRange(-1.0f, 1.0f, 0.0f);
    glide.setRange(0.0f, 1.0f, 0.0f);
    ParameterSetup::setChoice(glideFunction, 0, 3, 0, glideCurves);
    ParameterSetup::setChoice(random, 0, 1, 0, randomNames);
}

XLFOParameterSet::XLFOParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("XLFO", index + 1)),
      frequency(this, ParameterNames::parameterName(name(), " Frequency")),
      frequencyOffset(this, ParameterNames::parameterName(name(), " Frequency Offset")),
      balance(this, ParameterNames::parameterName(name(), " Balance")),
      glide(this, ParameterNames::parameterName(name(), " Glide")),
      syncMode(this, ParameterNames::parameterName(name(), " Sync Mode")),
      midiTrigger(this, ParameterNames::parameterName(name(), " MIDI Trigger")),
      steps(*this, name() + " Steps", {1, 16, 2}) {
    const int first = targets.first + index * targets.perSet;
    frequency.setModulationTarget(nullptr, first);
    frequencyOffset.setModulationTarget(nullptr, first + 1);
    glide.setModulationTarget(nullptr, first + 2);
}

void XLFOParameterSet::initialise() {
    static const OptionNames syncModes = makeOptionNames("Free,16,8,4,2,1,1/2,1/4,1/8,1/16,1/32,1/64");
    static const OptionNames offOn = makeOptionNames("Off,On");

    frequency.setRange(0.0f, 1.0f, ValueCurve::rate.inverse(kOneHertzCurveValue));
    ValueCurve::rate.applyTo(frequency, kSlowestHz, kFastestHz);
    frequency.setUnit(HzParameterUnit::instance());

    frequencyOffset.setRange(-1.0f, 1.0f, 0.0f);
    frequencyOffset.unitFromInternal = &factorFromOctaves;
    frequencyOffset.internalFromUnit = &octavesFromFactor;

    balance.setRange(0.0f, 1.0f, 0.5f);
    glide.setRange(-1.0f, 1.0f, 0.0f);
    ParameterSetup::setChoice(syncMode, 0, 11, 0, syncModes);
    ParameterSetup::setChoice(midiTrigger, 0, 1, 0, offOn);

    for (int i = 0; i < steps.setCount(); ++i)
        steps.typedSet(i)->initialise();
}

XLFOParameterSetListExtension::XLFOParameterSetListExtension(GenericParameterOwner& owner, int index,
                                                             ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("XLFO", index + 1)),
      phaseOffset(this, ParameterNames::parameterName(name(), " Phase Offset")),
      snap(this, ParameterNames::parameterName(name(), " Snap")) {
    phaseOffset.setModulationTarget(nullptr, targets.first + index * targets.perSet + 3);
}

void XLFOParameterSetListExtension::initialise() {
    static const OptionNames snapNames = makeOptionNames("No Snap,Snap");
    phaseOffset.setRange(0.0f, 1.0f, 0.0f);
    ParameterSetup::setChoice(snap, 0, 1, 0, snapNames);
}
