// A first-in first-out queue of fixed-size records for several producer threads and one consumer thread.
// Nodes live in a pool addressed by 16-bit indices; every link word carries a 16-bit modification tag
// that each compare-and-swap increases, so a stale word never compares equal after a node was reused.
// The pool grows in separately allocated chunks, so a node never moves while another thread reads it.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <type_traits>

template <typename T> class LockFreeQueue {
    static_assert(std::is_trivially_copyable_v<T>, "records are copied bytewise between threads");

public:
    static constexpr int kMaximumNodes = 65536;

    // Main thread (construction): the pool starts with initialNodes nodes and may grow to maximumNodes.
    LockFreeQueue(int initialNodes, int maximumNodes)
        : maximumNodes_(clampCount(maximumNodes, 3)),
          nodeCount_(0) {
        int initial = clampCount(initialNodes, 3);
        if (initial > maximumNodes_) initial = maximumNodes_;
        std::lock_guard<std::mutex> guard(poolLock_);
        addNodes(initial);
        // Node 0 means "none"; node 1 is the first dummy of the list.
        const uint32_t dummy = popFree();
        node(dummy).link.store(0);
        head_.store(dummy);
        tail_.store(dummy);
    }

    LockFreeQueue(const LockFreeQueue&) = delete;
    LockFreeQueue& operator=(const LockFreeQueue&) = delete;

    // Any thread. Answers false (and drops the record) when the pool is at its maximum and full.
    bool push(const T& record) {
        uint32_t index = popFree();
        while (index == 0) {
            if (!grow()) return false;
            index = popFree();
        }
        Node& fresh = node(index);
        fresh.record = record;
        const uint32_t oldLink = fresh.link.load();
        fresh.link.store(withTag(0, oldLink));
        for (;;) {
            const uint32_t tail = tail_.load();
            Node& last = node(indexOf(tail));
            const uint32_t link = last.link.load();
            if (tail != tail_.load()) continue;
            if (indexOf(link) != 0) {
                uint32_t expected = tail;
                tail_.compare_exchange_strong(expected, withTag(indexOf(link), tail));
                continue;
            }
            uint32_t expectedLink = link;
            if (last.link.compare_exchange_strong(expectedLink, withTag(index, link))) {
                uint32_t expected = tail;
                tail_.compare_exchange_strong(expected, withTag(index, tail));
                return true;
            }
        }
    }

    // Consumer thread only. Answers false when the queue is empty.
    bool pop(T& out) {
        for (;;) {
            const uint32_t head = head_.load();
            const uint32_t tail = tail_.load();
            const uint32_t link = node(indexOf(head)).link.load();
            if (head != head_.load()) continue;
            if (indexOf(head) == indexOf(tail)) {
                if (indexOf(link) == 0) return false;
                uint32_t expected = tail;
                tail_.compare_exchange_strong(expected, withTag(indexOf(link), tail));
                continue;
            }
            out = node(indexOf(link)).record;
            uint32_t expected = head;
            if (head_.compare_exchange_strong(expected, withTag(indexOf(link), head))) {
                pushFree(indexOf(head));
                return true;
            }
        }
    }

    // Consumer thread only: copies the oldest record without removing it.
    bool peek(T& out) const {
        const uint32_t head = head_.load();
        const uint32_t link = node(indexOf(head)).link.load();
        if (indexOf(link) == 0) return false;
        out = node(indexOf(link)).record;
        return true;
    }

    // Consumer thread only.
    bool empty() const { return indexOf(node(indexOf(head_.load())).link.load()) == 0; }

    // Any thread: the number of nodes the pool holds now (one is always the list's dummy, node 0 is unused).
    int nodeCount() const { return nodeCount_.load(); }
    int maximumNodeCount() const { return maximumNodes_; }

private:
    static constexpr int kChunkShift = 8;
    static constexpr int kChunkSize = 1 << kChunkShift;
    static constexpr uint32_t kIndexMask = 0xFFFFu;
    static constexpr uint32_t kTagStep = 0x10000u;

    struct Node {
        std::atomic<uint32_t> link{0};
        T record{};
    };

    static int clampCount(int count, int minimum) {
        if (count < minimum) return minimum;
        return count > kMaximumNodes ? kMaximumNodes : count;
    }
    static uint32_t indexOf(uint32_t word) { return word & kIndexMask; }
    // The new word for index, with the tag of the word it replaces increased by one.
    static uint32_t withTag(uint32_t index, uint32_t replaced) {
        return ((replaced & ~kIndexMask) + kTagStep) | index;
    }

    Node& node(uint32_t index) const {
        return chunks_[index >> kChunkShift].load(std::memory_order_relaxed)[index & (kChunkSize - 1)];
    }

    uint32_t popFree() {
        for (;;) {
            uint32_t top = freeHead_.load();
            const uint32_t index = indexOf(top);
            if (index == 0) return 0;
            const uint32_t next = indexOf(node(index).link.load());
            if (freeHead_.compare_exchange_strong(top, withTag(next, top))) return index;
        }
    }

    void pushFree(uint32_t index) {
        Node& freed = node(index);
        for (;;) {
            uint32_t top = freeHead_.load();
            const uint32_t link = freed.link.load();
            freed.link.store(withTag(indexOf(top), link));
            if (freeHead_.compare_exchange_strong(top, withTag(index, top))) return;
        }
    }

    // Enlarges the pool to min(2 × count, maximum). Answers false when it is already at its maximum.
    bool grow() {
        std::lock_guard<std::mutex> guard(poolLock_);
        if (indexOf(freeHead_.load()) != 0) return true; // another producer grew it meanwhile
        const int count = nodeCount_.load();
        if (count >= maximumNodes_) return false;
        addNodes(std::min(2 * count, maximumNodes_) - count);
        return true;
    }

    // Called under the pool lock: allocates the chunks for `extra` more nodes and frees them.
    void addNodes(int extra) {
        const int first = nodeCount_.load();
        const int last = first + extra;
        for (int chunk = first >> kChunkShift; chunk <= (last - 1) >> kChunkShift; ++chunk) {
            if (chunks_[chunk].load(std::memory_order_relaxed) == nullptr) {
                storage_[chunk] = std::make_unique<Node[]>(kChunkSize);
                chunks_[chunk].store(storage_[chunk].get(), std::memory_order_relaxed);
            }
        }
        for (int index = last - 1; index >= first; --index)
            if (index != 0) pushFree(static_cast<uint32_t>(index));
        nodeCount_.store(last);
    }

    static constexpr int kChunkCount = kMaximumNodes / kChunkSize;

    const int maximumNodes_;
    std::atomic<int> nodeCount_;
    std::array<std::atomic<Node*>, kChunkCount> chunks_{};
    std::array<std::unique_ptr<Node[]>, kChunkCount> storage_;
    std::mutex poolLock_;
    std::atomic<uint32_t> freeHead_{0};
    std::atomic<uint32_t> head_{0};
    std::atomic<uint32_t> tail_{0};
};
