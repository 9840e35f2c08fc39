// The set lists: ParameterSetList<T> creates its sets; TargetParameterSetList<T> adds the modulation
// targets its sets own and the slot editor that keeps the slots consistent when a set is removed;
// SourceParameterSetList<T> adds the modulation sources. Set i is constructed as
// T(owner, i, arguments...) with the list's owner, after the Num Active parameter.
#pragma once

#include "parameters/AbstractParameterSetList.h"
#include "parameters/PluginParameterSet.h"

#include <memory>
#include <string>
#include <vector>

template <typename T> class ParameterSetList : public AbstractParameterSetList {
public:
    // Main thread.
    template <typename... Args>
    ParameterSetList(GenericParameterOwner& owner, const std::string& listName, Limits limits,
                     const Args&... setArguments)
        : AbstractParameterSetList(owner, listName, limits) {
        sets_.reserve(static_cast<std::size_t>(limits.maximum));
        for (int i = 0; i < limits.maximum; ++i)
            sets_.push_back(std::make_unique<T>(owner, i, setArguments...));
    }

    int setCount() const override { return static_cast<int>(sets_.size()); }
    PluginParameterSet* set(int index) const override { return typedSet(index); }
    // Null outside [0, setCount).
    T* typedSet(int index) const {
        return index >= 0 && index < setCount() ? sets_[static_cast<std::size_t>(index)].get() : nullptr;
    }

private:
    std::vector<std::unique_ptr<T>> sets_;
};

template <typename T> class TargetParameterSetList : public ParameterSetList<T> {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread.
    template <typename... Args>
    TargetParameterSetList(GenericParameterOwner& owner, const std::string& listName,
                           AbstractParameterSetList::Limits limits, ModulationRange targets,
                           const Args&... setArguments)
        : ParameterSetList<T>(owner, listName, limits, setArguments...), targets_(targets) {}

    // Main thread, set-up: the slots exist only after the lists whose sets they point at.
    void setSlotEditor(ISlotEditor* editor) { slotEditor_ = editor; }

    ModulationRange targetRange() const override { return targets_; }
    ISlotEditor* slotEditor() const override { return slotEditor_; }
    // Target `i` of set `setIndex`.
    int targetNumber(int setIndex, int i) const { return targets_.first + setIndex * targets_.perSet + i; }

private:
    ISlotEditor* slotEditor_ = nullptr;
    ModulationRange targets_;
};

template <typename T> class SourceParameterSetList : public TargetParameterSetList<T> {
public:
    using ModulationRange = AbstractParameterSetList::ModulationRange;

    // Main thread. Lists whose sets own no targets pass an empty target range.
    template <typename... Args>
    SourceParameterSetList(GenericParameterOwner& owner, const std::string& listName,
                           AbstractParameterSetList::Limits limits, ModulationRange targets,
                           ModulationRange sources, const Args&... setArguments)
        : TargetParameterSetList<T>(owner, listName, limits, targets, setArguments...), sources_(sources) {}

    ModulationRange sourceRange() const override { return sources_; }
    // Source `i` of set `setIndex`.
    int sourceNumber(int setIndex, int i) const { return sources_.first + setIndex * sources_.perSet + i; }

private:
    ModulationRange sources_;
};
