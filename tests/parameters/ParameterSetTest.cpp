// Parameter sets, set lists and arrays, the collections and the group table: registration through the
// owner chain, id arithmetic, activity notification and removing a set in the middle of a list.
#include "parameters/ISlotEditor.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/ParameterNames.h"
#include "parameters/ParameterSetArray.h"
#include "parameters/ParameterSetList.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace parameter_test;

namespace {

// Three parameters, like a small filter set.
class ThreeSet : public PluginParameterSet {
public:
    ThreeSet(GenericParameterOwner& owner, int index)
        : PluginParameterSet(owner, ParameterNames::setName("Filter", index + 1)),
          freq(this, ParameterNames::parameterName(name(), " Freq")),
          peak(this, ParameterNames::parameterName(name(), " Peak")),
          response(this, ParameterNames::parameterName(name(), " Response")) {
        freq.setRange(0.0f, 1.0f, 1.0f);
        peak.setRange(0.0f, 1.0f, 0.0f);
        response.setRange(0, 2, 0);
    }
    FloatPluginParameter freq;
    FloatPluginParameter peak;
    IndexedPluginParameter<int> response;
};

// One parameter per set, like the extension sets.
class ExtensionSet : public PluginParameterSet {
public:
    ExtensionSet(GenericParameterOwner& owner, int index, const char* kind)
        : PluginParameterSet(owner, ParameterNames::setName(kind, index + 1)),
          hold(this, ParameterNames::parameterName(name(), " Hold")) {
        hold.setRange(0.0f, 1.0f, 0.0f);
    }
    FloatPluginParameter hold;
};

// A set that owns a list of step sets, like an XLFO.
class StepSet : public PluginParameterSet {
public:
    StepSet(GenericParameterOwner& owner, int index, const std::string& ownerName)
        : PluginParameterSet(owner, ParameterNames::stepSetName(ownerName, index + 1)),
          value(this, ParameterNames::parameterName(name(), " Value")) {
        value.setRange(-1.0f, 1.0f, 0.0f);
    }
    FloatPluginParameter value;
};

class OscillatorSet : public PluginParameterSet {
public:
    OscillatorSet(GenericParameterOwner& owner, int index)
        : PluginParameterSet(owner, ParameterNames::setName("XLFO", index + 1)),
          frequency(this, ParameterNames::parameterName(name(), " Frequency")),
          steps(*this, name() + " Steps", {1, 3, 2}, name()) {}
    FloatPluginParameter frequency;
    ParameterSetList<StepSet> steps;
};

// A slot: its target number is the parameter's index (-1 none).
class SlotSet : public PluginParameterSet {
public:
    SlotSet(GenericParameterOwner& owner, int index)
        : PluginParameterSet(owner, ParameterNames::setName("Slot", index + 1)),
          level(this, ParameterNames::parameterName(name(), " Level")),
          target(this, ParameterNames::parameterName(name(), " Target")) {
        level.setRange(0.0f, 1.0f, 0.5f);
        target.setRange(-1, 200, -1);
    }
    FloatPluginParameter level;
    IndexedPluginParameter<int> target;
};

struct Activatable {
    void setActive(bool on) { active = on; }
    bool active = false;
};

TEST(ParameterSetTest, SetsRegisterThroughTheOwnerChain) {
    TestParameterRoot root;
    FloatPluginParameter global(&root, "Input Gain");
    ThreeSet first(root, 0);
    ThreeSet second(root, 1);
    EXPECT_EQ(global.id(), 0);
    EXPECT_EQ(first.freq.id(), 1);
    EXPECT_EQ(second.response.id(), 6);
    EXPECT_EQ(first.parameterCount(), 3);
    EXPECT_EQ(first.parameter(2), &first.response);
    EXPECT_EQ(first.parameter(3), nullptr);
    EXPECT_EQ(first.parameter(-1), nullptr);
    EXPECT_EQ(second.freq.name(), "Filter 2 Freq");
    EXPECT_EQ(second.freq.owner(), &second);
    EXPECT_EQ(root.parameterCount(), 7);

    // Group table: entry 0 is the plug-in's own (empty) module path.
    EXPECT_EQ(root.groups.name(0), "");
    EXPECT_EQ(first.groupIndex(), 1);
    EXPECT_EQ(second.groupIndex(), 2);
    EXPECT_EQ(root.groups.name(second.groupIndex()), "Filter 2");
    EXPECT_EQ(root.registerGroup("Filter 1"), 1);
    EXPECT_EQ(root.groups.name(99), "");

    // Changes go up the chain with their flags.
    second.peak.setValue(0.5f, 1);
    ASSERT_EQ(root.changes.size(), 1u);
    EXPECT_EQ(root.changes[0].id, second.peak.id());
    EXPECT_EQ(root.changes[0].flags, 1);
    first.beginChangeGroup();
    EXPECT_EQ(root.groupDepth, 1);
    first.endChangeGroup();
    EXPECT_EQ(root.groupDepth, 0);
}

TEST(ParameterSetTest, ListIdsNumActiveFirstThenSetAfterSet) {
    TestParameterRoot root;
    FloatPluginParameter global(&root, "Mix");
    ParameterSetList<ThreeSet> filters(root, "Filters", {1, 4, 1});
    ParameterSetArray<ExtensionSet> extensions(root, 4, "Filter");
    FloatPluginParameter after(&root, "After");

    const auto& numActive = filters.numActiveParameter();
    EXPECT_EQ(numActive.name(), "Num Active Filters");
    EXPECT_EQ(numActive.id(), 1);
    EXPECT_EQ(numActive.owner(), &root);
    EXPECT_EQ(numActive.minimum(), 1.0f);
    EXPECT_EQ(numActive.maximum(), 4.0f);
    EXPECT_EQ(filters.activeCount(), 1);
    EXPECT_EQ(filters.setCount(), 4);
    EXPECT_EQ(filters.firstParameterId(), 1);
    EXPECT_EQ(filters.typedSet(3)->response.id(), 13);
    EXPECT_EQ(filters.set(4), nullptr);
    EXPECT_EQ(extensions.firstParameterId(), 14);

    filters.attachArray(extensions);
    struct Case {
        int id;
        int setIndex;
        bool contained;
    };
    const Case cases[] = {{-1, -1, true}, {0, -1, false},  {1, -1, true},  {2, 0, true},
                          {4, 0, true},   {5, 1, true},    {13, 3, true},  {14, 0, true},
                          {17, 3, true},  {18, -1, false}, {-5, -1, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(filters.setIndexOfParameter(c.id), c.setIndex) << c.id;
        EXPECT_EQ(filters.containsParameter(c.id), c.contained) << c.id;
    }
    EXPECT_EQ(extensions.setIndexOfParameter(15), 1);
    EXPECT_FALSE(extensions.containsParameter(13));

    std::vector<int> visited;
    filters.enumerateParameters([&](AbstractPluginParameter& p) { visited.push_back(p.id()); });
    ASSERT_EQ(visited.size(), 13u);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(visited[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(after.id(), 18);

    ParameterSetArray<ExtensionSet> wrongSize(root, 3, "Other");
    EXPECT_THROW(filters.attachArray(wrongSize), std::invalid_argument);
    EXPECT_THROW(ParameterSetList<ThreeSet>(root, "Bad", {2, 4, 1}), std::invalid_argument);
}

TEST(ParameterSetTest, NestedListsBelongToTheirOwnerSet) {
    TestParameterRoot root;
    ParameterSetList<OscillatorSet> oscillators(root, "XLFOs", {0, 2, 0});
    OscillatorSet& first = *oscillators.typedSet(0);
    // Frequency, Num Active steps, three step values.
    EXPECT_EQ(first.parameterCount(), 5);
    EXPECT_EQ(first.steps.numActiveParameter().name(), "Num Active XLFO 1 Steps");
    EXPECT_EQ(first.steps.numActiveParameter().owner(), &first);
    EXPECT_EQ(first.steps.typedSet(2)->value.name(), "XLFO 1 Step 3 Value");
    EXPECT_EQ(first.steps.activeCount(), 2);
    EXPECT_EQ(oscillators.setIndexOfParameter(oscillators.typedSet(1)->steps.typedSet(0)->value.id()), 1);
    EXPECT_EQ(root.groups.name(first.steps.typedSet(1)->groupIndex()), "XLFO 1 Step 2");

    first.steps.removeSet(0);
    EXPECT_EQ(first.steps.activeCount(), 1);
    const int changes = static_cast<int>(root.changes.size());
    first.steps.removeSet(0); // at the minimum of one step
    EXPECT_EQ(first.steps.activeCount(), 1);
    EXPECT_EQ(static_cast<int>(root.changes.size()), changes);
}

TEST(ParameterSetTest, ActivityListenersFollowNumActive) {
    TestParameterRoot root;
    ParameterSetList<ThreeSet> filters(root, "Filters", {1, 4, 1});
    std::vector<Activatable> nodes(4);
    std::vector<Activatable*> pointers = {&nodes[0], &nodes[1], &nodes[2], &nodes[3]};
    std::vector<Activatable> others(4);
    std::vector<Activatable*> otherPointers = {&others[0], nullptr, &others[2], &others[3]};
    filters.addActivityListeners(pointers);
    filters.addActivityListeners(otherPointers);
    EXPECT_THROW(filters.addActivityListeners(std::vector<Activatable*>(3, &nodes[0])),
                 std::invalid_argument);

    filters.numActiveParameter().setValue(3.0f, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(nodes[static_cast<std::size_t>(i)].active, i < 3) << i;
        EXPECT_EQ(others[static_cast<std::size_t>(i)].active, i < 3 && i != 1) << i;
    }
    filters.numActiveParameter().notifyListeners(1.0f);
    EXPECT_TRUE(nodes[0].active);
    EXPECT_FALSE(nodes[1].active);
}

// Records the calls and, given the slot list, edits the slots as the matrix will: a slot's target is
// the index of its Target parameter (-1 none); sources are not modelled.
class FakeSlotEditor : public ISlotEditor {
public:
    explicit FakeSlotEditor(ParameterSetList<SlotSet>* slots = nullptr) : slots(slots) {}

    void slotsWithTarget(int target, std::vector<int>& found) const override {
        calls.push_back("find target " + std::to_string(target));
        if (!slots) return;
        for (int j = 0; j < slots->activeCount(); ++j)
            if (slots->typedSet(j)->target.typedValue() == target) found.push_back(j);
    }
    void slotsWithSource(int source, std::vector<int>& found) const override {
        calls.push_back("find source " + std::to_string(source));
        found.insert(found.end(), sourceMatches.begin(), sourceMatches.end());
    }
    void deleteSlot(int slot) override {
        calls.push_back("delete " + std::to_string(slot));
        if (slots)
            slots->removeSet(slot);
        else
            sourceMatches.pop_back();
    }
    void moveTargets(int begin, int end, int offset) override {
        calls.push_back("move targets " + std::to_string(begin) + ".." + std::to_string(end) + " by " +
                        std::to_string(offset));
        if (!slots) return;
        for (int j = 0; j < slots->activeCount(); ++j) {
            auto& target = slots->typedSet(j)->target;
            if (target.typedValue() >= begin && target.typedValue() < end)
                target.setValue(static_cast<float>(target.typedValue() + offset), 0);
        }
    }
    void moveSources(int begin, int end, int offset) override {
        calls.push_back("move sources " + std::to_string(begin) + ".." + std::to_string(end) + " by " +
                        std::to_string(offset));
    }
    const AbstractParameterSetList* slotList() const override { return slots; }

    ParameterSetList<SlotSet>* slots;
    std::vector<int> sourceMatches;
    mutable std::vector<std::string> calls;
};

TEST(ParameterSetTest, RemoveSetMovesTheFollowingSetsDown) {
    TestParameterRoot root;
    ParameterSetList<ThreeSet> filters(root, "Filters", {1, 4, 1});
    ParameterSetArray<ExtensionSet> extensions(root, 4, "Filter");
    filters.attachArray(extensions);
    filters.numActiveParameter().setValue(3.0f, 0);
    for (int i = 0; i < 4; ++i) {
        filters.typedSet(i)->peak.setValue(0.1f * static_cast<float>(i + 1), 0);
        filters.typedSet(i)->response.setValue(static_cast<float>(i % 3), 0);
        extensions.typedSet(i)->hold.setValue(0.2f * static_cast<float>(i + 1), 0);
    }
    root.changes.clear();
    root.groupsOpened = 0;

    filters.removeSet(1);
    EXPECT_EQ(filters.activeCount(), 2);
    EXPECT_FLOAT_EQ(filters.typedSet(0)->peak.value(), 0.1f);
    EXPECT_FLOAT_EQ(filters.typedSet(1)->peak.value(), 0.3f);
    EXPECT_EQ(filters.typedSet(1)->response.value(), 2.0f);
    EXPECT_FLOAT_EQ(extensions.typedSet(1)->hold.value(), 0.6f);
    // The set past the end is back to its defaults, the inactive one after it is untouched.
    EXPECT_EQ(filters.typedSet(2)->peak.value(), 0.0f);
    EXPECT_EQ(filters.typedSet(2)->response.value(), 0.0f);
    EXPECT_EQ(extensions.typedSet(2)->hold.value(), 0.0f);
    EXPECT_FLOAT_EQ(filters.typedSet(3)->peak.value(), 0.4f);
    // One change group around all of it, every change made inside the plug-in.
    EXPECT_EQ(root.groupsOpened, 1);
    EXPECT_EQ(root.groupDepth, 0);
    ASSERT_FALSE(root.changes.empty());
    for (const auto& change : root.changes) {
        EXPECT_EQ(change.groupDepth, 1);
        EXPECT_EQ(change.flags, 0);
    }

    // Ignored: outside the active sets, or at the minimum.
    root.groupsOpened = 0;
    filters.removeSet(2);
    filters.removeSet(-1);
    filters.removeSet(0);
    filters.removeSet(0);
    EXPECT_EQ(filters.activeCount(), 1);
    EXPECT_EQ(root.groupsOpened, 1);

    filters.resetToDefaults();
    EXPECT_EQ(filters.typedSet(3)->peak.value(), 0.0f);
    EXPECT_EQ(extensions.typedSet(0)->hold.value(), 0.0f);
}

TEST(ParameterSetTest, RemoveSetKeepsTheSlotsPointingAtTheSameSets) {
    TestParameterRoot root;
    // Like the XLFOs: targets 16 + 4k …, source 8 + k.
    SourceParameterSetList<ThreeSet> oscillators(root, "XLFOs", {0, 6, 0}, {16, 4}, {8, 1});
    FakeSlotEditor editor;
    oscillators.setSlotEditor(&editor);
    EXPECT_EQ(oscillators.targetNumber(2, 1), 25);
    EXPECT_EQ(oscillators.sourceNumber(2, 0), 10);
    oscillators.numActiveParameter().setValue(3.0f, 0);

    editor.sourceMatches = {2, 7}; // slots 2 and 7 use XLFO 2
    oscillators.removeSet(1);
    const std::vector<std::string> expected = {"find source 9",
                                               "delete 7",
                                               "find source 9",
                                               "delete 2",
                                               "find source 9",
                                               "find target 20",
                                               "find target 21",
                                               "find target 22",
                                               "find target 23",
                                               "move targets 24..28 by -4",
                                               "move sources 10..11 by -1"};
    EXPECT_EQ(editor.calls, expected);
    EXPECT_EQ(oscillators.activeCount(), 2);

    // Without an editor nothing but the list changes.
    ParameterSetList<ThreeSet> plain(root, "Plain", {0, 2, 2});
    plain.removeSet(0);
    EXPECT_EQ(plain.activeCount(), 1);
}

TEST(ParameterSetTest, RemovingASlotDeletesTheSlotsModulatingItsLevel) {
    TestParameterRoot root;
    TargetParameterSetList<SlotSet> slots(root, "Slots", {0, 6, 0}, {89, 1});
    FakeSlotEditor editor(&slots);
    slots.setSlotEditor(&editor);
    auto fill = [&](const std::vector<int>& targets) {
        slots.numActiveParameter().setValue(static_cast<float>(targets.size()), 0);
        for (std::size_t j = 0; j < targets.size(); ++j) {
            slots.typedSet(static_cast<int>(j))->target.setValue(static_cast<float>(targets[j]), 0);
            slots.typedSet(static_cast<int>(j))->level.setValue(0.1f * static_cast<float>(j + 1), 0);
        }
    };
    auto levels = [&] {
        std::vector<float> result;
        for (int j = 0; j < slots.activeCount(); ++j)
            result.push_back(slots.typedSet(j)->level.value());
        return result;
    };
    auto targets = [&] {
        std::vector<int> result;
        for (int j = 0; j < slots.activeCount(); ++j)
            result.push_back(slots.typedSet(j)->target.typedValue());
        return result;
    };

    // Slots B and E modulate D's level (target 89 + 3); removing D removes them too.
    fill({-1, 92, 5, 10, 92});
    slots.removeSet(3);
    EXPECT_EQ(levels(), (std::vector<float>{0.1f, 0.3f}));
    EXPECT_EQ(targets(), (std::vector<int>{-1, 5}));
    EXPECT_EQ(root.groupDepth, 0);

    // A slot modulating the level of the slot behind it follows it down.
    fill({-1, 93, 7, 4, 0});
    slots.removeSet(0);
    EXPECT_EQ(targets(), (std::vector<int>{92, 7, 4, 0}));

    // Connections to the levels of other slots stay with those slots.
    fill({91, 89, 5, 7});
    slots.removeSet(3);
    EXPECT_EQ(targets(), (std::vector<int>{91, 89, 5}));
    slots.removeSet(1);
    EXPECT_EQ(targets(), (std::vector<int>{90, 5}));

    // A slot modulating its own level is removed once, after the others modulating it.
    fill({5, 90, 6, 90});
    slots.removeSet(1);
    EXPECT_EQ(levels(), (std::vector<float>{0.1f, 0.3f}));
    EXPECT_EQ(targets(), (std::vector<int>{5, 6}));

    // Chains: removing slot 3 removes slot 1 (modulating it), which removes slot 0 (modulating slot 1);
    // slot 2's connection to the level of slot 4 moves with that slot.
    fill({90, 92, 93, 7, 8});
    slots.removeSet(3);
    EXPECT_EQ(targets(), (std::vector<int>{90, 8}));
    EXPECT_EQ(levels(), (std::vector<float>{0.3f, 0.5f}));
    EXPECT_EQ(root.groupDepth, 0);
}

TEST(ParameterSetTest, Collections) {
    TestParameterRoot root;
    ThreeSet set(root, 0);
    set.peak.addAlias("Filter 1 Resonance");
    PresetParameterCollection section;
    section.add(set.peak);
    section.add(set.freq);
    EXPECT_EQ(section.indexOfName("Filter 1 Freq"), 1);
    EXPECT_EQ(section.indexOfName("Filter 1 Resonance"), 0);
    EXPECT_EQ(section.indexOfName("Filter 1 Response"), -1);
    EXPECT_TRUE(section.addAlias(set.freq, "Cutoff"));
    EXPECT_FALSE(section.addAlias(set.response, "Mode"));
    EXPECT_EQ(section.indexOfName("Cutoff"), 1);
    EXPECT_EQ(section.indexOf(set.freq), 1);
    EXPECT_EQ(root.collection.indexOf(set.freq), 0);
    EXPECT_TRUE(section.signature().empty());

    EXPECT_EQ(root.collection.values(), (std::vector<float>{1.0f, 0.0f, 0.0f}));
    root.collection.setValues({0.5f, 0.25f});
    EXPECT_EQ(root.collection.values(), (std::vector<float>{0.5f, 0.25f, 0.0f}));
    root.collection.setValues({0.5f, 0.25f, 2.0f, 9.0f});
    EXPECT_EQ(root.collection.values(), (std::vector<float>{0.5f, 0.25f, 2.0f}));
}

} // namespace
