// What hosts and presets store: the ids, names and count of the product's parameters, their module paths,
// and the shape of the set lists (limits, set counts, modulation numbers, attached extensions).
#include "product/LumenorParameters.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Layout {
    parameter_test::TestParameterRoot root;
    LumenorParameters parameters{root};
};

struct IdName {
    int id;
    const char* name;
};

// Changing any row breaks every host project and preset that stores these parameters.
constexpr IdName kIdNames[] = {
    {0, "Input Gain"},
    {1, "Input Pan"},
    {2, "Output Gain"},
    {3, "Output Pan"},
    {4, "Mix"},
    {5, "Routing"},
    {6, "Routing Mode"},
    {7, "Num Active Filters"},
    {8, "Filter 1 Freq"},
    {9, "Filter 1 Pan"},
    {10, "Filter 1 Peak"},
    {11, "Filter 1 Characteristic"},
    {12, "Filter 1 Response"},
    {13, "Filter 1 Slope"},
    {14, "Filter 1 Delay"},
    {15, "Filter 1 Enabled"},
    {16, "Filter 1 Linked"},
    {17, "Filter 2 Freq"},
    {43, "Filter 4 Linked"},
    {44, "Num Active XLFOs"},
    {45, "XLFO 1 Frequency"},
    {46, "XLFO 1 Frequency Offset"},
    {47, "XLFO 1 Balance"},
    {48, "XLFO 1 Glide"},
    {49, "XLFO 1 Sync Mode"},
    {50, "XLFO 1 MIDI Trigger"},
    {51, "Num Active XLFO 1 Steps"},
    {52, "XLFO 1 Step 1 Value"},
    {53, "XLFO 1 Step 1 Glide"},
    {54, "XLFO 1 Step 1 Glide function"},
    {55, "XLFO 1 Step 1 Random"},
    {56, "XLFO 1 Step 2 Value"},
    {115, "XLFO 1 Step 16 Random"},
    {116, "XLFO 2 Frequency"},
    {470, "XLFO 6 Step 16 Random"},
    {471, "Num Active EGs"},
    {472, "EG 1 Threshold"},
    {473, "EG 1Triggering"},
    {474, "EG 1 Attack"},
    {475, "EG 1 Decay"},
    {476, "EG 1 Sustain"},
    {477, "EG 1 Release"},
    {507, "EG 6 Release"},
    {508, "Num Active EFs"},
    {509, "EF 1Input"},
    {510, "EF 1 Attack"},
    {511, "EF 1 Release"},
    {520, "EF 4 Release"},
    {521, "Num Active MIDI Sources"},
    {522, "MIDI Source 1 Input"},
    {523, "MIDI Source 1 Controller Number"},
    {541, "MIDI Source 10 Controller Number"},
    {542, "Receive MIDI"},
    {543, "Auto Mute Self-Osc"},
    {544, "Audition Signal"},
    {545, "Num Active Slots"},
    {546, "Slot 1 Source"},
    {547, "Slot 1 Level"},
    {548, "Slot 1 Bypassed"},
    {549, "Slot 1 Inverted"},
    {550, "Slot 1 Target"},
    {665, "Slot 24 Target"},
    {666, "Num Active XY Controllers"},
    {667, "XY Controller 1 Hor"},
    {668, "XY Controller 1 Ver"},
    {674, "XY Controller 4 Ver"},
    {675, "XLFO 1 Phase Offset"},
    {676, "XLFO 1 Snap"},
    {686, "XLFO 6 Snap"},
    {687, "EG 1 Hold"},
    {688, "EG 1 Delay"},
    {698, "EG 6 Delay"},
    {699, "MIDI Source 1 Response Curve"},
    {708, "MIDI Source 10 Response Curve"},
};

