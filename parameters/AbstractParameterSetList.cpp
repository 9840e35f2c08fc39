// Num Active handling, attached arrays, activity notification and the removal of a set in the middle.
#include "parameters/AbstractParameterSetList.h"

#include "parameters/GenericParameterOwner.h"
#include "parameters/ISlotEditor.h"
#include "parameters/ParameterNames.h"
#include "parameters/PluginParameterSet.h"

namespace {
AbstractParameterSetList::Limits checked(AbstractParameterSetList::Limits limits,
                                         const std::string& listName) {
    if (!(0 <= limits.minimum && limits.minimum <= limits.defaultCount &&
          limits.defaultCount <= limits.maximum))
        throw std::invalid_argument("Set list \"" + listName + "\": invalid limits");
    return limits;
}
} // namespace

AbstractParameterSetList::NumActiveParameter::NumActiveParameter(GenericParameterOwner& owner,
                                                                 std::string name,
                                                                 AbstractParameterSetList& list)
    : IndexedPluginParameter<int>(&owner, std::move(name)), list_(list) {}

void AbstractParameterSetList::NumActiveParameter::notifyListeners(float internal) {
    if (std::isnan(internal)) return;
    IndexedPluginParameter<int>::notifyListeners(internal);
    list_.tellActivity(static_cast<int>(std::clamp(internal, minimum(), maximum())));
}

AbstractParameterSetList::AbstractParameterSetList(GenericParameterOwner& owner, const std::string& listName,
                                                   Limits limits)
    : numActive_(owner, ParameterNames::numActiveName(listName), *this), owner_(owner), listName_(listName) {
    limits = checked(limits, listName);
    numActive_.setRange(limits.minimum, limits.maximum, limits.defaultCount);
}

void AbstractParameterSetList::enumerateParameters(const Visitor& visitor) {
    visitor(numActive_);
    AbstractParameterSetArray::enumerateParameters(visitor);
}

bool AbstractParameterSetList::containsParameter(int id) const {
    if (AbstractParameterSetArray::containsParameter(id)) return true;
    for (const AbstractParameterSetArray* array : arrays_)
        if (array->containsParameter(id)) return true;
    return false;
}

int AbstractParameterSetList::setIndexOfParameter(int id) const {
    const int index = AbstractParameterSetArray::setIndexOfParameter(id);
    if (index >= 0) return index;
    for (const AbstractParameterSetArray* array : arrays_) {
        const int arrayIndex = array->setIndexOfParameter(id);
        if (arrayIndex >= 0) return arrayIndex;
    }
    return -1;
}

void AbstractParameterSetList::resetToDefaults() {
    AbstractParameterSetArray::resetToDefaults();
    for (AbstractParameterSetArray* array : arrays_)
        array->resetToDefaults();
}

void AbstractParameterSetList::attachArray(AbstractParameterSetArray& array) {
    if (array.setCount() != setCount())
        throw std::invalid_argument("Set list \"" + listName_ +
                                    "\": an attached array needs one set per set");
    arrays_.push_back(&array);
}

void AbstractParameterSetList::tellActivity(int activeCount) {
    const int count = setCount();
    if (count <= 0) return;
    for (std::size_t i = 0; i < activityListeners_.size(); ++i) {
        const ActivityListener& listener = activityListeners_[i];
        if (listener.object) listener.setActive(listener.object, static_cast<int>(i % count) < activeCount);
    }
}

template <typename Query> bool AbstractParameterSetList::deleteSlotsFound(ISlotEditor& editor, Query query) {
    const bool shrinkingSlots = editor.slotList() == this;
    std::vector<int> found;
    std::vector<int> previous;
    for (;;) {
        const int index = removals_.back();
        if (index < 0) return false;
        found.clear();
        query(index, found);
        // The set being removed may use its own number (a slot modulating its own level): it goes last.
        if (shrinkingSlots) std::erase(found, index);
        if (found.empty()) return true;
        // A deletion that changed nothing would repeat forever.
        if (found == previous) return true;
        previous = found;
        editor.deleteSlot(found.back());
    }
}

void AbstractParameterSetList::deleteSlotsUsingSet(ISlotEditor& editor) {
    // Numbers are recomputed from the set's current position after every deletion: removing slots
    // below a slot being removed moves it, and its level target with it.
    const ModulationRange sources = sourceRange();
    for (int i = 0; i < sources.perSet; ++i) {
        const bool present = deleteSlotsFound(editor, [&](int index, std::vector<int>& found) {
            editor.slotsWithSource(sources.first + index * sources.perSet + i, found);
        });
        if (!present) return;
    }
    const ModulationRange targets = targetRange();
    for (int i = 0; i < targets.perSet; ++i) {
        const bool present = deleteSlotsFound(editor, [&](int index, std::vector<int>& found) {
            editor.slotsWithTarget(targets.first + index * targets.perSet + i, found);
        });
        if (!present) return;
    }
}

void AbstractParameterSetList::removeSet(int index) {
    if (activeCount() <= numActive_.minimumIndex() || index < 0 || index >= activeCount()) return;
    owner_.beginChangeGroup();
    ISlotEditor* editor = slotEditor();
    if (editor) {
        removals_.push_back(index);
        deleteSlotsUsingSet(*editor);
        index = removals_.back();
        removals_.pop_back();
    }
    // Deleting slots may have shrunk this very list, down to its minimum or by this set itself.
    const int current = activeCount();
    if (index >= 0 && current > numActive_.minimumIndex()) {
        numActive_.setValue(static_cast<float>(current - 1), 0);
        for (int j = index; j < current - 1; ++j) {
            set(j)->copyValuesFrom(*set(j + 1));
            for (AbstractParameterSetArray* array : arrays_)
                array->set(j)->copyValuesFrom(*array->set(j + 1));
        }
        set(current - 1)->resetToDefaults();
        for (AbstractParameterSetArray* array : arrays_)
            array->set(current - 1)->resetToDefaults();
        for (int& pending : removals_)
            pending = pending == index ? -1 : pending > index ? pending - 1 : pending;
        if (editor) {
            const ModulationRange targets = targetRange();
            const ModulationRange sources = sourceRange();
            if (targets.perSet > 0)
                editor->moveTargets(targets.first + targets.perSet * (index + 1),
                                    targets.first + targets.perSet * current, -targets.perSet);
            if (sources.perSet > 0)
                editor->moveSources(sources.first + sources.perSet * (index + 1),
                                    sources.first + sources.perSet * current, -sources.perSet);
        }
    }
    owner_.endChangeGroup();
}
