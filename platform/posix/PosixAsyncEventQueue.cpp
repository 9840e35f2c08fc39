// The event queue without a system message loop: posts go into a lock-free queue, and the owner drains it on
// the creating thread (from the host's timer or main-thread callback) after the wake handler asked for that.
#include "platform/AsyncEventQueue.h"

#include "core/LockFreeQueue.h"

#include <thread>

namespace {

class PosixAsyncEventQueue final : public AsyncEventQueue {
public:
    explicit PosixAsyncEventQueue(std::function<void()> wakeHandler)
        : m_wakeHandler(std::move(wakeHandler)) {}

    bool post(std::int32_t type, std::int64_t value) override {
        if (!m_events.push(Event{type, value})) return false;
        if (m_wakeHandler) m_wakeHandler();
        return true;
    }

    void dispatchPending() override {
        if (std::this_thread::get_id() != m_owner) return;
        Event event{};
        while (m_events.pop(event))
            listeners.fire(event);
    }

private:
    // Room for bursts of program changes and parameter notifications between two timer ticks.
    static constexpr int kInitialNodes = 256;
    static constexpr int kMaximumNodes = 16384;

    LockFreeQueue<Event> m_events{kInitialNodes, kMaximumNodes};
    std::function<void()> m_wakeHandler;
    std::thread::id m_owner = std::this_thread::get_id();
};

} // namespace

std::unique_ptr<AsyncEventQueue> createAsyncEventQueue(std::function<void()> wakeHandler) {
    return std::make_unique<PosixAsyncEventQueue>(std::move(wakeHandler));
}
