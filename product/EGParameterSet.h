// The parameters of one envelope generator ("EG N"): trigger threshold and source, attack, decay,
// sustain and release. The extension set adds hold and delay, created after every other list but moving
// with its EG.
#pragma once

#include "parameters/IndexedPluginParameter.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "parameters/ParameterSetList.h"
#include "parameters/PluginParameterSet.h"
#include "product/Triggering.h"

class EGParameterSet : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread. Set `index` owns the targets targets.first + index * targets.perSet + 0 … 3 (+4 and +5
    // are its extension's).
    EGParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets);
    void initialise() override;

    FloatPluginParameter threshold; // unit value: level curve 0 … 1
    // Named without a space ("EG 1Triggering"): presets and host projects know it by that name.
    IndexedPluginParameter<Triggering> triggering;
    ModulationTargetParameter attack;  // s
    ModulationTargetParameter decay;   // s
    ModulationTargetParameter sustain; // linear level, shown in dB
    ModulationTargetParameter release; // s
};

// The EG parameters added in a later version; set N extends "EG N".
class EGParameterSetListExtension : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread. Takes the targets of the EG list.
    EGParameterSetListExtension(GenericParameterOwner& owner, int index, ModulationRange targets);
    void initialise() override;

    ModulationTargetParameter hold;  // s
    ModulationTargetParameter delay; // s
};
