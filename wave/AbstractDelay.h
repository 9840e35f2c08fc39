// AbstractDelay: the read interface of a delay ring buffer.
#pragma once

namespace wave {

// Delays are counted back from the newest samples: a delay of 0 reads the samples just written. Samples
// that were never written (or lie beyond the ring) read as 0.
// Thread: audio thread.
class AbstractDelay {
public:
    virtual ~AbstractDelay() = default;
    // The n samples ending delay samples before the write position, oldest first.
    virtual void read(int delay, float* out, int n) = 0;
    // Sample i read delays[i] (fractional) samples back from where sample i of the last n written lies,
    // interpolated linearly between its two neighbours.
    virtual void readInterpolated(const float* delays, float* out, int n) = 0;
};

} // namespace wave
