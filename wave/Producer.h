// Producer: a graph object that fills a block per processing frame, and pullBlock, the way consumers read it.
#pragma once

#include "wave/BasicBlock.h"
#include "wave/Component.h"
#include "wave/Environment.h"

#include <cstdint>
#include <memory>

namespace wave {

// A producer computes its block at most once per frame (see pullBlock) and exposes it as currentBlock, which
// may also point at another producer's block or the zero block (pass-through); consumers only read it.
// Producers that are registered with setOrder are also run by the environment when nobody pulled them.
// Thread: constructed, ordered and made stateful during setup; everything else on the audio thread.
class Producer : public Component {
public:
    // Where a registered producer runs in the environment's run list.
    enum Order : int {
        Front = 0,      // front group: run every frame, even when already pulled
        AfterFront = 1, // right after the front group
        Last = 2,       // any other value: appended
    };
    // Why produce is called.
    enum Mode : int {
        Pulled = 0,   // a consumer needs the block
        Run = 1,      // the environment runs it because nobody pulled it this frame
        RunFront = 2, // the environment runs it as a front-group member
    };
    enum class OwnBlock { Create, None };

    Environment* environment;
    std::unique_ptr<BasicBlock<float>> ownBlock;
    int order = Last;
    std::uint8_t active = 1;
    std::uint8_t registered = 0;
    std::uint8_t stateful = 0;
    int lastFrame;
    const BasicBlock<float>* currentBlock;

    explicit Producer(Environment& environment, OwnBlock block = OwnBlock::Create);
    Producer(const Producer&) = delete;
    Producer& operator=(const Producer&) = delete;

    ~Producer() override;
    // First sample of the current block, for control-rate readers; 0 when there is none.
    virtual float currentValue();
    // Whether a stateful producer has fallen silent; the processing frame skips the graph once all are.
    virtual bool isIdle();
    virtual void setActive(bool on);
    // Computes into the given block whatever the frame; consumers read inputs through pullBlock instead.
    virtual void pull(BasicBlock<float>* block, int count, int mode);
    // Fills count samples of block, or points currentBlock elsewhere for this frame. A producer without an
    // own block is handed null and must set currentBlock.
    virtual void produce(BasicBlock<float>* block, int count, int mode) = 0;
    virtual void reset();
    // A stateful producer's reaction to a new sample rate; by default the same as a reset.
    virtual void sampleRateReset();

    // Registers the producer with the run list at the given order (re-entering it when already there).
    void setOrder(int newOrder);
    // Stateful producers are reset with their environment and asked whether they are idle.
    void setStateful(bool on);
    void markProduced() { lastFrame = environment->frameCounter; }
};

// The pull idiom: compute the producer's block if it has not been computed in this frame, then hand out its
// current block. Every consumer reads its inputs through this, which is what makes a shared producer compute
// once per frame however many consumers read it.
inline const BasicBlock<float>* pullBlock(Producer& producer, int count) {
    const int frame = producer.environment->frameCounter;
    if (producer.lastFrame != frame) {
        BasicBlock<float>* own = producer.ownBlock.get();
        producer.currentBlock = own;
        producer.produce(own, count, Producer::Pulled);
        producer.lastFrame = frame;
    }
    return producer.currentBlock;
}

} // namespace wave
