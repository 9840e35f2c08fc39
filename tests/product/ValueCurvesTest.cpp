// The level, time and rate curves: their points both ways, interpolation between them, odd symmetry, the
// flat ends, and a parameter scaled onto a unit range.
#include "product/ValueCurves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct CurvePoints {
    const char* name;
    const ValueCurve& curve;
    std::vector<std::pair<float, float>> points; // x -> curve value
};

std::vector<CurvePoints> allCurves() {
    return {
        {"level",
         ValueCurve::level,
         {{0, 0}, {0.1f, 0.002f}, {0.25f, 0.05f}, {0.5f, 0.16f}, {0.7f, 0.36f}, {0.9f, 0.91f}, {1, 1}}},
        {"time",
         ValueCurve::time,
         {{0, 0},
          {0.15f, 0.02f},
          {0.2f, 0.03f},
          {0.33f, 0.05f},
          {0.4f, 0.07f},
          {0.5f, 0.1f},
          {0.6f, 0.13f},
          {0.68f, 0.17f},
          {0.75f, 0.22f},
          {0.85f, 0.35f},
          {0.9f, 0.46f},
          {0.95f, 0.66f},
          {0.98f, 0.82f},
          {1, 1}}},
        {"rate",
         ValueCurve::rate,
         {{0, 0},
          {0.2f, 0.001f},
          {0.5f, 0.007f},
          {0.7f, 0.03f},
          {0.8f, 0.1f},
          {0.9f, 0.3f},
          {0.95f, 0.5f},
          {0.98f, 1}}},
    };
}

TEST(ValueCurvesTest, PointsMapBothWaysAndSegmentsAreLinear) {
    for (const CurvePoints& c : allCurves()) {
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const auto [x, value] = c.points[i];
            EXPECT_FLOAT_EQ(c.curve.map(x), value) << "x = " << x;
            EXPECT_FLOAT_EQ(c.curve.inverse(value), x) << "value = " << value;
            EXPECT_FLOAT_EQ(c.curve.map(-x), -value) << "odd symmetry at x = " << x;
            EXPECT_FLOAT_EQ(c.curve.inverse(-value), -x);
            if (i + 1 < c.points.size()) {
                const auto [x1, value1] = c.points[i + 1];
                const float midX = 0.5f * (x + x1);
                const float midValue = 0.5f * (value + value1);
                EXPECT_NEAR(c.curve.map(midX), midValue, 1e-6f) << "between x = " << x << " and " << x1;
                EXPECT_NEAR(c.curve.inverse(midValue), midX, 1e-6f);
            }
        }
        // Beyond the last point the curve holds the last value, and the inverse the last x.
        const auto [lastX, lastValue] = c.points.back();
        EXPECT_FLOAT_EQ(c.curve.map(lastX + 0.5f), lastValue);
        EXPECT_FLOAT_EQ(c.curve.inverse(lastValue * 2.0f), lastX);
        EXPECT_TRUE(std::isnan(c.curve.map(NAN)));
        EXPECT_TRUE(std::isnan(c.curve.inverse(NAN)));
    }
}

TEST(ValueCurvesTest, RateCurveIsFlatAtTheTop) {
    EXPECT_FLOAT_EQ(ValueCurve::rate.map(0.99f), 1.0f);
    EXPECT_FLOAT_EQ(ValueCurve::rate.map(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(ValueCurve::rate.inverse(1.0f), 0.98f);
}

TEST(ValueCurvesTest, ParameterScalesTheCurveOntoItsUnitRange) {
    FloatPluginParameter parameter(nullptr, "Delay");
    parameter.setRange(0.0f, 1.0f, 0.0f);
    ValueCurve::level.applyTo(parameter, 10.0f, 60.0f);
    EXPECT_FLOAT_EQ(parameter.unitValueFromInternal(0.0f), 10.0f);
    EXPECT_FLOAT_EQ(parameter.unitValueFromInternal(0.5f), 10.0f + 50.0f * 0.16f);
    EXPECT_FLOAT_EQ(parameter.unitValueFromInternal(1.0f), 60.0f);
    EXPECT_FLOAT_EQ(parameter.internalFromUnitValue(10.0f + 50.0f * 0.36f), 0.7f);
}

} // namespace
