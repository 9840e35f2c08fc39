// The event queue: delivery on the creating thread only, nothing lost between several posting threads.
#include "platform/AsyncEventQueue.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct Received {
    std::vector<AsyncEventQueue::Event> events;
    std::vector<std::thread::id> threads;
};

void record(AsyncEventQueue& queue, Received& received) {
    queue.listeners.addHandler([&received](const AsyncEventQueue::Event& event) {
        received.events.push_back(event);
        received.threads.push_back(std::this_thread::get_id());
    });
}

TEST(AsyncEventQueue, DeliversOnlyOnTheCreatingThread) {
    auto queue = createAsyncEventQueue();
    Received received;
    record(*queue, received);

    std::thread poster([&] {
        EXPECT_TRUE(queue->post(-1025, 0x123456789ABCDEF0));
        EXPECT_TRUE(queue->post(7, -1));
        queue->dispatchPending();
    });
    poster.join();
    EXPECT_TRUE(received.events.empty());

    queue->dispatchPending();
    ASSERT_EQ(received.events.size(), 2u);
    EXPECT_EQ(received.events[0].type, -1025);
    EXPECT_EQ(received.events[0].value, 0x123456789ABCDEF0);
    EXPECT_EQ(received.events[1].type, 7);
    EXPECT_EQ(received.events[1].value, -1);
    for (std::thread::id thread : received.threads)
        EXPECT_EQ(thread, std::this_thread::get_id());

    queue->dispatchPending();
    EXPECT_EQ(received.events.size(), 2u);
}

TEST(AsyncEventQueue, LosesNothingPostedFromSeveralThreads) {
    auto queue = createAsyncEventQueue();
    Received received;
    record(*queue, received);

    const int threadCount = 4;
    const int postsPerThread = 1000;
    std::vector<std::thread> posters;
    for (int t = 0; t < threadCount; ++t) {
        posters.emplace_back([&queue, t] {
            for (int i = 0; i < postsPerThread; ++i)
                ASSERT_TRUE(queue->post(t, i));
        });
    }
    for (std::thread& poster : posters)
        poster.join();
    queue->dispatchPending();

    ASSERT_EQ(received.events.size(), static_cast<std::size_t>(threadCount * postsPerThread));
    // Each thread's events arrive complete and in the order it posted them.
    std::vector<std::int64_t> nextValue(threadCount, 0);
    for (const AsyncEventQueue::Event& event : received.events) {
        ASSERT_GE(event.type, 0);
        ASSERT_LT(event.type, threadCount);
        EXPECT_EQ(event.value, nextValue[static_cast<std::size_t>(event.type)]++);
    }
}

} // namespace
