// Planar audio channels for process tests, each framed by guard samples with a marker bit pattern, so a
// test can tell whether a plug-in wrote past a buffer, left samples unwritten or changed its input.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace claptest {

class GuardedChannels {
public:
    static constexpr size_t kGuardSamples = 64;
    static constexpr uint32_t kGuardBits = 0x7fe5a5a5;     // NaNs no arithmetic produces
    static constexpr uint32_t kUnwrittenBits = 0x7fc0dead; // the pre-fill of output samples

    GuardedChannels(uint32_t channelCount, uint32_t maxFrames);

    uint32_t channelCount() const { return uint32_t(pointers_.size()); }
    uint32_t maxFrames() const { return maxFrames_; }
    std::span<float* const> pointers() const { return pointers_; }
    float* channel(uint32_t index) const { return pointers_[index]; }

    // Sets every sample (guards excluded) to the unwritten marker.
    void markUnwritten();
    // Whether any guard sample changed; the answer names the first one.
    bool guardsIntact(std::string& where) const;
    // The raw bits of every sample including the guards, to compare before and after a call.
    std::vector<uint32_t> bits() const;

private:
    uint32_t maxFrames_;
    std::vector<std::vector<float>> storage_;
    std::vector<float*> pointers_;
};

} // namespace claptest