TEST(LumenorParametersStructureTest, IdsNamesAndCountAreFixed) {
    Layout layout;
    ASSERT_EQ(layout.root.parameterCount(), 709);
    EXPECT_EQ(LumenorParameters::kParameterCount, 709);
    for (const IdName& row : kIdNames) {
        const AbstractPluginParameter* parameter = layout.root.parameter(row.id);
        ASSERT_NE(parameter, nullptr) << row.id;
        EXPECT_EQ(parameter->name(), row.name) << "id " << row.id;
    }
    // Every id is its registration index, and presets find every parameter by its own name.
    std::set<std::string> names;
    for (int id = 0; id < layout.root.parameterCount(); ++id) {
        const AbstractPluginParameter& parameter = *layout.root.parameter(id);
        EXPECT_EQ(parameter.id(), id);
        EXPECT_TRUE(names.insert(parameter.name()).second) << "duplicate name " << parameter.name();
        EXPECT_EQ(layout.root.collection.indexOfName(parameter.name()), id);
        EXPECT_TRUE(parameter.isAutomatable());
    }
}

// How the model and the processor use the layout: as a base after their root-owner base.
class DerivedInstance : public parameter_test::TestParameterRoot, public LumenorParameters {
public:
    DerivedInstance() : LumenorParameters(static_cast<GenericParameterOwner&>(*this)) {}
};

TEST(LumenorParametersStructureTest, RootOwnerMayDeriveFromTheLayout) {
    DerivedInstance instance;
    ASSERT_EQ(instance.parameterCount(), LumenorParameters::kParameterCount);
    EXPECT_EQ(instance.parameter(0), &instance.inputGain);
    EXPECT_EQ(instance.parameter(708), &instance.midiSourceExtensions.typedSet(9)->responseCurve);
}

TEST(LumenorParametersStructureTest, ModulePathsAreTheSetNames) {
    Layout layout;
    const std::pair<int, const char*> paths[] = {
        {0, ""},
        {7, ""},
        {8, "Filter 1"},
        {43, "Filter 4"},
        {44, ""},
        {45, "XLFO 1"},
        {51, "XLFO 1"},
        {52, "XLFO 1 Step 1"},
        {470, "XLFO 6 Step 16"},
        {473, "EG 1"},
        {509, "EF 1"},
        {523, "MIDI Source 1"},
        {542, ""},
        {550, "Slot 1"},
        {667, "XY Controller 1"},
        {675, "XLFO 1"},
        {698, "EG 6"},
        {708, "MIDI Source 10"},
    };
    for (const auto& [id, path] : paths) {
        const AbstractPluginParameter& parameter = *layout.root.parameter(id);
        EXPECT_EQ(layout.root.groups.name(parameter.owner()->groupIndex()), path) << parameter.name();
    }
}

