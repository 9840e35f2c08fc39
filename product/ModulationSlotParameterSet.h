// The parameters of one modulation slot ("Slot N"): which source modulates which target, how much, and
// the invert and bypass switches. Source and Target are menus: an index whose typed value is the source
// or target number + 1 (0 for none); (index, key) pairs split each menu in two groups, key 0 addressing
// the first.
#pragma once

#include "parameters/IndexedPluginParameter.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "parameters/ParameterSetList.h"
#include "parameters/PluginParameterSet.h"

#include <vector>

class ModulationSlotParameterSet : public PluginParameterSet {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;
    using SourceParameter = IndexedPluginParameter<int>;
    using TargetParameter = IndexedPluginParameter<int>;
    using BypassParameter = IndexedPluginParameter<bool>;
    using InvertParameter = IndexedPluginParameter<bool>;

    // The entries of a Source or Target menu.
    struct Menu {
        std::vector<int> typedValues; // per index: number + 1, 0 for none at index 0
        OptionNames names;            // per index
        int firstGroupEnd;            // the last index of the group that key 0 selects
    };

    // Main thread. The level of slot `index` is target targets.first + index * targets.perSet.
    ModulationSlotParameterSet(GenericParameterOwner& owner, int index, ModulationRange targets);
    void initialise() override;
    // Initialisation, main thread, once every source and target exists. Shared by all slots.
    void setMenus(const Menu& sources, const Menu& targets);

    SourceParameter source;
    ModulationTargetParameter level; // unit value: level curve 0 … 1
    BypassParameter bypassed;
    InvertParameter inverted;
    TargetParameter target;
};
