// The continuous parameter: registration, the display chain, the change test, listeners, the
// modulation base value and relative scaling.
#include "parameters/FloatPluginParameter.h"
#include "parameters/FrequencyUnits.h"
#include "parameters/ModulationTargetParameterBase.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

using namespace parameter_test;

namespace {

struct RecordingListener : IParameterValueListener<float> {
    explicit RecordingListener(std::vector<std::pair<int, float>>* log, int tag = 0) : log(log), tag(tag) {}
    void parameterValueChanged(float unitValue, AbstractPluginParameter& parameter) override {
        log->push_back({tag * 1000 + parameter.id(), unitValue});
    }
    std::vector<std::pair<int, float>>* log;
    int tag;
};

struct RecordingTargetOwner : IModulationTargetOwner {
    void setTargetBaseValue(int target, float unitValue) override { calls.push_back({target, unitValue}); }
    std::vector<std::pair<int, float>> calls;
};

void configureFilterFreq(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 1.0f);
    p.setDisplayRange(2.2666f, 16.2064f);
    p.setUnit(ExpFreqParameterUnit::instance());
}

TEST(FloatPluginParameterTest, IdsAreTheRegistrationOrder) {
    TestParameterRoot root;
    FloatPluginParameter first(&root, "First");
    FloatPluginParameter second(&root, "Second");
    FloatPluginParameter loose(nullptr, "Loose");
    FloatPluginParameter third(&root, "Third");
    EXPECT_EQ(first.id(), 0);
    EXPECT_EQ(second.id(), 1);
    EXPECT_EQ(third.id(), 2);
    EXPECT_EQ(loose.id(), -1);
    EXPECT_EQ(root.parameter(2), &third);
    EXPECT_EQ(root.collection.indexOfName("Second"), 1);
    EXPECT_EQ(first.kind(), AbstractPluginParameter::Kind::Continuous);
    EXPECT_FALSE(first.isStepped());
    EXPECT_TRUE(first.isAutomatable());
}

TEST(FloatPluginParameterTest, SetValueClampsAndIgnoresNaNAndTinyChanges) {
    TestParameterRoot root;
    FloatPluginParameter gain(&root, "Gain");
    gain.setRange(-36.0f, 36.0f, 0.0f);
    struct Step {
        float set;
        float expectedValue;
        bool reported;
    };
    const Step steps[] = {
        {1e-8f, 0.0f, false},      {12.0f, 12.0f, true},    {12.0f + 1e-7f, 12.0f, false},
        {NAN, 12.0f, false},       {100.0f, 36.0f, true},   {INFINITY, 36.0f, false},
        {-INFINITY, -36.0f, true}, {-37.0f, -36.0f, false}, {-35.0f, -35.0f, true},
    };
    for (const Step& step : steps) {
        root.changes.clear();
        gain.setValue(step.set, 5);
        EXPECT_EQ(gain.value(), step.expectedValue) << step.set;
        ASSERT_EQ(root.changes.size(), step.reported ? 1u : 0u) << step.set;
        if (step.reported) {
            EXPECT_EQ(root.changes[0].id, gain.id());
            EXPECT_EQ(root.changes[0].value, step.expectedValue);
            EXPECT_EQ(root.changes[0].flags, 5);
        }
    }
    FloatPluginParameter loose(nullptr, "Loose");
    loose.setValue(0.5f, 0);
    EXPECT_EQ(loose.value(), 0.5f);
}

TEST(FloatPluginParameterTest, RangeSetUpRejectsNonsense) {
    FloatPluginParameter p(nullptr, "P");
    EXPECT_THROW(p.setRange(1.0f, 1.0f, 1.0f), std::invalid_argument);
    EXPECT_THROW(p.setRange(2.0f, 1.0f, 1.5f), std::invalid_argument);
    EXPECT_THROW(p.setRange(0.0f, 1.0f, 2.0f), std::invalid_argument);
    EXPECT_THROW(p.setRange(NAN, 1.0f, 0.5f), std::invalid_argument);
    EXPECT_THROW(p.setDisplayRange(3.0f, 3.0f), std::invalid_argument);
    p.setRange(-1.0f, 3.0f, 2.0f);
    EXPECT_EQ(p.value(), 2.0f);
    EXPECT_EQ(p.defaultValue(), 2.0f);
}

