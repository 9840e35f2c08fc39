// Interval timers over the monotonic clock.
#include "platform/IntervalTimer.h"

#include <time.h>

namespace {

std::uint32_t monotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
}

class PosixIntervalTimer final : public IntervalTimer {
public:
    std::uint32_t elapsedMilliseconds() const override { return monotonicMilliseconds() - m_start; }
    void reset() override { m_start = monotonicMilliseconds(); }

private:
    std::uint32_t m_start = monotonicMilliseconds();
};

} // namespace

std::unique_ptr<IntervalTimer> createIntervalTimer() {
    return std::make_unique<PosixIntervalTimer>();
}
