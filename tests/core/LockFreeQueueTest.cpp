// LockFreeQueue: order, capacity and growth, and several producers against one consumer.
#include "core/LockFreeQueue.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct Record {
    int producer;
    int sequence;
};

TEST(LockFreeQueue, KeepsOrderAndReportsEmpty) {
    LockFreeQueue<int> queue(4, 64);
    int value = -1;
    EXPECT_FALSE(queue.pop(value));
    EXPECT_FALSE(queue.peek(value));
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(queue.push(i));
    ASSERT_TRUE(queue.peek(value));
    EXPECT_EQ(value, 0);
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(queue.pop(value));
        EXPECT_EQ(value, i);
    }
    EXPECT_FALSE(queue.pop(value));
    EXPECT_TRUE(queue.empty());
}

TEST(LockFreeQueue, GrowsByDoublingUpToTheMaximumThenDrops) {
    LockFreeQueue<int> queue(1024, 65536);
    EXPECT_EQ(queue.nodeCount(), 1024);
    int accepted = 0;
    while (queue.push(accepted)) ++accepted;
    // Node 0 is never a data node and one node is always the list's dummy.
    EXPECT_EQ(accepted, 65534);
    EXPECT_EQ(queue.nodeCount(), 65536);
    EXPECT_FALSE(queue.push(1));

    int value = 0;
    ASSERT_TRUE(queue.pop(value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(queue.push(99)); // a drained node is reusable
    int count = 0;
    while (queue.pop(value)) ++count;
    EXPECT_EQ(count, 65534);
    EXPECT_EQ(value, 99);
}

TEST(LockFreeQueue, SeveralProducersLoseNothingAndKeepTheirOrder) {
    constexpr int kProducers = 4;
    constexpr int kPerProducer = 20000;
    LockFreeQueue<Record> queue(16, 65536); // small start: growth happens while others push
    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p)
        producers.emplace_back([&queue, p] {
            for (int i = 0; i < kPerProducer; ++i)
                while (!queue.push(Record{p, i})) std::this_thread::yield();
        });

    std::vector<int> next(kProducers, 0);
    int received = 0;
    while (received < kProducers * kPerProducer) {
        Record record{};
        if (!queue.pop(record)) {
            std::this_thread::yield();
            continue;
        }
        ASSERT_GE(record.producer, 0);
        ASSERT_LT(record.producer, kProducers);
        ASSERT_EQ(record.sequence, next[record.producer]) << "producer " << record.producer;
        ++next[record.producer];
        ++received;
    }
    for (auto& thread : producers) thread.join();
    Record extra{};
    EXPECT_FALSE(queue.pop(extra));
}

} // namespace