TEST(FloatPluginParameterTest, DisplayChainAndItsInverse) {
    auto freq = makeParameter(configureFilterFreq);
    EXPECT_FLOAT_EQ(freq->unitScale, 13.9398f);
    EXPECT_FLOAT_EQ(freq->unitOffset, 2.2666f);
    EXPECT_NEAR(freq->displayFromInternal(1.0f), 75616.0f, 1.0f);
    EXPECT_NEAR(freq->displayFromInternal(0.0f), 4.812f, 0.001f);
    EXPECT_NEAR(freq->displayFromInternal(0.5f), 603.0f, 0.5f);
    EXPECT_FLOAT_EQ(freq->unitValueFromInternal(0.5f), 2.2666f + 0.5f * 13.9398f);
    for (float x : {0.0f, 0.1f, 0.37f, 0.5f, 0.93f, 1.0f}) {
        EXPECT_NEAR(freq->internalFromDisplay(freq->displayFromInternal(x)), x, 1e-6f) << x;
        EXPECT_NEAR(freq->internalFromUnitValue(freq->unitValueFromInternal(x)), x, 1e-6f) << x;
    }

    // Both linear stages and both function stages together.
    FloatPluginParameter p(nullptr, "P");
    p.setRange(0.0f, 4.0f, 0.0f);
    p.unitFromInternal = &exp2Of;
    p.internalFromUnit = &log2Of;
    p.unitScale = 2.0f;
    p.unitOffset = 1.0f;
    p.displayScale = 3.0f;
    p.displayOffset = -1.0f;
    p.displayFromLinear = &exp2Of;
    p.linearFromDisplay = &log2Of;
    const float u = std::exp2(1.5f) * 2.0f + 1.0f;
    EXPECT_FLOAT_EQ(p.unitValueFromInternal(1.5f), u);
    EXPECT_FLOAT_EQ(p.displayFromInternal(1.5f), std::exp2(u * 3.0f - 1.0f));
    EXPECT_NEAR(p.internalFromDisplay(p.displayFromInternal(1.5f)), 1.5f, 1e-5f);
}

TEST(FloatPluginParameterTest, DisplayRangeRefersToTheRangeSource) {
    FloatPluginParameter source(nullptr, "Source");
    source.setRange(-1.0f, 1.0f, 0.0f);
    FloatPluginParameter p(nullptr, "P");
    p.setRange(0.0f, 10.0f, 0.0f);
    p.setRangeSource(&source);
    p.displayScale = 7.0f;
    p.setDisplayRange(0.0f, 100.0f);
    EXPECT_FLOAT_EQ(p.unitValueFromInternal(-1.0f), 0.0f);
    EXPECT_FLOAT_EQ(p.unitValueFromInternal(1.0f), 100.0f);
    EXPECT_EQ(p.displayScale, 1.0f);
}

TEST(FloatPluginParameterTest, NormaliseAndDenormalise) {
    FloatPluginParameter p(nullptr, "P");
    p.setRange(-36.0f, 36.0f, 0.0f);
    EXPECT_FLOAT_EQ(p.normalise(0.0f), 0.5f);
    EXPECT_FLOAT_EQ(p.normalise(-36.0f), 0.0f);
    EXPECT_FLOAT_EQ(p.denormalise(0.25f), -18.0f);
    EXPECT_FLOAT_EQ(p.normaliseInContext(36.0f, 3), 1.0f);
    float value = 0.0f;
    EXPECT_TRUE(p.denormaliseInContext(1.0f, 3, value));
    EXPECT_FLOAT_EQ(value, 36.0f);
}

