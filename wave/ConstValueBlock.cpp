// ConstValueBlock: filling and refilling after a size change.
#include "wave/ConstValueBlock.h"

#include <algorithm>

namespace wave {

ConstValueBlock::ConstValueBlock(Environment& owner, float initialValue)
    : BasicBlock<float>(owner), value(initialValue) {
    fill();
}

void ConstValueBlock::setValue(float newValue) {
    value = newValue;
    fill();
}

void ConstValueBlock::maxBlockSizeChanged(int newSize) {
    BasicBlock<float>::maxBlockSizeChanged(newSize);
    fill();
}

void ConstValueBlock::fill() {
    if (data != nullptr) std::fill(data, data + count, value);
    flags |= Constant;
}

} // namespace wave
