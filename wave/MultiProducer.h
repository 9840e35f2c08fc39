// MultiProducer: a graph object computing several output blocks in one pass, each read as a producer.
#pragma once

#include "wave/Component.h"
#include "wave/Producer.h"

#include <memory>
#include <vector>

namespace wave {

// Consumers pull output(i) like any producer; the first pull of a frame computes every output, so the others
// come for free. process writes the own blocks and may point entries of currentBlocks elsewhere
// (pass-through or silence) for the frame.
// Thread: built and connected during setup; processing on the audio thread.
class MultiProducer : public Component {
public:
    // One output of the owner, seen by consumers as a producer without an own block.
    // Thread: as its owner.
    class Output : public Producer {
    public:
        int index;
        MultiProducer* owner;

        Output(MultiProducer& owner, int index);

        float currentValue() override;
        void produce(BasicBlock<float>* block, int count, int mode) override;
        void reset() override;
    };

    Environment* environment;
    int outputCount;
    std::vector<std::unique_ptr<BasicBlock<float>>> ownBlocks;
    std::vector<std::unique_ptr<Output>> outputs;
    std::vector<const BasicBlock<float>*> currentBlocks;

    MultiProducer(Environment& environment, int outputCount);
    MultiProducer(const MultiProducer&) = delete;
    MultiProducer& operator=(const MultiProducer&) = delete;

    ~MultiProducer() override;
    // First sample of that output's current block; 0 for no block or an index out of range.
    virtual float outputValue(int index);
    virtual void process(BasicBlock<float>* const* outputBlocks, int count, int mode) = 0;
    virtual void reset();

    // Setup: the producer consumers connect to; throws std::out_of_range for an index out of range.
    Output& output(int index) { return *outputs.at(static_cast<std::size_t>(index)); }

private:
    friend class Output;
    void produceAll(int count, int mode);
    // The own blocks as process receives them.
    std::vector<BasicBlock<float>*> blockPointers;
};

} // namespace wave
