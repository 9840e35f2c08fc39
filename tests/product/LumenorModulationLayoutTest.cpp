// The modulation side of the layout: target numbers of the target parameters, the Source and Target
// menus every slot offers (typed values, names, context groups), and handing base values to the matrix.
#include "product/LumenorParameters.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Layout {
    parameter_test::TestParameterRoot root;
    LumenorParameters parameters{root};
};

TEST(LumenorModulationLayoutTest, EveryTargetNumberHasOneParameter) {
    Layout layout;
    const LumenorParameters& p = layout.parameters;
    int targetParameters = 0;
    for (int id = 0; id < layout.root.parameterCount(); ++id)
        if (dynamic_cast<ModulationTargetParameter*>(layout.root.parameter(id))) ++targetParameters;
    EXPECT_EQ(targetParameters, LumenorParameters::kTargetCount);
    for (int number = 0; number < LumenorParameters::kTargetCount; ++number) {
        const ModulationTargetParameter* target = p.targetParameter(number);
        ASSERT_NE(target, nullptr) << number;
        EXPECT_EQ(target->targetNumber(), number);
    }
    EXPECT_EQ(p.slots.typedSet(0)->level.targetNumber(), LumenorParameters::kParameterTargetCount);
    EXPECT_EQ(p.targetParameter(-1), nullptr);
    EXPECT_EQ(p.targetParameter(LumenorParameters::kTargetCount), nullptr);

    const std::pair<int, int> numberToId[] = {
        {0, 8},    {1, 9},    {2, 10},   {3, 14},   {15, 41},  {16, 45},  {17, 46},  {18, 48},  {19, 675},
        {20, 116}, {39, 685}, {40, 474}, {42, 476}, {43, 477}, {44, 687}, {45, 688}, {75, 698}, {76, 510},
        {77, 511}, {83, 520}, {84, 0},   {85, 1},   {86, 2},   {87, 3},   {88, 4},   {89, 547}, {112, 662},
    };
    for (const auto& [number, id] : numberToId)
        EXPECT_EQ(p.targetParameter(number)->id(), id) << "target " << number;
}

// The slot menus in the order stored presets rely on: index -> target (source) number.
std::vector<int> expectedTargetMenu() {
    std::vector<int> numbers{-1};
    for (int t = 0; t < 16; ++t)
        numbers.push_back(t); // filters
    for (int k = 0; k < 6; ++k)
        for (int i = 0; i < 3; ++i)
            numbers.push_back(16 + 4 * k + i); // XLFO without phase offset
    for (int k = 0; k < 6; ++k)
        for (int i = 0; i < 4; ++i)
            numbers.push_back(40 + 6 * k + i); // EG without hold and delay
    for (int t = 76; t <= 112; ++t)
        numbers.push_back(t); // EFs, globals, slot levels
    for (int k = 0; k < 6; ++k)
        numbers.push_back(19 + 4 * k); // XLFO phase offsets
    for (int k = 0; k < 6; ++k)
        for (int i = 4; i < 6; ++i)
            numbers.push_back(40 + 6 * k + i); // EG hold and delay
    return numbers;
}

std::vector<int> expectedSourceMenu() {
    std::vector<int> numbers{-1};
    for (int s = 8; s <= 33; ++s)
        numbers.push_back(s); // XLFOs, EGs, EFs, MIDI sources
    for (int s = 0; s <= 7; ++s)
        numbers.push_back(s); // XY controllers
    return numbers;
}

TEST(LumenorModulationLayoutTest, SlotTargetMenu) {
    Layout layout;
    const LumenorParameters& p = layout.parameters;
    const std::vector<int> numbers = expectedTargetMenu();
    ASSERT_EQ(numbers.size(), LumenorParameters::kTargetCount + 1u);
    for (const ModulationSlotParameterSet* slot : {p.slots.typedSet(0), p.slots.typedSet(23)}) {
        const auto& target = slot->target;
        ASSERT_EQ(target.maximumIndex(), 113);
        ASSERT_EQ(target.optionNames()->size(), 114u);
        EXPECT_EQ(target.text(0), "< Target >");
        EXPECT_EQ(target.unitValueFromInternal(0), 0.0f);
        for (int index = 1; index < 114; ++index) {
            const int number = numbers[static_cast<std::size_t>(index)];
            EXPECT_EQ(target.unitValueFromInternal(static_cast<float>(index)), number + 1) << index;
            EXPECT_EQ(target.text(static_cast<float>(index)), p.targetParameter(number)->name()) << index;
            EXPECT_EQ(target.internalFromUnitValue(static_cast<float>(number + 1)), index);
        }
        EXPECT_EQ(target.indexForKey(0), 95);
        ASSERT_EQ(target.contextPairs().size(), 1u);
    }
    const auto& target = p.slots.typedSet(0)->target;
    EXPECT_EQ(target.text(1), "Filter 1 Freq");
    EXPECT_EQ(target.text(17), "XLFO 1 Frequency");
    EXPECT_EQ(target.text(35), "EG 1 Attack");
    EXPECT_EQ(target.text(59), "EF 1 Attack");
    EXPECT_EQ(target.text(67), "Input Gain");
    EXPECT_EQ(target.text(95), "Slot 24 Level");
    EXPECT_EQ(target.text(96), "XLFO 1 Phase Offset");
    EXPECT_EQ(target.text(113), "EG 6 Delay");

    // Key 0 addresses the first group (indices up to 95), any later key the extensions' group.
    EXPECT_FLOAT_EQ(target.normaliseInContext(95, 0), 1.0f);
    EXPECT_FLOAT_EQ(target.normaliseInContext(96, 0), 0.0f);
    EXPECT_FLOAT_EQ(target.normaliseInContext(96, 1), 1.0f / 18.0f);
    float index = 0.0f;
    EXPECT_TRUE(target.denormaliseInContext(1.0f, 1, index));
    EXPECT_EQ(index, 113.0f);
    EXPECT_FALSE(target.denormaliseInContext(0.0f, 1, index));
}

