// Input: copying the bound samples into the block.
#include "wave/Input.h"

#include <algorithm>
#include <cstring>

namespace wave {

Input::Input(Environment& owner) : Producer(owner) {}

void Input::bind(const float* samples, int count) {
    source = samples;
    remaining = samples != nullptr ? std::max(count, 0) : 0;
}

void Input::produce(BasicBlock<float>* block, int count, int) {
    const int wanted = std::clamp(count, 0, block->count);
    const int available = std::min(wanted, remaining);
    if (available > 0) std::memcpy(block->data, source, static_cast<std::size_t>(available) * sizeof(float));
    std::fill(block->data + available, block->data + wanted, 0.0f);
    block->flags = 0;
    if (available > 0) source += available;
    remaining -= available;
}

} // namespace wave
