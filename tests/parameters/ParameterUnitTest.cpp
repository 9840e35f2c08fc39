// The units of continuous parameters: texts, typed input with suffixes and special forms, and the text
// round trip hosts check (value -> text -> value -> text gives the same text and the same value).
#include "parameters/DecibelUnits.h"
#include "parameters/FloatPluginParameter.h"
#include "parameters/FrequencyUnits.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/ScaleUnits.h"
#include "parameters/TimeUnits.h"
#include "tests/parameters/ParameterTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace parameter_test;

namespace {

inline constexpr float kRatePoints[][2] = {{0, 0},       {0.2f, 0.001f}, {0.5f, 0.007f}, {0.7f, 0.03f},
                                           {0.8f, 0.1f}, {0.9f, 0.3f},   {0.95f, 0.5f},  {0.98f, 1}};
using RateCurve = Curve<kRatePoints, 8>;

// Configurations as the product sets them up, one per unit kind (and a few ranges of the same unit).
void filterFreq(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 1.0f);
    p.setDisplayRange(2.2666f, 16.2064f);
    p.setUnit(ExpFreqParameterUnit::instance());
}
void xlfoFrequency(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 0.248f);
    p.unitFromInternal = &RateCurve::forward;
    p.internalFromUnit = &RateCurve::inverse;
    p.setDisplayRange(0.02f, 500.0f);
    p.setUnit(HzParameterUnit::instance());
}
void plainHz(FloatPluginParameter& p) {
    p.setRange(20.0f, 20000.0f, 1000.0f);
    p.setUnit(FreqParameterUnit::instance());
}
void zeroHz(FloatPluginParameter& p) {
    p.setRange(-6.0f, 14.0f, 0.0f);
    p.setUnit(ExpFreqWithZeroParameterUnit::instance());
}
void filterDelay(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 0.0f);
    p.unitFromInternal = &LevelCurve::forward;
    p.internalFromUnit = &LevelCurve::inverse;
    p.setDisplayRange(0.0f, 50.0f);
    p.setUnit(MsParameterUnit::instance());
}
void longMs(FloatPluginParameter& p) {
    p.setRange(5.0f, 5000.0f, 100.0f);
    p.setUnit(MsParameterUnit::instance());
}
void egDecay(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 0.0f);
    p.unitFromInternal = &TimeCurve::forward;
    p.internalFromUnit = &TimeCurve::inverse;
    p.setDisplayRange(0.0f, 5.0f);
    p.setUnit(SecParameterUnit::instance());
}
void efAttack(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 0.0f);
    p.unitFromInternal = &TimeCurve::forward;
    p.internalFromUnit = &TimeCurve::inverse;
    p.setDisplayRange(0.001f, 1.0f);
    p.setUnit(SecParameterUnit::instance());
}
void inputGain(FloatPluginParameter& p) {
    p.setRange(-36.0f, 36.0f, 0.0f);
    p.unitFromInternal = &gainFromDecibels;
    p.internalFromUnit = &decibelsFromGain;
    p.setUnit(DBParameterUnit::instance());
    p.displayFromLinear = &decibelsFromGain;
    p.linearFromDisplay = &gainFromDecibels;
}
void egSustain(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 1.0f);
    p.setUnit(DBParameterUnit::instance());
    p.displayFromLinear = &decibelsFromGain;
    p.linearFromDisplay = &gainFromDecibels;
}
void attenuation(FloatPluginParameter& p) {
    p.setRange(-60.0f, 0.0f, 0.0f);
    p.setUnit(DBParameterUnit::truePeakInstance());
}
void dbRange(FloatPluginParameter& p) {
    p.setRange(-24.0f, 24.0f, 0.0f);
    p.setUnit(DBRangeParameterUnit::instance());
}
void filterPan(FloatPluginParameter& p) {
    p.setRange(-3.5f, 3.5f, 0.0f);
    p.displayScale = 2.0f / 7.0f;
}
void octaves(FloatPluginParameter& p) {
    p.setRange(-2.0f, 2.0f, 0.0f);
    p.setUnit(OctavesParameterUnit::instance());
}
void mix(FloatPluginParameter& p) {
    p.setRange(0.0f, 100.0f, 100.0f);
    p.setDisplayRange(-1.0f, 1.0f);
    p.displayScale = 50.0f;
    p.displayOffset = 50.0f;
    p.setUnit(PercentParameterUnit::instance());
}
void ratio(FloatPluginParameter& p) {
    p.setRange(1.0f, 20.0f, 4.0f);
    p.setUnit(RatioParameterUnit::instance());
}
void slope(FloatPluginParameter& p) {
    p.setRange(6.0f, 48.0f, 12.0f);
    p.setUnit(SlopeParameterUnit::instance());
}
void peak(FloatPluginParameter& p) {
    p.setRange(0.0f, 1.0f, 0.0f);
}

