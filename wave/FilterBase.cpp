// FilterBase: pulling the input and handing it to the filter's processing.
#include "wave/FilterBase.h"

namespace wave {

FilterBase::FilterBase(Environment& owner, Producer* source, OwnBlock block)
    : Producer(owner, block), input(source) {}

void FilterBase::produce(BasicBlock<float>* block, int count, int mode) {
    const BasicBlock<float>* in = input != nullptr ? pullBlock(*input, count) : &environment->zeroBlock;
    process(in, block, count, mode);
}

} // namespace wave
