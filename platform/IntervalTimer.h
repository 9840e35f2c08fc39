// Milliseconds elapsed since a start mark, from the system's monotonic millisecond clock.
#pragma once

#include <cstdint>
#include <memory>

class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    // Any thread. Wraps around after about 49 days, like the clock it reads.
    virtual std::uint32_t elapsedMilliseconds() const = 0;
    // The thread that owns the timer: sets the start mark to now.
    virtual void reset() = 0;
};

// The start mark is set at creation. Defined by the platform realisation.
std::unique_ptr<IntervalTimer> createIntervalTimer();