struct Named {
    const char* name;
    Configure configure;
};
const Named kConfigurations[] = {
    {"filterFreq", filterFreq},
    {"xlfoFrequency", xlfoFrequency},
    {"plainHz", plainHz},
    {"zeroHz", zeroHz},
    {"filterDelay", filterDelay},
    {"longMs", longMs},
    {"egDecay", egDecay},
    {"efAttack", efAttack},
    {"inputGain", inputGain},
    {"egSustain", egSustain},
    {"attenuation", attenuation},
    {"dbRange", dbRange},
    {"filterPan", filterPan},
    {"octaves", octaves},
    {"mix", mix},
    {"ratio", ratio},
    {"slope", slope},
    {"peak", peak},
};

TEST(ParameterUnitTest, EveryUnitIsOneSharedInstance) {
    EXPECT_EQ(&DBParameterUnit::instance(), &DBParameterUnit::instance());
    EXPECT_NE(static_cast<const FloatPluginParameterUnit*>(&HzParameterUnit::instance()),
              static_cast<const FloatPluginParameterUnit*>(&FreqParameterUnit::instance()));
    EXPECT_EQ(DBParameterUnit::truePeakInstance().label(), "dBTP");
    EXPECT_EQ(OctavesParameterUnit::instance().suffixes().size(), 9u);
    EXPECT_EQ(OctavesParameterUnit::instance().findSuffix("OCT")->factor, 12.0f);
    EXPECT_EQ(MsParameterUnit::instance().findSuffix("Sec")->factor, 1000.0f);
    EXPECT_EQ(SecParameterUnit::instance().findSuffix("ms")->factor, 0.001f);
    EXPECT_EQ(MsParameterUnit::instance().findSuffix("min"), nullptr);
}

