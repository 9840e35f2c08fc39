// Names, ranges, menus and options of the modulation slot parameters.
#include "product/ModulationSlotParameterSet.h"

#include "parameters/ParameterNames.h"
#include "product/ParameterSetup.h"
#include "product/ValueCurves.h"

namespace {
void setMenu(IndexedPluginParameter<int>& parameter, const ModulationSlotParameterSet::Menu& menu) {
    parameter.setRange(0, static_cast<int>(menu.typedValues.size()) - 1, 0);
    parameter.setValueTable(menu.typedValues, 0);
    parameter.setOptionNames(menu.names);
    parameter.setContextPairs({{menu.firstGroupEnd, 0}});
}
} // namespace

ModulationSlotParameterSet::ModulationSlotParameterSet(GenericParameterOwner& owner, int index,
                                                       ModulationRange targets)
    : PluginParameterSet(owner, ParameterNames::setName("Slot", index + 1)),
      source(this, ParameterNames::parameterName(name(), " Source")),
      level(this, ParameterNames::parameterName(name(), " Level")),
      bypassed(this, ParameterNames::parameterName(name(), " Bypassed")),
      inverted(this, ParameterNames::parameterName(name(), " Inverted")),
      target(this, ParameterNames::parameterName(name(), " Target")) {
    level.setModulationTarget(nullptr, targets.first + index * targets.perSet);
}

void ModulationSlotParameterSet::initialise() {
    static const OptionNames bypassNames = makeOptionNames("Normal,Bypassed");
    static const OptionNames invertNames = makeOptionNames("Normal,Inverted");
    level.setRange(0.0f, 1.0f, 0.5f);
    ValueCurve::level.applyTo(level, 0.0f, 1.0f);
    ParameterSetup::setChoice(bypassed, 0, 1, 0, bypassNames);
    ParameterSetup::setChoice(inverted, 0, 1, 0, invertNames);
}

void ModulationSlotParameterSet::setMenus(const Menu& sources, const Menu& targets) {
    setMenu(source, sources);
    setMenu(target, targets);
}
