// Ranges, defaults, texts, unit values and typed values of the product's parameters, and the text round
// trip of every parameter at its minimum, default and maximum.
#include "product/LumenorParameters.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

struct Layout {
    parameter_test::TestParameterRoot root;
    LumenorParameters parameters{root};

    AbstractPluginParameter& at(int id) { return *root.parameter(id); }
};

TEST(LumenorParameterValuesTest, RangesDefaultsAndSteppedFlags) {
    struct Row {
        int id;
        float minimum, maximum, defaultValue;
        bool stepped;
    };
    const Row rows[] = {
        {0, -36, 36, 0, false},     // Input Gain
        {1, -1, 1, 0, false},       // Input Pan
        {4, 0, 100, 100, false},    // Mix
        {5, 0, 7, 0, true},         // Routing
        {6, 0, 2, 0, true},         // Routing Mode
        {7, 1, 4, 1, true},         // Num Active Filters
        {8, 0, 1, 1, false},        // Filter 1 Freq
        {9, -3.5f, 3.5f, 0, false}, // Filter 1 Pan
        {11, 0, 10, 0, true},       // Filter 1 Characteristic
        {12, 0, 2, 0, true},        // Filter 1 Response
        {13, 1, 3, 1, true},        // Filter 1 Slope
        {14, 0, 1, 0, false},       // Filter 1 Delay
        {44, 0, 6, 0, true},        // Num Active XLFOs
        {46, -1, 1, 0, false},      // XLFO 1 Frequency Offset
        {47, 0, 1, 0.5f, false},    // XLFO 1 Balance
        {48, -1, 1, 0, false},      // XLFO 1 Glide
        {49, 0, 11, 0, true},       // XLFO 1 Sync Mode
        {51, 1, 16, 2, true},       // Num Active XLFO 1 Steps
        {52, -1, 1, 0, false},      // XLFO 1 Step 1 Value
        {54, 0, 3, 0, true},        // XLFO 1 Step 1 Glide function
        {472, 0, 1, 0.3f, false},   // EG 1 Threshold
        {473, 0, 2, 0, true},       // EG 1Triggering
        {476, 0, 1, 1, false},      // EG 1 Sustain
        {509, 0, 1, 0, true},       // EF 1Input
        {522, 0, 5, 0, true},       // MIDI Source 1 Input
        {523, 0, 127, 0, true},     // MIDI Source 1 Controller Number
        {542, 0, 1, 0, true},       // Receive MIDI
        {543, 0, 1, 1, true},       // Auto Mute Self-Osc
        {544, 0, 2, 0, true},       // Audition Signal
        {546, 0, 34, 0, true},      // Slot 1 Source
        {547, 0, 1, 0.5f, false},   // Slot 1 Level
        {549, 0, 1, 0, true},       // Slot 1 Inverted
        {550, 0, 113, 0, true},     // Slot 1 Target
        {667, -1, 1, 0, false},     // XY Controller 1 Hor
        {675, 0, 1, 0, false},      // XLFO 1 Phase Offset
        {676, 0, 1, 0, true},       // XLFO 1 Snap
        {688, 0, 1, 0, false},      // EG 1 Delay
        {699, 0, 5, 0, true},       // MIDI Source 1 Response Curve
    };
    Layout layout;
    for (const Row& row : rows) {
        const AbstractPluginParameter& parameter = layout.at(row.id);
        SCOPED_TRACE(parameter.name());
        EXPECT_EQ(parameter.minimum(), row.minimum);
        EXPECT_EQ(parameter.maximum(), row.maximum);
        EXPECT_FLOAT_EQ(parameter.defaultValue(), row.defaultValue);
        EXPECT_EQ(parameter.value(), parameter.defaultValue());
        EXPECT_EQ(parameter.isStepped(), row.stepped);
    }
    // The XLFO rate starts at 1 Hz.
    EXPECT_NEAR(layout.at(45).defaultValue(), 0.2480039f, 1e-6f);
}

