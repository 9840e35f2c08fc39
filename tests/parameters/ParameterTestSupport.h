// Test support for the parameter tests: a root owner that plays the plug-in's part (collection, group
// table, change groups, notification of listeners) and parameters configured the way the product
// configures its own.
#pragma once

#include "parameters/AbstractPluginParameter.h"
#include "parameters/FloatPluginParameter.h"
#include "parameters/GenericParameterOwner.h"
#include "parameters/ParameterGroupTable.h"
#include "parameters/PresetParameterCollection.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace parameter_test {

class TestParameterRoot : public GenericParameterOwner {
public:
    struct Change {
        int id;
        float value;
        int flags;
        int groupDepth;
    };

    void beginChangeGroup() override {
        ++groupDepth;
        ++groupsOpened;
    }
    void addResponder(GenericParameterResponder&) override {}
    void endChangeGroup() override { --groupDepth; }
    int parameterCount() const override { return collection.count(); }
    AbstractPluginParameter* parameter(int index) const override { return collection.parameter(index); }
    int groupIndex() const override { return 0; }
    std::string name() const override { return "Test Plug-in"; }
    // As the model does: listeners first, then the bookkeeping.
    void parameterChanged(int id, float value, int flags) override {
        if (AbstractPluginParameter* changed = collection.parameter(id)) changed->notifyListeners(value);
        changes.push_back({id, value, flags, groupDepth});
    }
    int registerParameter(AbstractPluginParameter& parameter) override { return collection.add(parameter); }
    void registerAlias(AbstractPluginParameter& parameter, const std::string& alias) override {
        collection.addAlias(parameter, alias);
    }
    int registerGroup(const std::string& name) override { return groups.registerGroup(name); }

    PresetParameterCollection collection;
    ParameterGroupTable groups;
    std::vector<Change> changes;
    int groupDepth = 0;
    int groupsOpened = 0;
};

// A piecewise-linear map of [0, 1] through the given points, and its inverse.
template <const float (*Points)[2], int Count> struct Curve {
    static float forward(float x) {
        if (x <= Points[0][0]) return Points[0][1];
        for (int i = 1; i < Count; ++i)
            if (x <= Points[i][0])
                return Points[i - 1][1] + (x - Points[i - 1][0]) * (Points[i][1] - Points[i - 1][1]) /
                                              (Points[i][0] - Points[i - 1][0]);
        return Points[Count - 1][1];
    }
    static float inverse(float y) {
        if (y <= Points[0][1]) return Points[0][0];
        for (int i = 1; i < Count; ++i)
            if (y <= Points[i][1])
                return Points[i - 1][0] + (y - Points[i - 1][1]) * (Points[i][0] - Points[i - 1][0]) /
                                              (Points[i][1] - Points[i - 1][1]);
        return Points[Count - 1][0];
    }
};

inline constexpr float kLevelPoints[][2] = {{0, 0},        {0.1f, 0.002f}, {0.25f, 0.05f}, {0.5f, 0.16f},
                                            {0.7f, 0.36f}, {0.9f, 0.91f},  {1, 1}};
inline constexpr float kTimePoints[][2] = {{0, 0},         {0.15f, 0.02f}, {0.2f, 0.03f}, {0.33f, 0.05f},
                                           {0.4f, 0.07f},  {0.5f, 0.1f},   {0.6f, 0.13f}, {0.68f, 0.17f},
                                           {0.75f, 0.22f}, {0.85f, 0.35f}, {0.9f, 0.46f}, {0.95f, 0.66f},
                                           {0.98f, 0.82f}, {1, 1}};
using LevelCurve = Curve<kLevelPoints, 7>;
using TimeCurve = Curve<kTimePoints, 14>;

inline float gainFromDecibels(float db) {
    return std::pow(10.0f, db / 20.0f);
}
inline float decibelsFromGain(float gain) {
    const float magnitude = std::fabs(gain);
    return magnitude <= 1e-10f ? -180.0f : std::max(20.0f * std::log10(magnitude), -180.0f);
}
inline float exp2Of(float x) {
    return std::exp2(x);
}
inline float log2Of(float x) {
    return std::log2(x);
}

// A parameter configured by a function, so that tables can name configurations.
using Configure = void (*)(FloatPluginParameter&);

inline std::unique_ptr<FloatPluginParameter> makeParameter(Configure configure) {
    auto parameter = std::make_unique<FloatPluginParameter>(nullptr, "Test");
    configure(*parameter);
    return parameter;
}

} // namespace parameter_test