TEST(LumenorParametersStructureTest, ListsHaveTheirLimitsAndModulationNumbers) {
    Layout layout;
    LumenorParameters& p = layout.parameters;
    using Range = AbstractParameterSetList::ModulationRange;
    struct Row {
        AbstractParameterSetList& list;
        int numActiveId, minimum, maximum, defaultCount, setCount, parametersPerSet;
        Range targets, sources;
    };
    const Row rows[] = {
        {p.filters, 7, 1, 4, 1, 4, 9, {0, 4}, {-1, 0}},
        {p.xlfos, 44, 0, 6, 0, 6, 71, {16, 4}, {8, 1}},
        {p.egs, 471, 0, 6, 0, 6, 6, {40, 6}, {14, 1}},
        {p.efs, 508, 0, 4, 0, 4, 3, {76, 2}, {20, 1}},
        {p.midiSources, 521, 0, 10, 0, 10, 2, {-1, 0}, {24, 1}},
        {p.slots, 545, 0, 24, 0, 24, 5, {89, 1}, {-1, 0}},
        {p.xyControllers, 666, 0, 4, 0, 4, 2, {-1, 0}, {0, 2}},
        {p.xlfos.typedSet(5)->steps, 406, 1, 16, 2, 16, 4, {-1, 0}, {-1, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.list.listName());
        const auto& numActive = row.list.numActiveParameter();
        EXPECT_EQ(numActive.id(), row.numActiveId);
        EXPECT_EQ(numActive.minimumIndex(), row.minimum);
        EXPECT_EQ(numActive.maximumIndex(), row.maximum);
        EXPECT_EQ(numActive.defaultValue(), row.defaultCount);
        EXPECT_EQ(row.list.activeCount(), row.defaultCount);
        EXPECT_EQ(row.list.setCount(), row.setCount);
        EXPECT_EQ(row.list.set(0)->parameterCount(), row.parametersPerSet);
        EXPECT_EQ(row.list.set(0)->parameter(0)->id(), row.numActiveId + 1);
        EXPECT_EQ(row.list.targetRange().first, row.targets.first);
        EXPECT_EQ(row.list.targetRange().perSet, row.targets.perSet);
        EXPECT_EQ(row.list.sourceRange().first, row.sources.first);
        EXPECT_EQ(row.list.sourceRange().perSet, row.sources.perSet);
    }
}

TEST(LumenorParametersStructureTest, ExtensionsMoveWithTheirLists) {
    Layout layout;
    LumenorParameters& p = layout.parameters;
    ASSERT_EQ(p.xlfos.attachedArrays().size(), 1u);
    EXPECT_EQ(p.xlfos.attachedArrays()[0], &p.xlfoExtensions);
    ASSERT_EQ(p.egs.attachedArrays().size(), 1u);
    EXPECT_EQ(p.egs.attachedArrays()[0], &p.egExtensions);
    ASSERT_EQ(p.midiSources.attachedArrays().size(), 1u);
    EXPECT_EQ(p.midiSources.attachedArrays()[0], &p.midiSourceExtensions);
    EXPECT_EQ(p.xlfos.setIndexOfParameter(680), 2); // XLFO 3 Phase Offset
    EXPECT_EQ(p.egs.setIndexOfParameter(698), 5);   // EG 6 Delay

    // Removing XLFO 2 of 3 moves XLFO 3, steps and extension included, into its place.
    p.xlfos.numActiveParameter().setValue(3.0f, 0);
    XLFOParameterSet& third = *p.xlfos.typedSet(2);
    third.frequency.setValue(0.6f, 0);
    third.steps.numActiveParameter().setValue(5.0f, 0);
    third.steps.typedSet(4)->value.setValue(-0.25f, 0);
    p.xlfoExtensions.typedSet(2)->phaseOffset.setValue(0.75f, 0);
    p.xlfos.removeSet(1);

    EXPECT_EQ(p.xlfos.activeCount(), 2);
    const XLFOParameterSet& second = *p.xlfos.typedSet(1);
    EXPECT_FLOAT_EQ(second.frequency.value(), 0.6f);
    EXPECT_EQ(second.steps.activeCount(), 5);
    EXPECT_FLOAT_EQ(second.steps.typedSet(4)->value.value(), -0.25f);
    EXPECT_FLOAT_EQ(p.xlfoExtensions.typedSet(1)->phaseOffset.value(), 0.75f);
    EXPECT_EQ(third.steps.activeCount(), 2);
    EXPECT_FLOAT_EQ(third.frequency.value(), third.frequency.defaultValue());
    EXPECT_FLOAT_EQ(p.xlfoExtensions.typedSet(2)->phaseOffset.value(), 0.0f);
}

class RecordingSlotEditor : public ISlotEditor {
public:
    void slotsWithTarget(int, std::vector<int>&) const override {}
    void slotsWithSource(int, std::vector<int>&) const override {}
    void deleteSlot(int) override {}
    void moveTargets(int, int, int) override {}
    void moveSources(int, int, int) override {}
    const AbstractParameterSetList* slotList() const override { return nullptr; }
};

TEST(LumenorParametersStructureTest, SlotEditorReachesEveryModulationList) {
    Layout layout;
    LumenorParameters& p = layout.parameters;
    RecordingSlotEditor editor;
    p.setSlotEditor(&editor);
    for (const AbstractParameterSetList* list : std::initializer_list<const AbstractParameterSetList*>{
             &p.filters, &p.xlfos, &p.egs, &p.efs, &p.midiSources, &p.slots, &p.xyControllers})
        EXPECT_EQ(list->slotEditor(), &editor) << list->listName();
}

} // namespace
