// Names, ranges, units and options of the envelope follower parameters.
#include "product/EFParameterSet.h"

#include "parameters/ParameterNames.h"
#include "product/ParameterSetup.h"
#include "product/ValueCurves.h"

EFParameterSet::EFParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("EF", index + 1)),
      input(this, ParameterNames::parameterName(name(), "Input")),
      attack(this, ParameterNames::parameterName(name(), " Attack")),
      release(this, ParameterNames::parameterName(name(), " Release")) {
    const int first = targets.first + index * targets.perSet;
    attack.setModulationTarget(nullptr, first);
    release.setModulationTarget(nullptr, first + 1);
}

void EFParameterSet::initialise() {
    static const OptionNames inputs = makeOptionNames("Normal Input,Side Chain");
    ParameterSetup::setChoice(input, 0, 1, 0, inputs);
    ParameterSetup::setCurvedSeconds(attack, ValueCurve::time, 0.001f, 1.0f);
    ParameterSetup::setCurvedSeconds(release, ValueCurve::time, 0.05f, 5.0f);
}
