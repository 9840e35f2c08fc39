// Carries small events from any thread (the audio thread included) to the thread that created the queue,
// where its listeners run.
#pragma once

#include "core/property/NotifyEvent.h"

#include <cstdint>
#include <functional>
#include <memory>

class AsyncEventQueue {
public:
    struct Event {
        std::int32_t type;
        std::int64_t value;
    };

    virtual ~AsyncEventQueue() = default;

    // Any thread; real-time safe (no lock, no allocation unless the queue's pool must grow). False when the
    // event could not be queued.
    virtual bool post(std::int32_t type, std::int64_t value) = 0;

    // Any thread, but delivers only on the creating thread (elsewhere it does nothing): calls the listeners
    // for every event posted so far, in posting order per posting thread. Listeners may post again; such
    // events may be delivered within the same call.
    virtual void dispatchPending() = 0;

    // Creating thread only: subscribe and unsubscribe here, never while another thread could dispatch.
    BasicNotifyEvent<const Event&> listeners;
};

// Creating thread, which must also destroy the queue. `wakeHandler`, when given, is called from post after
// each queued event, on the posting thread, so that the owner can ask for dispatchPending on its thread; it
// must be real-time safe and thread-safe. Where the system itself delivers to the creating thread, it is not
// called. Defined by the platform realisation.
std::unique_ptr<AsyncEventQueue> createAsyncEventQueue(std::function<void()> wakeHandler = {});
