// Interval timers over the system's millisecond tick count.
#include "platform/IntervalTimer.h"

#include <windows.h>

namespace {

std::uint32_t tickMilliseconds() {
    return static_cast<std::uint32_t>(GetTickCount64());
}

class WindowsIntervalTimer final : public IntervalTimer {
public:
    std::uint32_t elapsedMilliseconds() const override { return tickMilliseconds() - m_start; }
    void reset() override { m_start = tickMilliseconds(); }

private:
    std::uint32_t m_start = tickMilliseconds();
};

} // namespace

std::unique_ptr<IntervalTimer> createIntervalTimer() {
    return std::make_unique<WindowsIntervalTimer>();
}
