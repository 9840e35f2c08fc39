// BasicBlock: one block of samples as exchanged between the producers of the graph.
#pragma once

#include "wave/AlignedBuffer.h"
#include "wave/DynamicMaxBlockSizeListener.h"

namespace wave {

class Environment;

// A block is sized with its environment's buffer size and follows changes of the maximum block size,
// keeping its leading samples. Readers check the flags before touching the samples: a constant block may be
// treated as one value (its first sample).
// Thread: created and resized during setup; filled and read on the audio thread.
template <typename T> class BasicBlock : public AlignedBuffer<T>, public DynamicMaxBlockSizeListener {
public:
    enum Flag : int {
        Constant = 1 << 0,    // every sample equals the first
        ChangesFast = 1 << 1, // the signal moves quickly (displays draw it differently)
    };

    Environment* environment;
    int flags = 0;

    explicit BasicBlock(Environment& environment);
    BasicBlock(const BasicBlock&) = delete;
    BasicBlock& operator=(const BasicBlock&) = delete;

    void maxBlockSizeChanged(int newSize) override;
    ~BasicBlock() override;

    bool isConstant() const { return (flags & Constant) != 0; }
};

extern template class BasicBlock<float>;

} // namespace wave
