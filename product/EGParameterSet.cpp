// Names, ranges, units and options of the envelope generator parameters.
#include "product/EGParameterSet.h"

#include "parameters/ParameterNames.h"
#include "product/ParameterSetup.h"
#include "product/ValueCurves.h"

EGParameterSet::EGParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("EG", index + 1)),
      threshold(this, ParameterNames::parameterName(name(), " Threshold")),
      triggering(this, ParameterNames::parameterName(name(), "Triggering")),
      attack(this, ParameterNames::parameterName(name(), " Attack")),
      decay(this, ParameterNames::parameterName(name(), " Decay")),
      sustain(this, ParameterNames::parameterName(name(), " Sustain")),
      release(this, ParameterNames::parameterName(name(), " Release")) {
    const int first = targets.first + index * targets.perSet;
    attack.setModulationTarget(nullptr, first);
    decay.setModulationTarget(nullptr, first + 1);
    sustain.setModulationTarget(nullptr, first + 2);
    release.setModulationTarget(nullptr, first + 3);
}

void EGParameterSet::initialise() {
    static const OptionNames triggers = makeOptionNames("Normal Input,Side Chain,MIDI");

    threshold.setRange(0.0f, 1.0f, 0.3f);
    ValueCurve::level.applyTo(threshold, 0.0f, 1.0f);
    ParameterSetup::setChoice(triggering, 0, 2, 0, triggers);
    ParameterSetup::setCurvedSeconds(attack, ValueCurve::time, 0.0f, 3.0f);
    ParameterSetup::setCurvedSeconds(decay, ValueCurve::time, 0.0f, 5.0f);
    sustain.setRange(0.0f, 1.0f, 1.0f);
    ParameterSetup::setDecibelDisplay(sustain);
    ParameterSetup::setCurvedSeconds(release, ValueCurve::time, 0.0f, 5.0f);
}

EGParameterSetListExtension::EGParameterSetListExtension(GenericParameterOwner& owner, int index,
                                                         ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("EG", index + 1)),
      hold(this, ParameterNames::parameterName(name(), " Hold")),
      delay(this, ParameterNames::parameterName(name(), " Delay")) {
    const int first = targets.first + index * targets.perSet;
    hold.setModulationTarget(nullptr, first + 4);
    delay.setModulationTarget(nullptr, first + 5);
}

void EGParameterSetListExtension::initialise() {
    ParameterSetup::setCurvedSeconds(hold, ValueCurve::level, 0.0f, 19.0f);
    ParameterSetup::setCurvedSeconds(delay, ValueCurve::level, 0.0f, 5.0f);
}
