// DelayFilterBase: writing with the contiguity check, then the derived read.
#include "wave/DelayFilterBase.h"

namespace wave {

DelayFilterBase::DelayFilterBase(Environment& owner, int maximumDelay, Producer* source)
    : FilterBase(owner, source), delay(owner, maximumDelay) {}

void DelayFilterBase::process(const BasicBlock<float>* in, BasicBlock<float>* out, int count, int mode) {
    const std::int64_t start = environment->currentTime;
    if (start != continuationTime) delay.clear();
    continuationTime = start + count;
    delay.write(in->data, count);
    readDelayed(out, count, mode);
}

} // namespace wave
