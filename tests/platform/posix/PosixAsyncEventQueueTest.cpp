// The Linux event queue asks its owner for delivery through the wake handler, once per posted event.
#include "platform/AsyncEventQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(PosixAsyncEventQueue, CallsTheWakeHandlerOnThePostingThreadForEachEvent) {
    std::atomic<int> wakes{0};
    std::thread::id wakingThread;
    auto queue = createAsyncEventQueue([&] {
        wakingThread = std::this_thread::get_id();
        ++wakes;
    });
    int delivered = 0;
    queue->listeners.addHandler([&](const AsyncEventQueue::Event&) { ++delivered; });

    std::thread::id posterId;
    std::thread poster([&] {
        posterId = std::this_thread::get_id();
        queue->post(1, 1);
        queue->post(2, 2);
    });
    poster.join();
    EXPECT_EQ(wakes.load(), 2);
    EXPECT_EQ(wakingThread, posterId);
    EXPECT_EQ(delivered, 0);
    queue->dispatchPending();
    EXPECT_EQ(delivered, 2);
}

} // namespace
