// The curve tables and their piecewise-linear evaluation.
#include "product/ValueCurves.h"

#include <cmath>
#include <iterator>

namespace {

struct CurvePoint {
    float x;
    float value;
};

constexpr CurvePoint kLevelPoints[] = {{0.0f, 0.0f},  {0.1f, 0.002f}, {0.25f, 0.05f}, {0.5f, 0.16f},
                                       {0.7f, 0.36f}, {0.9f, 0.91f},  {1.0f, 1.0f}};
constexpr CurvePoint kTimePoints[] = {{0.0f, 0.0f},   {0.15f, 0.02f}, {0.2f, 0.03f}, {0.33f, 0.05f},
                                      {0.4f, 0.07f},  {0.5f, 0.1f},   {0.6f, 0.13f}, {0.68f, 0.17f},
                                      {0.75f, 0.22f}, {0.85f, 0.35f}, {0.9f, 0.46f}, {0.95f, 0.66f},
                                      {0.98f, 0.82f}, {1.0f, 1.0f}};
constexpr CurvePoint kRatePoints[] = {{0.0f, 0.0f}, {0.2f, 0.001f}, {0.5f, 0.007f}, {0.7f, 0.03f},
                                      {0.8f, 0.1f}, {0.9f, 0.3f},   {0.95f, 0.5f},  {0.98f, 1.0f}};

// Interpolates in double so that a point maps exactly onto its partner in both directions.
float between(float from0, float to0, float from1, float to1, float at) {
    const double slope = (double(to1) - double(to0)) / (double(from1) - double(from0));
    return static_cast<float>(double(to0) + (double(at) - double(from0)) * slope);
}

template <const auto& Points> float mapThrough(float x) {
    if (std::isnan(x)) return x;
    if (x < 0.0f) return -mapThrough<Points>(-x);
    if (x <= Points[0].x) return Points[0].value;
    for (std::size_t i = 1; i < std::size(Points); ++i)
        if (x <= Points[i].x)
            return between(Points[i - 1].x, Points[i - 1].value, Points[i].x, Points[i].value, x);
    return Points[std::size(Points) - 1].value;
}

template <const auto& Points> float inverseThrough(float value) {
    if (std::isnan(value)) return value;
    if (value < 0.0f) return -inverseThrough<Points>(-value);
    if (value <= Points[0].value) return Points[0].x;
    for (std::size_t i = 1; i < std::size(Points); ++i)
        if (value <= Points[i].value)
            return between(Points[i - 1].value, Points[i - 1].x, Points[i].value, Points[i].x, value);
    return Points[std::size(Points) - 1].x;
}

} // namespace

const ValueCurve ValueCurve::level{&mapThrough<kLevelPoints>, &inverseThrough<kLevelPoints>};
const ValueCurve ValueCurve::time{&mapThrough<kTimePoints>, &inverseThrough<kTimePoints>};
const ValueCurve ValueCurve::rate{&mapThrough<kRatePoints>, &inverseThrough<kRatePoints>};

void ValueCurve::applyTo(FloatPluginParameter& parameter, float low, float high) const {
    parameter.unitFromInternal = map;
    parameter.internalFromUnit = inverse;
    parameter.setDisplayRange(low, high);
}
