// Delay: the ring buffer behind delay lines, holding at least the maximum delay plus one block.
#pragma once

#include "wave/AbstractDelay.h"
#include "wave/AlignedBuffer.h"
#include "wave/BasicBlock.h"
#include "wave/Component.h"
#include "wave/DynamicMaxBlockSizeListener.h"

namespace wave {

class Environment;

// A block is written first and then read back at any delay up to the maximum, so the ring holds the maximum
// delay plus the buffer size, rounded up to a power of two to wrap with a mask. The fill count tells which
// samples were ever written; everything older reads as silence, so a fresh or cleared line starts silent.
// Thread: sized during setup (setMaximumDelay and size changes allocate); write, read and clear on the audio
// thread.
class Delay : public Component, public AbstractDelay, public DynamicMaxBlockSizeListener {
public:
    Environment* environment;
    int maximumDelay = 0;
    AlignedBuffer<float> ring;
    int size = 0;
    int mask = 0;
    int writePosition = 0;
    int fillCount = 0;
    // Room for the owner's per-sample delay values.
    BasicBlock<float> scratch;

    Delay(Environment& environment, int maximumDelay);
    ~Delay() override;

    // The smallest power of two that holds samples; 0 when none is needed.
    static int ringSizeFor(int samples);

    void write(const float* samples, int n);
    void read(int delay, float* out, int n) override;
    void readInterpolated(const float* delays, float* out, int n) override;
    // Resizes (when needed) and clears the ring for a new maximum; nothing happens when it is unchanged.
    void setMaximumDelay(int delay);
    // Forgets everything written.
    void clear();
    // Keeps the newest samples that still fit.
    void maxBlockSizeChanged(int newSize) override;

private:
    void allocateRing(int blockSize);
};

} // namespace wave
