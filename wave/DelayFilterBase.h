// DelayFilterBase: a filter that feeds its input into a delay ring and reads the delayed signal back.
#pragma once

#include "wave/Delay.h"
#include "wave/FilterBase.h"

#include <cstdint>

namespace wave {

// process writes the input block into the ring, then readDelayed fills the output. When blocks stop being
// contiguous in time (skipped frames, a pause) the ring is cleared first, so stale audio never comes back.
// Thread: built during setup; processing on the audio thread.
class DelayFilterBase : public FilterBase {
public:
    Delay delay;
    // Environment time at which the next block continues the last one; -1 before the first block.
    std::int64_t continuationTime = -1;

    DelayFilterBase(Environment& environment, int maximumDelay, Producer* input = nullptr);

    void process(const BasicBlock<float>* in, BasicBlock<float>* out, int count, int mode) override;
    virtual void readDelayed(BasicBlock<float>* out, int count, int mode) = 0;
};

} // namespace wave
