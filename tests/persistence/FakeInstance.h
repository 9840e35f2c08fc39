// A stand-in for the plug-in model behind the parameter snapshot and the settings block: plain values,
// defaults, a settings map, and a trace of the calls the blocks make.
#pragma once

#include "persistence/ICustomSettingsTarget.h"
#include "persistence/IParameterSnapshotTarget.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class FakeInstance : public IParameterSnapshotTarget, public ICustomSettingsTarget {
public:
    explicit FakeInstance(std::vector<float> defaultValues = {})
        : defaults(defaultValues), values(std::move(defaultValues)) {}

    int parameterCount() const override { return static_cast<int>(values.size()); }
    float parameterValue(int index) const override { return values.at(static_cast<std::size_t>(index)); }
    float parameterDefaultValue(int index) const override {
        return defaults.at(static_cast<std::size_t>(index));
    }
    void setParameterValue(int index, float value, int flags) override {
        EXPECT_EQ(flags, 1) << "a restore comes from the shell";
        EXPECT_GT(batchDepth, 0) << "a value was set outside the batch";
        values.at(static_cast<std::size_t>(index)) = value;
        ++setCount;
    }
    void beginParameterBatch() override {
        ++batchDepth;
        trace += "begin ";
    }
    void endParameterBatch() override {
        --batchDepth;
        trace += "end ";
    }
    void parametersReplaced() override {
        EXPECT_EQ(batchDepth, 0) << "parameters reported replaced inside the batch";
        trace += "replaced ";
    }

    std::map<std::string, std::string>& settingsMap() override { return settings; }
    int perTrackIndex() const override { return trackIndex; }
    void setPerTrackIndex(int index) override { trackIndex = index; }
    void settingsChanged() override { ++settingsChangedCount; }

    std::vector<float> defaults;
    std::vector<float> values;
    int setCount = 0;
    int batchDepth = 0;
    std::string trace;

    std::map<std::string, std::string> settings;
    int trackIndex = -1;
    int settingsChangedCount = 0;
};
