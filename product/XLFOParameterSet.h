// The parameters of one XLFO ("XLFO N"): rate, offset, balance, glide, tempo sync and MIDI restart, then
// the list of its 16 steps. The extension set adds the phase offset and the snap switch, created after
// every other list but moving with its XLFO.
#pragma once

#include "modulation/XLFO.h"
#include "modulation/XLFOFreqController.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "parameters/ParameterSetList.h"
#include "parameters/PluginParameterSet.h"

class XLFOParameterSet : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // One step ("XLFO N Step M"), owned by its XLFO set.
    class StepParameterSet : public PluginParameterSet {
    public:
        // Main thread. `owner` is the XLFO set, whose name the step's name starts with.
        StepParameterSet(GenericParameterOwner& owner, int index);
        void initialise() override;

        FloatPluginParameter value;
        FloatPluginParameter glide;
        IndexedPluginParameter<XLFO::GlideCurve> glideFunction;
        IndexedPluginParameter<bool> random;
    };

    // Main thread. Set `index` owns the targets targets.first + index * targets.perSet + 0 … 2 (+3 is its
    // extension's phase offset).
    XLFOParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets);
    // Also initialises the steps.
    void initialise() override;

    ModulationTargetParameter frequency;       // Hz
    ModulationTargetParameter frequencyOffset; // unit value 2^x: a factor 0.5 … 2
    FloatPluginParameter balance;
    ModulationTargetParameter glide;
    IndexedPluginParameter<XLFOFreqController::SyncMode> syncMode;
    IndexedPluginParameter<bool> midiTrigger;
    // "XLFO N Steps": 1 to 16 steps in use, 2 at first.
    ParameterSetList<StepParameterSet> steps;
};

// The XLFO parameters added in a later version; set N extends "XLFO N".
class XLFOParameterSetListExtension : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread. Takes the targets of the XLFO list.
    XLFOParameterSetListExtension(GenericParameterOwner& owner, int index, ModulationRange targets);
    void initialise() override;

    ModulationTargetParameter phaseOffset;
    // On: the XLFO counts as a snapped source, and the editor rounds step values to 25 levels.
    IndexedPluginParameter<bool> snap;
};
