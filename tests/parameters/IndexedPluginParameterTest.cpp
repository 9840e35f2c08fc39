// Choice parameters: index rounding, value tables, typed values, context groups, texts and parsing.
#include "parameters/IndexedPluginParameter.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

using namespace parameter_test;

namespace {

enum class Response : int { LowPass = 0, HighPass = 1, BandPass = 2 };

template <typename T> struct TypedLog : IParameterValueListener<T> {
    void parameterValueChanged(T unitValue, AbstractPluginParameter&) override {
        values.push_back(unitValue);
    }
    std::vector<T> values;
};

TEST(IndexedPluginParameterTest, DenormaliseRoundsHalfUp) {
    IndexedPluginParameter<int> p(nullptr, "P");
    p.setRange(0, 2, 0);
    const std::pair<float, float> cases[] = {{0.25f, 1}, {0.2f, 0},  {0.0f, 0},  {1.0f, 2},
                                             {0.74f, 1}, {0.75f, 2}, {-3.0f, 0}, {7.0f, 2}};
    for (auto [normalised, index] : cases)
        EXPECT_EQ(p.denormalise(normalised), index) << normalised;
    EXPECT_TRUE(std::isnan(p.denormalise(NAN)));
    EXPECT_FLOAT_EQ(p.normalise(1.0f), 0.5f);
    EXPECT_EQ(p.kind(), AbstractPluginParameter::Kind::Choice);

    IndexedPluginParameter<int> single(nullptr, "Single");
    single.setRange(3, 3, 3);
    EXPECT_EQ(single.normalise(3.0f), 0.0f);
    EXPECT_EQ(single.denormalise(0.9f), 3.0f);
}

TEST(IndexedPluginParameterTest, ValueTableMapsBothWays) {
    IndexedPluginParameter<int> slope(nullptr, "Slope");
    slope.setValueTable({12, 24, 48}, 0);
    slope.setRange(0, 2, 0);
    EXPECT_EQ(slope.internalFromUnitValue(24.0f), 1.0f);
    EXPECT_EQ(slope.internalFromUnitValue(36.0f), 0.0f); // not in the table: the index offset
    EXPECT_EQ(slope.unitValueFromInternal(2.0f), 48.0f);
    EXPECT_EQ(slope.unitValueFromInternal(9.0f), 48.0f);
    EXPECT_TRUE(std::isnan(slope.internalFromUnitValue(NAN)));

    IndexedPluginParameter<int> offset(nullptr, "Offset");
    offset.setValueTable({12, 24, 48}, 1);
    offset.setRange(1, 3, 2);
    EXPECT_EQ(offset.internalFromUnitValue(24.0f), 2.0f);
    EXPECT_EQ(offset.internalFromUnitValue(36.0f), 1.0f);
    EXPECT_EQ(offset.unitValueFromInternal(1.0f), 12.0f);
    EXPECT_EQ(offset.typedValue(), 24);
    EXPECT_EQ(offset.defaultValue(), 2.0f);
}

TEST(IndexedPluginParameterTest, SettingTheTableKeepsDefaultAndCurrentIndex) {
    IndexedPluginParameter<int> source(nullptr, "Slot 1 Source");
    source.setRange(0, 4, 2);
    source.setValue(3.0f, 0);
    source.setValueTable({0, 9, 10, 1, 2}, 0);
    EXPECT_EQ(source.value(), 3.0f);
    EXPECT_EQ(source.typedValue(), 1);
    EXPECT_EQ(source.defaultValue(), 2.0f);
    EXPECT_EQ(source.defaultTypedValue(), 10);
}

TEST(IndexedPluginParameterTest, SetValueTruncatesClampsAndReportsTheIndex) {
    TestParameterRoot root;
    IndexedPluginParameter<Response> response(&root, "Response");
    response.setRange(0, 2, 0);
    TypedLog<Response> log;
    response.addValueListener(log);
    struct Step {
        float set;
        int index;
        bool reported;
    };
    const Step steps[] = {{1.7f, 1, true},  {1.2f, 1, false},   {NAN, 1, false}, {INFINITY, 2, true},
                          {-0.5f, 0, true}, {-1e30f, 0, false}, {5.0f, 2, true}};
    for (const Step& step : steps) {
        root.changes.clear();
        response.setValue(step.set, 1);
        EXPECT_EQ(response.value(), static_cast<float>(step.index)) << step.set;
        ASSERT_EQ(root.changes.size(), step.reported ? 1u : 0u) << step.set;
        if (step.reported) {
            EXPECT_EQ(root.changes[0].value, static_cast<float>(step.index));
            EXPECT_EQ(root.changes[0].flags, 1);
        }
    }
    EXPECT_EQ(response.typedValue(), Response::BandPass);
    const std::vector<Response> expected = {Response::HighPass, Response::BandPass, Response::LowPass,
                                            Response::BandPass};
    EXPECT_EQ(log.values, expected);
}

TEST(IndexedPluginParameterTest, BoolIsTrueForEveryNonZeroIndex) {
    TestParameterRoot root;
    IndexedPluginParameter<bool> flag(&root, "Auto Mute Self-Osc");
    flag.setRange(0, 1, 1);
    flag.setOptionNames(makeOptionNames("Off,On"));
    EXPECT_TRUE(flag.typedValue());
    EXPECT_EQ(flag.value(), 1.0f);
    TypedLog<bool> log;
    flag.addValueListener(log);
    flag.setValue(0.0f, 0);
    flag.setValue(1.0f, 0);
    EXPECT_EQ(log.values, (std::vector<bool>{false, true}));
    EXPECT_EQ(flag.text(0.0f), "Off");

    IndexedPluginParameter<bool> wide(nullptr, "Wide");
    wide.setRange(0, 3, 0);
    EXPECT_TRUE(wide.typedValueAt(2));
    EXPECT_FALSE(wide.typedValueAt(0));
}

TEST(IndexedPluginParameterTest, ContextGroups) {
    // The slots' source menu: index 0 none, 1..26 the first group, 27..34 the second (key 1).
    IndexedPluginParameter<int> source(nullptr, "Slot 1 Source");
    source.setRange(0, 34, 0);
    source.setContextPairs({{26, 0}});
    struct Normalise {
        float index;
        int context;
        float expected;
    };
    const Normalise normalised[] = {{26, 0, 1.0f},     {1, 0, 1.0f / 26}, {0, 0, 0.0f},  {27, 0, 0.0f},
                                    {27, 1, 1.0f / 8}, {34, 1, 1.0f},     {26, 1, 0.0f}, {34, 7, 1.0f}};
    for (const Normalise& c : normalised)
        EXPECT_FLOAT_EQ(source.normaliseInContext(c.index, c.context), c.expected)
            << c.index << "/" << c.context;

    struct Denormalise {
        float normalised;
        int context;
        float index;
        bool ok;
    };
    const Denormalise denormalised[] = {{0.0f, 0, 0, true},   {1.0f, 0, 26, true},   {0.5f, 0, 13, true},
                                        {0.0f, 1, 26, false}, {0.05f, 1, 26, false}, {0.125f, 1, 27, true},
                                        {1.0f, 1, 34, true},  {2.0f, 1, 34, true}};
    for (const Denormalise& c : denormalised) {
        float index = -1.0f;
        EXPECT_EQ(source.denormaliseInContext(c.normalised, c.context, index), c.ok) << c.normalised;
        EXPECT_EQ(index, c.index) << c.normalised << "/" << c.context;
    }
    EXPECT_EQ(source.indexForKey(0), 26);
    EXPECT_EQ(source.indexForKey(1), -1);

    IndexedPluginParameter<int> plain(nullptr, "Plain");
    plain.setRange(0, 4, 0);
    float index = 0.0f;
    EXPECT_TRUE(plain.denormaliseInContext(0.5f, 1, index));
    EXPECT_EQ(index, 2.0f);
    EXPECT_EQ(plain.normaliseInContext(2.0f, 1), 0.5f);
    EXPECT_EQ(plain.indexForKey(0), -1);
}

TEST(IndexedPluginParameterTest, TextsAndParsing) {
    IndexedPluginParameter<int> slope(nullptr, "Filter 1 Slope");
    slope.setRange(1, 3, 1);
    slope.setOptionNames(makeOptionNames("12,24,48"));
    IndexedPluginParameter<int> mode(nullptr, "Routing Mode");
    mode.setRange(0, 2, 0);
    mode.setOptionNames(makeOptionNames("Stereo,Per Channel,Mid/Side"));
    IndexedPluginParameter<int> routing(nullptr, "Routing");
    routing.setRange(0, 7, 0);
    IndexedPluginParameter<int> table(nullptr, "Table");
    table.setValueTable({12, 24, 48}, 0);
    table.setRange(0, 2, 0);

    EXPECT_EQ(slope.text(1.0f), "12");
    EXPECT_EQ(slope.text(3.0f), "48");
    EXPECT_EQ(mode.text(1.0f), "Per Channel");
    EXPECT_EQ(mode.text(9.0f), "Mid/Side");
    EXPECT_EQ(routing.text(5.0f), "5");
    EXPECT_EQ(table.text(1.0f), "24");
    EXPECT_TRUE(mode.hasOptionNames());
    EXPECT_FALSE(mode.isNumeric());
    EXPECT_TRUE(routing.isNumeric());

    struct Parse {
        const IndexedPluginParameter<int>* parameter;
        const char* text;
        bool ok;
        float value; // the current value (0, or 1 for slope) when not ok
    };
    const Parse cases[] = {
        {&slope, "24", true, 2},       {&slope, "2", true, 2},          {&slope, "0", false, 1},
        {&mode, "Mid/Side", true, 2},  {&mode, "per channel", true, 1}, {&mode, "1", true, 1},
        {&mode, "Surround", false, 0}, {&mode, "3", false, 0},          {&routing, " 7", true, 7},
        {&routing, "8", false, 0},     {&routing, "-1", false, 0},      {&table, "48", true, 2},
        {&table, "36", true, 0},       {&table, "x", false, 0},
    };
    for (const Parse& c : cases) {
        float value = -1.0f;
        EXPECT_EQ(c.parameter->parseText(c.text, value), c.ok) << c.parameter->name() << ": " << c.text;
        EXPECT_EQ(value, c.value) << c.parameter->name() << ": " << c.text;
    }
}

TEST(IndexedPluginParameterTest, ShortTextsAbbreviateOptionNames) {
    IndexedPluginParameter<int> triggering(nullptr, "EG 1Triggering");
    triggering.setRange(0, 2, 0);
    triggering.setOptionNames(makeOptionNames("Normal Input,Side Chain,MIDI"));
    EXPECT_EQ(triggering.shortText(0.0f, 5), "NInpt");
    EXPECT_EQ(triggering.shortText(1.0f, 5), "SC");
    EXPECT_EQ(triggering.shortText(2.0f, 5), "MIDI");
    IndexedPluginParameter<int> number(nullptr, "Controller Number");
    number.setRange(0, 127, 0);
    EXPECT_EQ(number.shortText(127.0f, 2), "12");
}

TEST(IndexedPluginParameterTest, RangeSetUpRejectsADefaultOutside) {
    IndexedPluginParameter<int> p(nullptr, "P");
    EXPECT_THROW(p.setRange(1, 3, 0), std::invalid_argument);
    EXPECT_THROW(p.setRange(3, 1, 2), std::invalid_argument);
}

} // namespace
