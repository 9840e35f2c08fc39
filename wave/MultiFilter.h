// MultiFilter: a two-input, two-output multi-producer (the mid/side converter is one).
#pragma once

#include "wave/MultiProducer.h"

namespace wave {

// process pulls both inputs (silence for an unconnected one) and hands them to filter.
// Thread: inputs connected during setup; processing on the audio thread.
class MultiFilter : public MultiProducer {
public:
    Producer* inputs[2] = {nullptr, nullptr};

    explicit MultiFilter(Environment& environment, Producer* first = nullptr, Producer* second = nullptr);

    void setInput(int index, Producer* producer);

    void process(BasicBlock<float>* const* outputBlocks, int count, int mode) override;
    virtual void filter(const BasicBlock<float>* const* inputBlocks, BasicBlock<float>* const* outputBlocks,
                        int count, int mode) = 0;
};

} // namespace wave
