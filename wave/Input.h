// Input: a producer fed with samples from outside the graph (the host's channel buffers).
#pragma once

#include "wave/Producer.h"

namespace wave {

// Delivers a bound buffer block by block as the graph pulls it. Samples beyond the bound count read as
// silence instead of running past the caller's buffer.
// Thread: audio thread (bind once per processed call, before the graph is pulled).
class Input : public Producer {
public:
    const float* source = nullptr;
    int remaining = 0;

    explicit Input(Environment& environment);

    void bind(const float* samples, int count);
    void produce(BasicBlock<float>* block, int count, int mode) override;
};

} // namespace wave