TEST(ParameterUnitTest, Texts) {
    struct Case {
        Configure configure;
        float internal;
        const char* text;
    };
    const Case cases[] = {
        {filterFreq, 1.0f, "75616 Hz"},
        {filterFreq, 0.0f, "4.812 Hz"},
        {plainHz, 440.0f, "440.00 Hz"},
        {plainHz, 15000.0f, "15000 Hz"},
        {plainHz, 20.0f, "20.000 Hz"},
        {zeroHz, -6.0f, "0.000 Hz"},
        {zeroHz, -3.0f, "0.125 Hz"},
        {filterDelay, 0.0f, "0.000 ms"},
        {filterDelay, 1.0f, "50.00 ms"},
        {longMs, 1500.0f, "1.500 sec"},
        {longMs, 12.3f, "12.30 ms"},
        {egDecay, 1.0f, "5.000 sec"},
        {egDecay, 0.5f, "500.0 ms"},
        {efAttack, 0.0f, "1.000 ms"},
        {inputGain, 0.0f, "0.00 dB"},
        {inputGain, -12.5f, "-12.50 dB"},
        {inputGain, 6.0206f, "+6.02 dB"},
        {egSustain, 1.0f, "0.00 dB"},
        {egSustain, 0.0f, "-INF dB"},
        {attenuation, -6.0f, "-6.00 dBTP"},
        {dbRange, 3.0f, "3.00 dB"},
        {filterPan, 3.5f, "1.000"},
        {filterPan, -0.0001f, "0.000"},
        {octaves, 1.0f, "12.000 semitones"},
        {mix, 100.0f, "100%"},
        {mix, 5.0f, "5.00%"},
        {mix, 50.0f, "50.0%"},
        {ratio, 4.0f, "4.00:1"},
        {slope, 12.0f, "12.0 dB/oct"},
        {peak, 0.5f, "0.500"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(makeParameter(c.configure)->text(c.internal), c.text) << c.text;

    auto gain = makeParameter(inputGain);
    EXPECT_EQ(gain->shortText(-12.5f, 4), "-12.");
    auto delay = makeParameter(filterDelay);
    delay->prefix.assign("~");
    EXPECT_EQ(delay->text(1.0f), "50.00 ms");
}

TEST(ParameterUnitTest, TypedInput) {
    struct Case {
        Configure configure;
        const char* text;
        bool ok;
        float display; // expected display value of the result
        float tolerance;
    };
    const float a4 = std::exp2(8.78136f);
    const Case cases[] = {
        {plainHz, "2k", true, 2000, 0},
        {plainHz, "2 kHz", true, 2000, 0},
        {plainHz, "2 KHZ", true, 2000, 0},
        {plainHz, "1,5 k", true, 1500, 0},
        {plainHz, "440hz", true, 440, 0},
        {plainHz, "A4", true, a4, 0.01f},
        {plainHz, "c4", true, 261.63f, 0.01f},
        {plainHz, "A-1", true, 20, 0},
        {plainHz, "99999", true, 20000, 0},
        {plainHz, "2 parsecs", false, 0, 0},
        {plainHz, "abc", false, 0, 0},
        {plainHz, "", false, 0, 0},
        {plainHz, "  ", false, 0, 0},
        {plainHz, "440 Hz and more", true, 440, 0},
        {filterFreq, "A4", true, a4, 0.01f},
        {filterFreq, "1 k", true, 1000, 0.05f},
        {filterFreq, "1", true, 4.8124f, 0.001f},
        {xlfoFrequency, "A4", true, a4, 0.01f},
        {xlfoFrequency, "A5", true, 500, 0.01f},
        {xlfoFrequency, "0.5", true, 0.5f, 1e-4f},
        {zeroHz, "0", true, 0, 0},
        {zeroHz, "0.0625 Hz", true, 0.0625f, 1e-6f},
        {inputGain, "50%", true, 0, 1e-5f},
        {inputGain, "2x", true, 6.0206f, 1e-3f},
        {inputGain, "2*", true, 6.0206f, 1e-3f},
        {inputGain, "0x", true, -36, 1e-4f},
        {inputGain, "-INF", true, -36, 1e-4f},
        {inputGain, "-INF dB", true, -36, 1e-4f},
        {inputGain, "+3 dB", true, 3, 1e-5f},
        {inputGain, "3 DB", true, 3, 1e-5f},
        {inputGain, "-0.00", true, 0, 0},
        {inputGain, "3 dBTP", false, 0, 0},
        {egSustain, "-6", true, -6, 1e-4f},
        {egSustain, "6", true, -6, 1e-4f},
        {egSustain, "0.5x", true, -6.0206f, 1e-3f},
        {attenuation, "12", true, -12, 0},
        {attenuation, "-12", true, -12, 0},
        {attenuation, "12 dbtp", true, -12, 0},
        {attenuation, "12 dB", false, 0, 0},
        {attenuation, "100%", true, 0, 0},
        {attenuation, "0%", true, -60, 0},
        {longMs, "2", true, 2000, 0},
        {longMs, "10", true, 10, 0},
        {longMs, "1.5 s", true, 1500, 0},
        {longMs, "1.5 sec", true, 1500, 0},
        {longMs, "250 ms", true, 250, 0},
        {longMs, "1 ms", true, 5, 0},
        {egDecay, "250 ms", true, 0.25f, 1e-6f},
        {egDecay, "2 sec", true, 2, 1e-5f},
        {egDecay, "250", true, 0.25f, 1e-6f},
        {efAttack, "2", true, 0.002f, 1e-7f}, // the current value is below 1 s: milliseconds were meant
        {octaves, "1 oct", true, 12, 0},
        {octaves, "50 cents", true, 0.5f, 1e-6f},
        {octaves, "7", true, 7, 1e-6f},
        {octaves, "2 Octaves", true, 24, 0},
        {mix, "50%", true, 50, 1e-4f},
        {mix, "50", true, 50, 1e-4f},
        {mix, "50 %", true, 50, 1e-4f},
        {ratio, "4:1", true, 4, 0},
        {ratio, "4", true, 4, 0},
        {slope, "24 db/OCT", true, 24, 0},
        {peak, "0.25", true, 0.25f, 0},
        {peak, "0.25 x", false, 0, 0},
        {peak, "25%", true, 0.25f, 0},
        {peak, "1e-1", true, 0.1f, 0},
        {peak, "NaN", false, 0, 0},
    };
    for (const Case& c : cases) {
        auto parameter = makeParameter(c.configure);
        parameter->setValue(parameter->maximum(), 0);
        parameter->setValue(parameter->defaultValue(), 0);
        float value = NAN;
        const bool ok = parameter->parseText(c.text, value);
        EXPECT_EQ(ok, c.ok) << c.text;
        if (!ok) {
            EXPECT_EQ(value, parameter->value()) << c.text;
            continue;
        }
        EXPECT_GE(value, parameter->minimum()) << c.text;
        EXPECT_LE(value, parameter->maximum()) << c.text;
        EXPECT_NEAR(parameter->displayFromInternal(value), c.display, c.tolerance) << c.text;
    }
}

TEST(ParameterUnitTest, PrefixAndUnitlessAdjustmentDependOnTheParameter) {
    auto p = makeParameter(peak);
    p->prefix.assign("Q");
    float value = 0.0f;
    EXPECT_TRUE(p->parseText("Q 0.5", value));
    EXPECT_EQ(value, 0.5f);
    EXPECT_TRUE(p->parseText("  Q0.25", value));
    EXPECT_EQ(value, 0.25f);

    // A millisecond parameter showing more than a second reads a bare number as seconds while it fits.
    auto ms = makeParameter(longMs);
    ms->setValue(1500.0f, 0);
    EXPECT_TRUE(ms->parseText("2", value));
    EXPECT_EQ(value, 2000.0f);
    EXPECT_TRUE(ms->parseText("20", value));
    EXPECT_EQ(value, 20.0f);

    auto sec = makeParameter(egDecay);
    sec->setValue(1.0f, 0); // 5 s
    EXPECT_TRUE(sec->parseText("2", value));
    EXPECT_NEAR(sec->displayFromInternal(value), 2.0f, 1e-5f);
}

// value -> text -> value -> text: the same text, and reading it again gives exactly the same value.
void expectTextRoundTrip(const FloatPluginParameter& parameter, float value, const char* name) {
    const std::string first = parameter.text(value);
    float parsed = NAN;
    ASSERT_TRUE(parameter.parseText(first, parsed)) << name << ": " << first;
    const std::string second = parameter.text(parsed);
    EXPECT_EQ(second, first) << name << " at " << value;
    float reparsed = NAN;
    ASSERT_TRUE(parameter.parseText(second, reparsed)) << name << ": " << second;
    EXPECT_EQ(std::memcmp(&parsed, &reparsed, sizeof parsed), 0) << name << ": " << second;
}

TEST(ParameterUnitTest, TextRoundTripOverEveryUnit) {
    for (const Named& named : kConfigurations) {
        auto parameter = makeParameter(named.configure);
        const float low = parameter->minimum();
        const float high = parameter->maximum();
        for (float value : {low, parameter->defaultValue(), high})
            expectTextRoundTrip(*parameter, value, named.name);
        constexpr int kSteps = 1999;
        for (int i = 1; i < kSteps; ++i)
            expectTextRoundTrip(*parameter, low + (high - low) * static_cast<float>(i) / kSteps, named.name);
        // Values the host may send just inside the bounds.
        expectTextRoundTrip(*parameter, std::nextafter(low, high), named.name);
        expectTextRoundTrip(*parameter, std::nextafter(high, low), named.name);
    }
}

TEST(ParameterUnitTest, TextRoundTripAtFormatBoundaries) {
    // Display values just beside the points where a text changes its number of decimals or its form.
    struct Case {
        Configure configure;
        float display;
    };
    const Case cases[] = {
        {plainHz, 99.9996f},    {plainHz, 99.9994f},   {plainHz, 999.996f}, {plainHz, 999.994f},
        {plainHz, 9999.96f},    {plainHz, 9999.94f},   {longMs, 999.96f},   {longMs, 999.94f},
        {longMs, 9.9996f},      {egDecay, 0.99996f},   {egDecay, 0.99994f}, {egSustain, -179.902f},
        {egSustain, -179.897f}, {egSustain, -179.93f}, {mix, 9.996f},       {mix, 99.96f},
        {inputGain, -0.004f},   {filterPan, -0.0004f},
    };
    for (const Case& c : cases) {
        auto parameter = makeParameter(c.configure);
        expectTextRoundTrip(*parameter, parameter->internalFromDisplay(c.display),
                            parameter->text(parameter->internalFromDisplay(c.display)).c_str());
    }
}

TEST(ParameterUnitTest, TextRoundTripOfChoices) {
    IndexedPluginParameter<int> named(nullptr, "Sync Mode");
    named.setRange(0, 11, 0);
    named.setOptionNames(makeOptionNames("Free,16,8,4,2,1,1/2,1/4,1/8,1/16,1/32,1/64"));
    IndexedPluginParameter<int> tabled(nullptr, "Tabled");
    tabled.setValueTable({0, 9, 10, 11, 1}, 0);
    tabled.setRange(0, 4, 0);
    IndexedPluginParameter<int> numeric(nullptr, "Controller Number");
    numeric.setRange(0, 127, 0);
    for (const IndexedPluginParameter<int>* parameter : {&named, &tabled, &numeric}) {
        for (int index = parameter->minimumIndex(); index <= parameter->maximumIndex(); ++index) {
            const std::string text = parameter->text(static_cast<float>(index));
            float value = -1.0f;
            ASSERT_TRUE(parameter->parseText(text, value)) << parameter->name() << ": " << text;
            EXPECT_EQ(value, static_cast<float>(index)) << parameter->name() << ": " << text;
        }
    }
}

} // namespace
