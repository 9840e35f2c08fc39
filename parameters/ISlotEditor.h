// What removing a set from a list needs from the modulation slots: finding and deleting the slots that
// use the set's targets or sources, and renumbering the slots that point behind it. The modulation
// matrix provides it; a list without one leaves the slots alone.
#pragma once

#include <vector>

class AbstractParameterSetList;

class ISlotEditor {
public:
    virtual ~ISlotEditor() = default;
    // Main thread: the active slots whose target (source) is currently the given number, ascending.
    virtual void slotsWithTarget(int target, std::vector<int>& slots) const = 0;
    virtual void slotsWithSource(int source, std::vector<int>& slots) const = 0;
    // Main thread: removes active slot `slot` from the slot list (its removeSet), so that the slots
    // behind it move down and keep their connections.
    virtual void deleteSlot(int slot) = 0;
    // Main thread: every slot whose target (source) lies in [begin, end) has it moved by `offset`.
    virtual void moveTargets(int begin, int end, int offset) = 0;
    virtual void moveSources(int begin, int end, int offset) = 0;
    // The list whose sets are the slots themselves, or null.
    virtual const AbstractParameterSetList* slotList() const = 0;
};
