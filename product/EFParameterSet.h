// The parameters of one envelope follower ("EF N"): which input it follows and its attack and release.
#pragma once

#include "core/GenericPluginBase.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "parameters/ParameterSetList.h"
#include "parameters/PluginParameterSet.h"

class EFParameterSet : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread. Set `index` owns the targets targets.first + index * targets.perSet + 0 and 1.
    EFParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets);
    void initialise() override;

    // 0 the normal input, 1 the side chain. Named without a space ("EF 1Input"): presets and host projects
    // know it by that name.
    IndexedPluginParameter<GenericPluginBase::InputSignal> input;
    ModulationTargetParameter attack;  // s
    ModulationTargetParameter release; // s
};
