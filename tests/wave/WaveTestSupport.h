// Probe producers shared by the block-graph tests: they count what the graph asks of them.
#pragma once

#include "wave/Filter.h"
#include "wave/Source.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace wave::testing {

// Fills its block with the number of times it has produced, and logs each run as "name:mode".
class ProbeSource : public Source {
public:
    std::string name;
    std::vector<std::string>* log;
    int produced = 0;
    int lastMode = -1;
    int resets = 0;
    int rateResets = 0;
    bool idle = true;

    explicit ProbeSource(Environment& environment, std::string probeName = {},
                         std::vector<std::string>* runLog = nullptr)
        : Source(environment), name(std::move(probeName)), log(runLog) {}

    void produce(BasicBlock<float>* block, int count, int mode) override {
        ++produced;
        lastMode = mode;
        if (log != nullptr) log->push_back(name + ":" + std::to_string(mode));
        std::fill(block->data, block->data + count, static_cast<float>(produced));
    }
    bool isIdle() override { return idle; }
    void reset() override { ++resets; }
    void sampleRateReset() override { ++rateResets; }
};

// Adds an offset to its input, or passes the input block through untouched when passThrough is set.
class OffsetFilter : public Filter {
public:
    float offset;
    bool passThrough = false;
    int processed = 0;

    OffsetFilter(Environment& environment, Producer* source, float add = 0.0f)
        : Filter(environment, source), offset(add) {}

    void process(const BasicBlock<float>* in, BasicBlock<float>* out, int count, int) override {
        ++processed;
        if (passThrough) {
            currentBlock = in;
            return;
        }
        for (int i = 0; i < count; ++i)
            out->data[i] = in->data[i] + offset;
    }
};

} // namespace wave::testing