TEST(LumenorModulationLayoutTest, SlotSourceMenu) {
    Layout layout;
    const LumenorParameters& p = layout.parameters;
    const std::vector<int> numbers = expectedSourceMenu();
    ASSERT_EQ(numbers.size(), LumenorParameters::kSourceCount + 1u);
    const auto& source = p.slots.typedSet(7)->source;
    ASSERT_EQ(source.maximumIndex(), 34);
    ASSERT_EQ(source.optionNames()->size(), 35u);
    EXPECT_EQ(source.unitValueFromInternal(0), 0.0f);
    for (int index = 1; index <= 34; ++index)
        EXPECT_EQ(source.unitValueFromInternal(static_cast<float>(index)),
                  numbers[static_cast<std::size_t>(index)] + 1)
            << index;
    const std::pair<int, const char*> names[] = {
        {0, "< Source >"},
        {1, "XLFO 1"},
        {6, "XLFO 6"},
        {7, "EG 1"},
        {13, "EF 1"},
        {17, "MIDI Source 1"},
        {26, "MIDI Source 10"},
        {27, "XY Controller 1 Hor"},
        {28, "XY Controller 1 Ver"},
        {34, "XY Controller 4 Ver"},
    };
    for (const auto& [i, name] : names)
        EXPECT_EQ(source.text(static_cast<float>(i)), name);
    EXPECT_EQ(source.indexForKey(0), 26);
    EXPECT_FLOAT_EQ(source.normaliseInContext(26, 0), 1.0f);
    EXPECT_FLOAT_EQ(source.normaliseInContext(27, 1), 1.0f / 8.0f);
    // Presets store the index; the matrix reads source number + 1.
    float parsed = 0.0f;
    ASSERT_TRUE(source.parseText("EF 2", parsed));
    EXPECT_EQ(source.unitValueFromInternal(parsed), 22.0f);
}

class RecordingTargetOwner : public IModulationTargetOwner {
public:
    void setTargetBaseValue(int target, float unitValue) override { calls.emplace_back(target, unitValue); }
    std::vector<std::pair<int, float>> calls;
};

TEST(LumenorModulationLayoutTest, TargetsHandBaseValuesToTheirOwner) {
    Layout layout;
    LumenorParameters& p = layout.parameters;
    RecordingTargetOwner matrix;

    p.filters.typedSet(1)->freq.setValue(0.0f, 0);
    EXPECT_TRUE(matrix.calls.empty());

    p.setModulationTargetOwner(&matrix);
    p.filters.typedSet(1)->freq.setValue(1.0f, 0);
    p.mix.setValue(0.0f, 0);
    p.slots.typedSet(23)->level.setValue(1.0f, 0);
    p.xlfoExtensions.typedSet(5)->phaseOffset.setValue(0.25f, 0);
    ASSERT_EQ(matrix.calls.size(), 4u);
    EXPECT_EQ(matrix.calls[0].first, 4);
    EXPECT_FLOAT_EQ(matrix.calls[0].second, 16.2064f);
    EXPECT_EQ(matrix.calls[1].first, 88);
    EXPECT_FLOAT_EQ(matrix.calls[1].second, -1.0f);
    EXPECT_EQ(matrix.calls[2].first, 112);
    EXPECT_FLOAT_EQ(matrix.calls[2].second, 1.0f);
    EXPECT_EQ(matrix.calls[3].first, 39);
    EXPECT_FLOAT_EQ(matrix.calls[3].second, 0.25f);

    p.setModulationTargetOwner(nullptr);
    p.mix.setValue(50.0f, 0);
    EXPECT_EQ(matrix.calls.size(), 4u);
}

} // namespace
