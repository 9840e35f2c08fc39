// Delay: ring allocation, block writes, integer and interpolated reads.
#include "wave/Delay.h"

#include "wave/Environment.h"

#include <algorithm>
#include <cstring>

namespace wave {

namespace {

// Far beyond any real delay; keeps the power-of-two rounding within int.
constexpr int largestDelay = 1 << 28;

} // namespace

Delay::Delay(Environment& owner, int maximum)
    : environment(&owner), maximumDelay(std::clamp(maximum, 0, largestDelay)), scratch(owner) {
    allocateRing(owner.bufferSize());
    owner.addBlockListener(this);
}

Delay::~Delay() {
    if (!environment->shuttingDown) environment->removeBlockListener(this);
}

int Delay::ringSizeFor(int samples) {
    if (samples <= 0) return 0;
    int ringSize = 1;
    while (ringSize < samples)
        ringSize <<= 1;
    return ringSize;
}

void Delay::allocateRing(int blockSize) {
    const int wanted = ringSizeFor(maximumDelay + std::clamp(blockSize, 0, largestDelay));
    if (wanted == size && ring.data != nullptr) {
        clear();
        return;
    }
    size = ring.allocate(wanted) ? wanted : 0;
    mask = size > 0 ? size - 1 : 0;
    writePosition = 0;
    fillCount = 0;
}

void Delay::write(const float* samples, int n) {
    if (n <= 0 || size == 0) return;
    if (n > size) {
        // Only the newest size samples survive; the position still moves by n.
        writePosition = (writePosition + (n - size)) & mask;
        samples += n - size;
        n = size;
    }
    const int first = std::min(n, size - writePosition);
    std::memcpy(ring.data + writePosition, samples, static_cast<std::size_t>(first) * sizeof(float));
    std::memcpy(ring.data, samples + first, static_cast<std::size_t>(n - first) * sizeof(float));
    writePosition = (writePosition + n) & mask;
    if (fillCount < size) fillCount = std::min(fillCount + n, size);
}

// Slots never written since the last clear hold zeros, so reads need no check against the fill count; the
// delays are only clamped so that no read wraps past the oldest sample into newer ones.

void Delay::read(int delay, float* out, int n) {
    if (n <= 0) return;
    if (n > size) {
        std::fill(out, out + n, 0.0f);
        return;
    }
    delay = std::clamp(delay, 0, size - n);
    const int start = (writePosition - n - delay) & mask;
    const int first = std::min(n, size - start);
    std::memcpy(out, ring.data + start, static_cast<std::size_t>(first) * sizeof(float));
    std::memcpy(out + first, ring.data, static_cast<std::size_t>(n - first) * sizeof(float));
}

void Delay::readInterpolated(const float* delays, float* out, int n) {
    if (n <= 0) return;
    if (n > size) {
        std::fill(out, out + n, 0.0f);
        return;
    }
    const float* samples = ring.data;
    const int ringMask = mask;
    const float longest = static_cast<float>(size - n);
    // Position of the first of the last n samples written: sample i at delay 0 reads itself.
    const int base = writePosition - n;
    for (int i = 0; i < n; ++i) {
        float d = delays[i];
        if (!(d >= 0.0f)) // also catches NaN
            d = 0.0f;
        else if (d > longest)
            d = longest;
        const int whole = static_cast<int>(d);
        const float fraction = d - static_cast<float>(whole);
        const int newer = (base + i - whole) & ringMask;
        const float newerSample = samples[newer];
        const float olderSample = samples[(newer - 1) & ringMask];
        out[i] = newerSample + fraction * (olderSample - newerSample);
    }
}

void Delay::setMaximumDelay(int delay) {
    delay = std::clamp(delay, 0, largestDelay);
    if (delay == maximumDelay) return;
    maximumDelay = delay;
    allocateRing(environment->bufferSize());
}

void Delay::clear() {
    if (ring.data != nullptr) std::memset(ring.data, 0, static_cast<std::size_t>(size) * sizeof(float));
    writePosition = 0;
    fillCount = 0;
}

void Delay::maxBlockSizeChanged(int newSize) {
    const int wanted = ringSizeFor(maximumDelay + std::clamp(newSize, 0, largestDelay));
    if (wanted == size) return;
    AlignedBuffer<float> fresh;
    if (!fresh.allocate(wanted)) {
        ring.release();
        size = mask = writePosition = fillCount = 0;
        return;
    }
    // Carry the newest samples over, oldest first, so the line plays on without a gap.
    const int kept = std::min(fillCount, wanted);
    read(0, fresh.data, kept);
    ring.swap(fresh);
    size = wanted;
    mask = size - 1;
    writePosition = kept & mask;
    fillCount = kept;
}

} // namespace wave
