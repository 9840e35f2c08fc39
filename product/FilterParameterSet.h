// The parameters of one filter ("Filter N"): cut-off, pan, peak and delay, which the modulation matrix can
// modulate, and the voicing, response, slope and switches.
#pragma once

#include "dsp/GenericFilter.h"
#include "parameters/AbstractParameterSetList.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "parameters/PluginParameterSet.h"
#include "product/FilterCharacteristic.h"

class FilterParameterSet : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread. Set `index` owns the targets targets.first + index * targets.perSet + 0 … 3.
    FilterParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets);
    void initialise() override;

    ModulationTargetParameter freq; // unit value log2 Hz
    ModulationTargetParameter pan;  // octaves the two channels' cut-offs move apart
    ModulationTargetParameter peak;
    IndexedPluginParameter<FilterCharacteristic> characteristic;
    IndexedPluginParameter<GenericFilter::Response> response;
    IndexedPluginParameter<GenericFilter::Slope> slope;
    ModulationTargetParameter delay; // ms
    IndexedPluginParameter<bool> enabled;
    IndexedPluginParameter<bool> linked; // follows the filter-link controls
};
