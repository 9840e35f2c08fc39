// MultiProducer: computing all outputs on the first pull of a frame.
#include "wave/MultiProducer.h"

#include <algorithm>

namespace wave {

MultiProducer::Output::Output(MultiProducer& producer, int outputIndex)
    : Producer(*producer.environment, OwnBlock::None), index(outputIndex), owner(&producer) {}

float MultiProducer::Output::currentValue() {
    return owner->outputValue(index);
}

void MultiProducer::Output::produce(BasicBlock<float>*, int count, int mode) {
    owner->produceAll(count, mode);
}

void MultiProducer::Output::reset() {
    owner->reset();
}

MultiProducer::MultiProducer(Environment& owner, int numberOfOutputs)
    : environment(&owner), outputCount(std::max(numberOfOutputs, 0)) {
    const auto n = static_cast<std::size_t>(outputCount);
    ownBlocks.reserve(n);
    outputs.reserve(n);
    blockPointers.reserve(n);
    for (int i = 0; i < outputCount; ++i) {
        ownBlocks.push_back(std::make_unique<BasicBlock<float>>(owner));
        blockPointers.push_back(ownBlocks.back().get());
        outputs.push_back(std::make_unique<Output>(*this, i));
    }
    currentBlocks.assign(n, &owner.zeroBlock);
}

// Outputs go before the blocks they may point at.
MultiProducer::~MultiProducer() {
    outputs.clear();
}

float MultiProducer::outputValue(int index) {
    if (index < 0 || index >= outputCount) return 0.0f;
    const BasicBlock<float>* block = currentBlocks[static_cast<std::size_t>(index)];
    return block != nullptr && block->count > 0 ? block->data[0] : 0.0f;
}

void MultiProducer::reset() {}

void MultiProducer::produceAll(int count, int mode) {
    std::copy(blockPointers.begin(), blockPointers.end(), currentBlocks.begin());
    process(blockPointers.data(), count, mode);
    for (int i = 0; i < outputCount; ++i) {
        Output& out = *outputs[static_cast<std::size_t>(i)];
        out.currentBlock = currentBlocks[static_cast<std::size_t>(i)];
        out.markProduced();
    }
}

} // namespace wave
