// The product's parameter layout: every parameter, set and list of the product, created in a fixed order
// that makes the ids (0 "Input Gain" … 708 "MIDI Source 10 Response Curve") what hosts store in projects
// and presets rely on. The model and the processor each build one over their own root owner, which
// answers the ids (a half that derives from this class lists its root-owner base first); the processor
// then hands the target parameters its modulation matrix.
#pragma once

#include "core/GenericPluginBase.h"
#include "parameters/IModulationTargetOwner.h"
#include "parameters/ISlotEditor.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "parameters/ParameterSetArray.h"
#include "parameters/ParameterSetList.h"
#include "product/AuditionSignal.h"
#include "product/EFParameterSet.h"
#include "product/EGParameterSet.h"
#include "product/FilterParameterSet.h"
#include "product/MidiSourceParameterSet.h"
#include "product/ModulationSlotParameterSet.h"
#include "product/RoutingMode.h"
#include "product/XLFOParameterSet.h"
#include "product/XYParameterSet.h"

#include <vector>

class LumenorParameters {
public:
    static constexpr int kParameterCount = 709;
    // Targets 0 … 88 are parameters of the sets and the global section; the slot levels follow them.
    static constexpr int kParameterTargetCount = 89;
    static constexpr int kTargetCount = 113;
    static constexpr int kSourceCount = 34;

    // Main thread: creates every parameter in id order, registering each with `root` (which must hold no
    // parameters yet, so that ids start at 0), then initialises them all.
    explicit LumenorParameters(GenericParameterOwner& root);
    virtual ~LumenorParameters() = default;
    LumenorParameters(const LumenorParameters&) = delete;
    LumenorParameters& operator=(const LumenorParameters&) = delete;

    // Any thread: the parameter that is modulation target `number`; null outside [0, kTargetCount).
    ModulationTargetParameter* targetParameter(int number) const;
    // Main thread, set-up: every target parameter hands its base value to `owner` (null: to nobody, as in
    // the model).
    void setModulationTargetOwner(IModulationTargetOwner* owner);
    // Main thread, set-up: the slot editor that removing a set of a target or source list uses.
    void setSlotEditor(ISlotEditor* editor);

    // In creation (id) order.
    ModulationTargetParameter inputGain; // dB; unit value linear gain
    ModulationTargetParameter inputPan;
    ModulationTargetParameter outputGain; // dB; unit value linear gain
    ModulationTargetParameter outputPan;
    ModulationTargetParameter mix;       // 0 … 100 %; unit value -1 (dry) … 1 (wet)
    IndexedPluginParameter<int> routing; // one of the eight filter routings
    IndexedPluginParameter<RoutingMode> routingMode;
    TargetParameterSetList<FilterParameterSet> filters;
    SourceParameterSetList<XLFOParameterSet> xlfos;
    SourceParameterSetList<EGParameterSet> egs;
    SourceParameterSetList<EFParameterSet> efs;
    SourceParameterSetList<MidiSourceParameterSet> midiSources;
    IndexedPluginParameter<GenericPluginBase::MidiState> receiveMidi;
    IndexedPluginParameter<bool> autoMuteSelfOsc;
    IndexedPluginParameter<AuditionSignal> auditionSignal;
    TargetParameterSetList<ModulationSlotParameterSet> slots;
    SourceParameterSetList<XYParameterSet> xyControllers;
    // Attached to xlfos, egs and midiSources: set i moves with set i of its list.
    ParameterSetArray<XLFOParameterSetListExtension> xlfoExtensions;
    ParameterSetArray<EGParameterSetListExtension> egExtensions;
    ParameterSetArray<MidiSourceParameterSetListExtension> midiSourceExtensions;

private:
    void initialiseGlobals();
    // Also indexes the target parameters by number.
    void buildSlotMenus();

    // Indexed by target number.
    std::vector<ModulationTargetParameter*> targets_;
};
