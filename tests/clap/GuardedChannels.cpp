// Guarded planar buffers for the process tests.
#include "GuardedChannels.h"

#include <bit>

namespace claptest {

GuardedChannels::GuardedChannels(uint32_t channelCount, uint32_t maxFrames) : maxFrames_(maxFrames) {
    const float guard = std::bit_cast<float>(kGuardBits);
    storage_.assign(channelCount, std::vector<float>(maxFrames + 2 * kGuardSamples, guard));
    for (auto& samples : storage_)
        pointers_.push_back(samples.data() + kGuardSamples);
    markUnwritten();
}

void GuardedChannels::markUnwritten() {
    const float unwritten = std::bit_cast<float>(kUnwrittenBits);
    for (float* samples : pointers_)
        for (uint32_t i = 0; i < maxFrames_; ++i)
            samples[i] = unwritten;
}

bool GuardedChannels::guardsIntact(std::string& where) const {
    for (size_t c = 0; c < storage_.size(); ++c) {
        const std::vector<float>& samples = storage_[c];
        for (size_t i = 0; i < samples.size(); ++i) {
            bool inGuard = i < kGuardSamples || i >= kGuardSamples + maxFrames_;
            if (inGuard && std::bit_cast<uint32_t>(samples[i]) != kGuardBits) {
                long offset = long(i) - long(kGuardSamples);
                where = "channel " + std::to_string(c) + ", sample " + std::to_string(offset) +
                        (offset < 0 ? " (before the buffer)" : " (past the buffer)");
                return false;
            }
        }
    }
    return true;
}

std::vector<uint32_t> GuardedChannels::bits() const {
    std::vector<uint32_t> all;
    for (const auto& samples : storage_)
        for (float sample : samples)
            all.push_back(std::bit_cast<uint32_t>(sample));
    return all;
}

} // namespace claptest
