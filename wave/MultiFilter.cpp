// MultiFilter: pulling both inputs before the filter runs.
#include "wave/MultiFilter.h"

namespace wave {

MultiFilter::MultiFilter(Environment& owner, Producer* first, Producer* second)
    : MultiProducer(owner, 2), inputs{first, second} {}

void MultiFilter::setInput(int index, Producer* producer) {
    if (index == 0 || index == 1) inputs[index] = producer;
}

void MultiFilter::process(BasicBlock<float>* const* outputBlocks, int count, int mode) {
    const BasicBlock<float>* inputBlocks[2];
    for (int i = 0; i < 2; ++i)
        inputBlocks[i] = inputs[i] != nullptr ? pullBlock(*inputs[i], count) : &environment->zeroBlock;
    filter(inputBlocks, outputBlocks, count, mode);
}

} // namespace wave
