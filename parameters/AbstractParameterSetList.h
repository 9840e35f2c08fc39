// The base of set lists: a fixed number of sets of one kind of which the first N are in use, N being the
// list's Num Active parameter. Arrays of extension sets may be attached so that they move with the
// list's sets, and arrays of objects may listen to which positions are active. Removing a set in the
// middle moves the following sets down and keeps the modulation slots pointing at the same sets.
#pragma once

#include "parameters/AbstractParameterSetArray.h"
#include "parameters/IndexedPluginParameter.h"

#include <stdexcept>
#include <string>
#include <vector>

class GenericParameterOwner;
class ISlotEditor;

class AbstractParameterSetList : public AbstractParameterSetArray {
public:
    // How many sets may be in use; the list always creates `maximum` sets.
    struct Limits {
        int minimum;
        int maximum;
        int defaultCount;
    };

    // Numbers of the modulation targets or sources owned by the sets: set i owns first + i·perSet …
    struct ModulationRange {
        int first = -1;
        int perSet = 0;
    };

    // The number of sets in use ("Num Active " + list name), owned by the list's owner. Notifying it
    // tells the activity listeners.
    class NumActiveParameter : public IndexedPluginParameter<int> {
    public:
        NumActiveParameter(GenericParameterOwner& owner, std::string name, AbstractParameterSetList& list);
        void notifyListeners(float internal) override;

    private:
        AbstractParameterSetList& list_;
    };

    // Main thread: creates the Num Active parameter (before the derived list creates its sets, so its
    // id comes first). Throws std::invalid_argument for limits outside 0 <= min <= default <= max.
    AbstractParameterSetList(GenericParameterOwner& owner, const std::string& listName, Limits limits);

    void enumerateParameters(const Visitor& visitor) override;
    bool containsParameter(int id) const override;
    int setIndexOfParameter(int id) const override;
    void resetToDefaults() override;
    int firstParameterId() const override { return numActive_.id(); }
    // Main thread: removes set `index` of the active ones, inside one change group; ignored at the
    // minimum count or for an index outside the active sets.
    virtual void removeSet(int index);
    ~AbstractParameterSetList() override = default;

    // Main thread, set-up: the array's set i moves with set i. Throws std::invalid_argument when the
    // array's set count differs.
    void attachArray(AbstractParameterSetArray& array);
    const std::vector<AbstractParameterSetArray*>& attachedArrays() const { return arrays_; }

    // Main thread, set-up: entry i is told setActive(i < active count) whenever Num Active is notified.
    // The array must have one entry per set (null entries are skipped); throws std::invalid_argument
    // otherwise. T needs a member setActive(bool).
    template <typename T> void addActivityListeners(const std::vector<T*>& objects) {
        if (static_cast<int>(objects.size()) != setCount())
            throw std::invalid_argument("Activity listeners of \"" + listName_ + "\" need one entry per set");
        for (T* object : objects)
            activityListeners_.push_back(
                {object, [](void* target, bool active) { static_cast<T*>(target)->setActive(active); }});
    }

    NumActiveParameter& numActiveParameter() { return numActive_; }
    const NumActiveParameter& numActiveParameter() const { return numActive_; }
    // Any thread.
    int activeCount() const { return numActive_.index(); }
    const std::string& listName() const { return listName_; }
    GenericParameterOwner& owner() const { return owner_; }

    // The modulation numbers of the sets and the editor of the slots that use them; none in a plain list.
    virtual ModulationRange targetRange() const { return {}; }
    virtual ModulationRange sourceRange() const { return {}; }
    virtual ISlotEditor* slotEditor() const { return nullptr; }

private:
    struct ActivityListener {
        void* object;
        void (*setActive)(void*, bool);
    };

    // Deletes the slots that use the sources, then the targets, of the set at removals_.back().
    void deleteSlotsUsingSet(ISlotEditor& editor);
    // Deletes, highest first, the slots the query finds for the set being removed; answers false when
    // that set went away meanwhile.
    template <typename Query> bool deleteSlotsFound(ISlotEditor& editor, Query query);
    void tellActivity(int activeCount);

    NumActiveParameter numActive_;
    std::vector<AbstractParameterSetArray*> arrays_;
    GenericParameterOwner& owner_;
    std::vector<ActivityListener> activityListeners_;
    std::string listName_;
    // Current positions of the sets whose removal is under way (removing a slot removes the slots
    // modulating its level, so removals of the slot list nest); -1 once such a set went away.
    std::vector<int> removals_;
};
