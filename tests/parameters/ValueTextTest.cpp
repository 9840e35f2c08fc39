// Number formats, the frequency, decibel and time texts, number and note reading, and abbreviations.
#include "parameters/ValueText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct FormatCase {
    float value;
    const char* format;
    const char* expected;
};

TEST(ValueTextTest, FormatNumber) {
    const FormatCase cases[] = {
        {1.23456f, "%.3f", "1.235"}, {-0.0001f, "%.2f", "0.00"},  {-0.004f, "%+.2f", "0.00"},
        {0.0f, "%+.2f", "0.00"},     {6.0206f, "%+.2f", "+6.02"}, {-12.5f, "%+.2f", "-12.50"},
        {INFINITY, "%.3f", "INF"},   {-INFINITY, "%.3f", "-INF"}, {9.9994f, "*3f", "9.999"},
        {9.9996f, "*3f", "10.00"},   {99.994f, "*3f", "99.99"},   {99.996f, "*3f", "100.0"},
        {999.94f, "*3f", "999.9"},   {999.96f, "*3f", "1000"},    {123456.0f, "*3f", "123456"},
        {-5.5f, "*3f", "-5.500"},    {100.0f, "*2f", "100"},      {9.996f, "*2f", "10.0"},
        {5.0f, "*+2f", "+5.00"},     {-0.0004f, "*+3f", "0.000"}, {0.5f, "*0f", "0"},
        {12.0f, "%.1f", "12.0"},     {NAN, "%.3f", "NaN"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(ValueText::formatNumber(c.value, c.format), c.expected) << c.value << " with " << c.format;
}

TEST(ValueTextTest, FrequencyDecibelAndTimeTexts) {
    const FormatCase frequencies[] = {
        {15000.0f, "", "15000"}, {9999.94f, "", "9999.9"}, {9999.96f, "", "10000"}, {440.0f, "", "440.00"},
        {1000.0f, "", "1000.0"}, {20.0f, "", "20.000"},    {99.9996f, "", "100.00"}};
    for (const FormatCase& c : frequencies)
        EXPECT_EQ(ValueText::formatFrequency(c.value), c.expected) << c.value;

    const FormatCase levels[] = {{6.0206f, "", "+6.02"}, {0.0f, "", "0.00"},     {-12.5f, "", "-12.50"},
                                 {-200.0f, "", "-INF"},  {-180.0f, "", "-INF"},  {-179.902f, "", "-179.90"},
                                 {-179.95f, "", "-INF"}, {-INFINITY, "", "-INF"}};
    for (const FormatCase& c : levels)
        EXPECT_EQ(ValueText::formatDecibels(c.value), c.expected) << c.value;

    const FormatCase times[] = {{0.5f, "", "0.500 ms"},     {12.3f, "", "12.30 ms"},
                                {250.0f, "", "250.0 ms"},   {1500.0f, "", "1.500 sec"},
                                {999.94f, "", "999.9 ms"},  {999.96f, "", "1.000 sec"},
                                {1000.0f, "", "1.000 sec"}, {0.0f, "", "0.000 ms"}};
    for (const FormatCase& c : times)
        EXPECT_EQ(ValueText::formatTime(c.value), c.expected) << c.value;
}

TEST(ValueTextTest, ReadNumber) {
    struct Case {
        const char* text;
        bool ok;
        float value;
        std::size_t end;
    };
    const Case cases[] = {
        {"12", true, 12.0f, 2},     {"-1.5k", true, -1.5f, 4},    {"+.5", true, 0.5f, 3},
        {"2.", true, 2.0f, 2},      {"1e3 Hz", true, 1000.0f, 3}, {"2e", true, 2.0f, 1},
        {"2ex", true, 2.0f, 1},     {"0x", true, 0.0f, 1},        {"-INF dB", true, -INFINITY, 4},
        {"inf", true, INFINITY, 3}, {"1e999", true, INFINITY, 5}, {"1e-999", true, 0.0f, 6},
        {"A4", false, 0.0f, 0},     {".", false, 0.0f, 0},        {"-", false, 0.0f, 0},
        {"", false, 0.0f, 0},       {"nan", false, 0.0f, 0},
    };
    for (const Case& c : cases) {
        float value = -99.0f;
        std::size_t end = 0;
        ASSERT_EQ(ValueText::readNumber(c.text, 0, value, end), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(end, c.end) << c.text;
    }
}

TEST(ValueTextTest, ReadIntegerAsPercentD) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {{"  42", true, 42},
                          {"-7x", true, -7},
                          {"+3", true, 3},
                          {"2147483647", true, 2147483647},
                          {"-2147483648", true, -2147483647 - 1},
                          {"2147483648", false, 0},
                          {"x1", false, 0},
                          {"", false, 0},
                          {"- 1", false, 0}};
    for (const Case& c : cases) {
        int value = 0;
        ASSERT_EQ(ValueText::readInteger(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(ValueTextTest, NoteNames) {
    struct Case {
        const char* text;
        double hz; // 0: not a note
    };
    const double a4 = std::exp2(8.78136);
    const Case cases[] = {
        {"A4", a4},
        {" a4 ", a4},
        {"A", a4},
        {"C4", a4 * std::exp2(-9.0 / 12)},
        {"c#4", a4 * std::exp2(-8.0 / 12)},
        {"Bb3", a4 * std::exp2(-11.0 / 12)},
        {"EB4", a4 * std::exp2(-6.0 / 12)},
        {"A5", 2 * a4},
        {"A-1", a4 / 32},
        {"A4+100", a4 * std::exp2(1.0 / 12)},
        {"A4-50", a4 * std::exp2(-0.5 / 12)},
        {"H4", 0},
        {"abc", 0},
        {"A4x", 0},
        {"", 0},
        {"4A", 0},
    };
    for (const Case& c : cases) {
        float hz = 0.0f;
        const bool ok = ValueText::parseNoteName(c.text, hz);
        EXPECT_EQ(ok, c.hz > 0) << c.text;
        if (ok) {
            EXPECT_NEAR(hz, c.hz, c.hz * 1e-6) << c.text;
        }
    }
    float hz = 0.0f;
    ASSERT_TRUE(ValueText::parseNoteName("A4", hz));
    EXPECT_NEAR(hz, 440.0f, 0.001f);
}

TEST(ValueTextTest, CutCountsCharactersNotBytes) {
    EXPECT_EQ(ValueText::cutToChars("Filter", 3), "Fil");
    EXPECT_EQ(ValueText::cutToChars("Filter", 0), "");
    EXPECT_EQ(ValueText::cutToChars("Filter", -2), "");
    EXPECT_EQ(ValueText::cutToChars("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t"); // "été"
    EXPECT_EQ(ValueText::charCount("\xC3\xA9t\xC3\xA9"), 3);
}

TEST(ValueTextTest, AbbreviateStages) {
    struct Case {
        const char* text;
        int maxChars;
        const char* expected;
    };
    const Case cases[] = {
        {"LP", 4, "LP"},               // fits: untouched
        {"Band Pass", 4, "BP"},        // replacement
        {"High Pass", 6, "HiPass"},    // "High " -> "Hi" is enough
        {"High Pass", 5, "HP"},        // then "HiPass" -> "HP"
        {"High Pass", 9, "High Pass"}, // fits
        {"Side Chain", 5, "SC"},
        {"Filter 1", 3, "F1"},   // word, space before digit, capital plus digits
        {"Filter 1", 4, "Fil1"}, // stops as soon as it fits
        {"Frequency Offset", 11, "Freq Offset"},
        {"Frequency Offset", 10, "FreqOffset"}, // spaces removed
        {"Normal Input", 5, "NInpt"},           // first letters, then vowels dropped from the end
        {"Mod Wheel", 2, "MW"},
        {"Anything", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueText::abbreviate(c.text, c.maxChars), c.expected) << c.text << " in " << c.maxChars;
}

} // namespace
