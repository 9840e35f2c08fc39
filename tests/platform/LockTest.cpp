// Locks (recursive per thread, exclusive between threads) and the interval timer.
#include "platform/IntervalTimer.h"
#include "platform/LockedObject.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Counter : LockedObject {
    int value = 0;
};

TEST(CriticalSection, IsRecursivePerThreadAndExclusiveBetweenThreads) {
    Counter counter;
    const int threadCount = 4;
    const int increments = 2000;
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&counter] {
            for (int i = 0; i < increments; ++i) {
                std::lock_guard outer(counter);
                std::lock_guard inner(counter);
                counter.value = counter.value + 1;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(counter.value, threadCount * increments);
}

TEST(IntervalTimer, CountsFromItsStartMark) {
    auto sinceCreation = createIntervalTimer();
    auto sinceReset = createIntervalTimer();
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    EXPECT_GE(sinceCreation->elapsedMilliseconds(), 30u);
    sinceReset->reset();
    // The second mark lies at least the sleep later than the first, whatever the machine does meanwhile.
    const std::uint32_t afterReset = sinceReset->elapsedMilliseconds();
    const std::uint32_t afterCreation = sinceCreation->elapsedMilliseconds();
    EXPECT_GE(afterCreation - afterReset, 30u);
}

} // namespace
