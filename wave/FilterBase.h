// FilterBase: a producer computed from the block of one input producer.
#pragma once

#include "wave/Consumer.h"
#include "wave/Producer.h"

namespace wave {

// produce pulls the input (silence when none is connected) and hands both blocks to process. process may
// write the output block or point currentBlock at the input block to pass it through unchanged.
// Thread: the input is connected during setup; processing on the audio thread.
class FilterBase : public Producer, public Consumer {
public:
    Producer* input;

    explicit FilterBase(Environment& environment, Producer* input = nullptr,
                        OwnBlock block = OwnBlock::Create);

    void setInput(Producer* producer) { input = producer; }

    void produce(BasicBlock<float>* block, int count, int mode) override;
    virtual void process(const BasicBlock<float>* in, BasicBlock<float>* out, int count, int mode) = 0;
};

} // namespace wave