TEST(FloatPluginParameterTest, ListenersGetTheUnitValueInRegistrationOrder) {
    TestParameterRoot root;
    FloatPluginParameter mix(&root, "Mix");
    mix.setRange(0.0f, 100.0f, 100.0f);
    mix.setDisplayRange(-1.0f, 1.0f);
    std::vector<std::pair<int, float>> log;
    RecordingListener a(&log, 1), b(&log, 2), c(&log, 3);
    mix.addValueListener(a);
    mix.addValueListener(b);
    mix.addValueListener(c);
    EXPECT_TRUE(mix.removeValueListener(c));
    EXPECT_FALSE(mix.removeValueListener(c));
    mix.setValue(25.0f, 0);
    const std::vector<std::pair<int, float>> expected = {{1000, -0.5f}, {2000, -0.5f}};
    EXPECT_EQ(log, expected);

    log.clear();
    mix.notifyListeners(NAN);
    EXPECT_TRUE(log.empty());
    mix.notifyListeners(1000.0f); // clamped before it reaches the signal path
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].second, 1.0f);
}

TEST(FloatPluginParameterTest, ModulationTargetHandsTheBaseValueOnAfterTheListeners) {
    TestParameterRoot root;
    RecordingTargetOwner matrix;
    ModulationTargetParameter freq(&root, "Filter 1 Freq");
    configureFilterFreq(freq);
    freq.setModulationTarget(&matrix, 4);
    std::vector<std::pair<int, float>> log;
    RecordingListener listener(&log);
    freq.addValueListener(listener);

    freq.setValue(0.5f, 1);
    ASSERT_EQ(log.size(), 1u);
    ASSERT_EQ(matrix.calls.size(), 1u);
    EXPECT_EQ(matrix.calls[0].first, 4);
    EXPECT_FLOAT_EQ(matrix.calls[0].second, 2.2666f + 0.5f * 13.9398f);
    EXPECT_EQ(matrix.calls[0].second, freq.modulationBaseValue(0.5f));

    freq.notifyListeners(NAN);
    freq.notifyListeners(-5.0f);
    ASSERT_EQ(matrix.calls.size(), 2u);
    EXPECT_FLOAT_EQ(matrix.calls[1].second, 2.2666f);

    ModulationTargetParameter modelCopy(&root, "Model copy"); // no matrix on the model's side
    modelCopy.setValue(0.5f, 0);
    EXPECT_EQ(modelCopy.targetNumber(), -1);
}

TEST(FloatPluginParameterTest, ScaleRelativeKeepsTheDisplayRatio) {
    FloatPluginParameter hz(nullptr, "Hz");
    hz.setRange(10.0f, 20000.0f, 1000.0f);
    EXPECT_FLOAT_EQ(hz.scaleRelative(500.0f, 1000.0f, 2000.0f), 1000.0f);

    auto freq = makeParameter(configureFilterFreq);
    const float from = freq->internalFromDisplay(1000.0f);
    const float to = freq->internalFromDisplay(2000.0f);
    EXPECT_NEAR(freq->displayFromInternal(freq->scaleRelative(freq->internalFromDisplay(500.0f), from, to)),
                1000.0f, 0.01f);

    // From a zero display the change is added instead.
    FloatPluginParameter pan(nullptr, "Pan");
    pan.setRange(-1.0f, 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(pan.scaleRelative(0.25f, 0.0f, 0.5f), 0.75f);
}

// Host automation writes on the audio thread while the main thread reads: every read sees a whole value.
TEST(FloatPluginParameterTest, ConcurrentWriterAndReaderSeeWholeValues) {
    FloatPluginParameter p(nullptr, "Automated");
    p.setRange(0.0f, 1.0f, 0.0f);
    std::thread automation([&] {
        for (int i = 0; i < 20000; ++i)
            p.setValue(i % 2 ? 0.75f : 0.25f, 1);
    });
    int unexpected = 0;
    for (int i = 0; i < 20000; ++i) {
        const float value = p.value();
        if (value != 0.0f && value != 0.25f && value != 0.75f) ++unexpected;
    }
    automation.join();
    EXPECT_EQ(unexpected, 0);
    EXPECT_EQ(p.value(), 0.75f);
}

TEST(FloatPluginParameterTest, AliasesReachThePresetCollection) {
    TestParameterRoot root;
    FloatPluginParameter p(&root, "Cutoff");
    p.addAlias("Old Cutoff");
    EXPECT_EQ(p.aliases(), std::vector<std::string>{"Old Cutoff"});
    EXPECT_EQ(root.collection.indexOfName("Old Cutoff"), p.id());
    EXPECT_EQ(root.collection.indexOfName("Cutoff"), p.id());
}

} // namespace