TEST(LumenorParameterValuesTest, TextsAndOptionNames) {
    struct Row {
        int id;
        float internal;
        const char* text;
    };
    const Row rows[] = {
        {0, 0, "0.00 dB"},       {0, 36, "+36.00 dB"},  {0, -12.5f, "-12.50 dB"},
        {4, 100, "100%"},        {4, 0, "0.00%"},       {5, 7, "7"},
        {6, 2, "Mid/Side"},      {8, 1, "75616 Hz"},    {8, 0, "4.812 Hz"},
        {8, 0.5f, "603.20 Hz"},  {9, 3.5f, "1.000"},    {9, -1.75f, "-0.500"},
        {11, 0, "Quorvane One"}, {11, 9, "Easy Going"}, {11, 10, "Clean"},
        {12, 2, "BP"},           {13, 1, "12"},         {13, 3, "48"},
        {14, 0.5f, "8.000 ms"},  {14, 1, "50.00 ms"},   {15, 1, "Enabled"},
        {16, 0, "Unlinked"},     {45, 0, "0.020 Hz"},   {45, 0.8f, "50.018 Hz"},
        {45, 1, "500.00 Hz"},    {46, 1, "2.000"},      {46, -1, "0.500"},
        {49, 0, "Free"},         {49, 6, "1/2"},        {49, 11, "1/64"},
        {50, 1, "On"},           {51, 16, "16"},        {54, 3, "Sine"},
        {55, 1, "Random"},       {472, 0.3f, "0.072"},  {473, 0, "Normal Input"},
        {473, 2, "MIDI"},        {474, 1, "3.000 sec"}, {475, 0.5f, "500.0 ms"},
        {476, 1, "0.00 dB"},     {476, 0, "-INF dB"},   {476, 0.5f, "-6.02 dB"},
        {509, 1, "Side Chain"},  {510, 0, "1.000 ms"},  {511, 0, "50.00 ms"},
        {511, 1, "5.000 sec"},   {522, 4, "KB Track"},  {523, 74, "74"},
        {542, 1, "Disabled"},    {543, 1, "On"},        {544, 2, "Side Chain"},
        {547, 0.5f, "0.160"},    {548, 1, "Bypassed"},  {549, 1, "Inverted"},
        {676, 0, "No Snap"},     {676, 1, "Snap"},      {687, 1, "19.00 sec"},
        {699, 1, "Exp"},         {708, 5, "Sine"},
    };
    Layout layout;
    for (const Row& row : rows) {
        const AbstractPluginParameter& parameter = layout.at(row.id);
        EXPECT_EQ(parameter.text(row.internal), row.text) << parameter.name() << " at " << row.internal;
    }
    EXPECT_EQ(layout.at(45).text(layout.at(45).defaultValue()), "1.000 Hz");
}

TEST(LumenorParameterValuesTest, UnitValuesHandedToProcessing) {
    struct Row {
        int id;
        float internal, unitValue;
    };
    const Row rows[] = {
        {0, 0, 1},               // Input Gain: linear gain
        {0, 36, 63.095734f},     //
        {2, -36, 0.015848933f},  // Output Gain
        {4, 100, 1},             // Mix: all wet
        {4, 0, -1},              // all dry
        {4, 50, 0},              //
        {8, 0, 2.2666f},         // Filter 1 Freq: log2 Hz
        {8, 1, 16.2064f},        //
        {9, 3.5f, 3.5f},         // Filter 1 Pan: octaves
        {14, 1, 50},             // Filter 1 Delay: ms
        {14, 0.5f, 8},           //
        {45, 1, 500},            // XLFO 1 Frequency: Hz
        {45, 0.8f, 50.018f},     //
        {46, 1, 2},              // XLFO 1 Frequency Offset: factor
        {46, -1, 0.5f},          //
        {472, 0.5f, 0.16f},      // EG 1 Threshold: level curve
        {474, 0.5f, 0.3f},       // EG 1 Attack: s
        {476, 0.5f, 0.5f},       // EG 1 Sustain: linear level
        {510, 0, 0.001f},        // EF 1 Attack: s
        {511, 0, 0.05f},         // EF 1 Release: s
        {547, 0.5f, 0.16f},      // Slot 1 Level: level curve
        {687, 0.5f, 19 * 0.16f}, // EG 1 Hold: s
        {688, 1, 5},             // EG 1 Delay: s
    };
    Layout layout;
    for (const Row& row : rows) {
        const AbstractPluginParameter& parameter = layout.at(row.id);
        EXPECT_NEAR(parameter.unitValueFromInternal(row.internal), row.unitValue,
                    1e-5f * std::max(1.0f, std::fabs(row.unitValue)))
            << parameter.name() << " at " << row.internal;
    }
    EXPECT_NEAR(layout.at(45).unitValueFromInternal(layout.at(45).defaultValue()), 1.0f, 1e-5f);
}

