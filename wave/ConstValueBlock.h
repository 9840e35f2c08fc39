// ConstValueBlock: a block that holds one value in every sample (the environment's zero block is one).
#pragma once

#include "wave/BasicBlock.h"

namespace wave {

// Every sample holds the value and the constant flag is set, so readers may use either the first sample or
// the whole block. Thread: created during setup; setValue on the audio thread is allowed (it only writes).
class ConstValueBlock : public BasicBlock<float> {
public:
    float value;

    ConstValueBlock(Environment& environment, float value);

    void setValue(float newValue);
    void maxBlockSizeChanged(int newSize) override;

private:
    void fill();
};

} // namespace wave
