// Environment: sample rate, block sizes, time, frame counter and producer registry of one block graph.
#pragma once

#include "wave/BasicBlock.h"
#include "wave/ConstValueBlock.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace wave {

class Producer;

// One environment drives one graph. Per processing frame the owner calls beginFrame, pulls the outputs it
// needs, then advance(n, skip), which runs the registered producers nobody pulled and moves time on.
// Child environments (for graphs running at another rate) follow their parent's frames, rate,
// notifications and flags.
// Thread: built, registered and given its sample-rate handler during setup; everything else runs on the
// audio thread. Registering or (de)activating producers while processing never allocates, because list
// capacity is reserved as producers are constructed.
class Environment {
public:
    // What notify tells the graph; the values are the ones the processing frame passes.
    enum Notification : int {
        Reset = 0,             // full reset (host reset, start of processing)
        SampleRateChanged = 1, // stateful producers redo their rate-dependent state
        ParameterJump = 2,     // smoothed values jump to their targets; nothing is reset
        LocalReset = 3,        // reset this environment's producers only, not the children
    };

    static constexpr int defaultBlockSize = 1024;
    static constexpr float rateTolerance = 1.1920929e-7f;

    // Called with this environment after every effective sample-rate change; set once during setup.
    std::function<void(Environment&)> sampleRateHandler;
    // The largest frame count the processing frame hands to the graph at once.
    int processingBlockSize = defaultBlockSize;
    // Registered active producers in run order; the first frontGroupSize of them form the front group.
    std::vector<Producer*> runList;
    int frontGroupSize = 0;
    std::uint8_t shuttingDown = 0;
    std::uint8_t displayWatched = 0;
    // Sample count of every block.
    int blockBufferSize = defaultBlockSize;
    // Producers ever constructed here: the capacity the run list and the stateful list keep.
    int producerCount = 0;
    std::int64_t discontinuityTime = 0;
    std::int64_t resetTime = 0;
    std::int64_t currentTime = 0;
    // Producers taking part in reset and idle checks.
    std::vector<Producer*> statefulList;
    float sampleRate = 44100.0f;
    std::vector<Environment*> children;
    Environment* parent = nullptr;
    float rateFactor = 1.0f; // this environment's rate relative to its parent's
    BasicBlock<float> scratchBlocks[2];
    int frameCounter = 0;
    ConstValueBlock zeroBlock;

    Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    virtual ~Environment();
    virtual int bufferSize() const { return blockBufferSize; }
    // Block sizes stay fixed in this environment, so block listeners need no bookkeeping.
    virtual void addBlockListener(DynamicMaxBlockSizeListener*) {}
    virtual void removeBlockListener(DynamicMaxBlockSizeListener*) {}

    void beginFrame();
    void advance(int n, bool skip);
    void setSampleRate(float rate);
    void notify(Notification kind);
    bool allIdle() const;
    void shutDown();
    void setDisplayWatched(bool watched);

    // Setup: child environments are not owned; a child leaves its parent's list when destroyed.
    void addChild(Environment& child, float factor);
    void removeChild(Environment& child);

    // Registry; called by Producer. Insertions stay within the capacity reserved by
    // registerProducerCapacity, so they never allocate.
    void addProducer(Producer* producer, int order);
    void removeProducer(Producer* producer);
    void addStatefulProducer(Producer* producer);
    void removeStatefulProducer(Producer* producer);
    void registerProducerCapacity();

private:
    void storeSampleRate(float rate);
    // The part of a sample a parent frame left over for this environment when its rate factor makes a
    // frame a fractional number of its samples; carried so its time stays exact.
    double sampleRemainder = 0.0;
};

} // namespace wave