TEST(LumenorParameterValuesTest, ChoicesCarryTheirEnumerations) {
    Layout layout;
    LumenorParameters& p = layout.parameters;
    const FilterParameterSet& filter = *p.filters.typedSet(0);
    EXPECT_EQ(filter.characteristic.typedValueAt(10), FilterCharacteristic::Clean);
    EXPECT_EQ(filter.response.typedValueAt(1), GenericFilter::Response::HighPass);
    EXPECT_EQ(filter.slope.typedValueAt(1), GenericFilter::Slope::Db12);
    EXPECT_EQ(filter.slope.typedValueAt(3), GenericFilter::Slope::Db48);
    EXPECT_EQ(p.routingMode.typedValueAt(1), RoutingMode::PerChannel);
    EXPECT_EQ(p.receiveMidi.typedValueAt(1), GenericPluginBase::MidiState::Disabled);
    EXPECT_EQ(p.auditionSignal.typedValueAt(2), AuditionSignal::SideChain);
    EXPECT_TRUE(p.autoMuteSelfOsc.defaultTypedValue());
    EXPECT_EQ(p.egs.typedSet(0)->triggering.typedValueAt(2), Triggering::Midi);
    EXPECT_EQ(p.xlfos.typedSet(0)->syncMode.typedValueAt(11), XLFOFreqController::SyncMode::SixtyFourth);
    EXPECT_EQ(p.xlfos.typedSet(0)->steps.typedSet(0)->glideFunction.typedValueAt(3), XLFO::GlideCurve::Sine);
    EXPECT_EQ(p.midiSources.typedSet(0)->input.typedValueAt(5), MidiModSource::MidiInput::Controller);
    EXPECT_EQ(p.midiSourceExtensions.typedSet(0)->responseCurve.typedValueAt(4),
              MidiModSource::ResponseCurve::Sqrt);
}

TEST(LumenorParameterValuesTest, MidiSourceNamesFollowItsInput) {
    Layout layout;
    MidiSourceParameterSet& source = *layout.parameters.midiSources.typedSet(2);
    EXPECT_EQ(source.shortLabel(), "MS 3");
    EXPECT_EQ(source.displayName(), "Mod Wheel (MS 3)");
    source.input.setValue(2.0f, 0);
    EXPECT_EQ(source.displayName(), "Velocity (MS 3)");
    source.input.setValue(5.0f, 0);
    source.controllerNumber.setValue(74.0f, 0);
    EXPECT_EQ(source.displayName(), "74 (MS 3)");
}

// What hosts check right after creating an instance.
TEST(LumenorParameterValuesTest, EveryParameterStartsAtItsDefaultWithinWholeStepBounds) {
    Layout layout;
    for (int id = 0; id < layout.root.parameterCount(); ++id) {
        const AbstractPluginParameter& parameter = layout.at(id);
        EXPECT_EQ(parameter.value(), parameter.defaultValue()) << parameter.name();
        EXPECT_LE(parameter.minimum(), parameter.defaultValue()) << parameter.name();
        EXPECT_LE(parameter.defaultValue(), parameter.maximum()) << parameter.name();
        EXPECT_LT(parameter.minimum(), parameter.maximum()) << parameter.name();
        if (parameter.isStepped()) {
            EXPECT_EQ(parameter.minimum(), std::floor(parameter.minimum())) << parameter.name();
            EXPECT_EQ(parameter.maximum(), std::floor(parameter.maximum())) << parameter.name();
            EXPECT_EQ(parameter.defaultValue(), std::floor(parameter.defaultValue())) << parameter.name();
        }
    }
}

std::uint32_t bitsOf(float x) {
    return std::bit_cast<std::uint32_t>(x);
}

// What a host does with a value it shows and the user retypes: the text read back shows the same text
// again, and reading that again lands on exactly the same value. Minimum, default, maximum and two values
// between.
TEST(LumenorParameterValuesTest, EveryTextReadsBack) {
    Layout layout;
    for (int id = 0; id < layout.root.parameterCount(); ++id) {
        const AbstractPluginParameter& parameter = layout.at(id);
        for (const float value : {parameter.minimum(), parameter.defaultValue(), parameter.maximum(),
                                  parameter.denormalise(0.3f), parameter.denormalise(0.77f)}) {
            const std::string text = parameter.text(value);
            float first = 0.0f;
            ASSERT_TRUE(parameter.parseText(text, first)) << parameter.name() << ": \"" << text << "\"";
            const std::string again = parameter.text(first);
            EXPECT_EQ(again, text) << parameter.name() << " at " << value;
            float second = 0.0f;
            ASSERT_TRUE(parameter.parseText(again, second)) << parameter.name() << ": \"" << again << "\"";
            EXPECT_EQ(bitsOf(second), bitsOf(first)) << parameter.name() << ": \"" << again << "\"";
            EXPECT_GE(first, parameter.minimum()) << parameter.name();
            EXPECT_LE(first, parameter.maximum()) << parameter.name();
        }
    }
}

} // namespace
