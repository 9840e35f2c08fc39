// Forwarders stand in for handlers on source events: a fire only records its argument, and the list's update
// delivers each triggered forwarder's latest argument to its target handler once.
#pragma once

#include "core/property/UpdatedObject.h"

#include <memory>
#include <vector>

class EventForwarderList : public UpdatedObject {
public:
    class Forwarder {
    public:
        Forwarder(EventForwarderList& list, std::unique_ptr<NotifyEvent::Handler> target);

        // Subscribes this forwarder to `source`; the forwarder must outlive the subscription.
        void listenTo(NotifyEvent& source);

        // Records `argument` (the latest one wins) and queues the forwarder unless it waits already.
        void trigger(void* argument);

        bool isWaiting() const { return m_waiting; }

    private:
        friend class EventForwarderList;

        EventForwarderList& m_list;
        std::unique_ptr<NotifyEvent::Handler> m_target;
        bool m_waiting = false;
        void* m_argument = nullptr;
    };

    // The list owns its forwarders; the returned reference stays valid as long as the list.
    Forwarder& addForwarder(std::unique_ptr<NotifyEvent::Handler> target);

    template <typename T, typename C>
    requires std::derived_from<T, C> Forwarder& addForwarder(T* object, void (C::*method)(void*)) {
        return addForwarder(std::make_unique<NotifyEvent::HandlerImpl<C>>(object, method));
    }

    template <typename F>
    requires std::invocable<F&, void*> Forwarder& addForwarder(F function) {
        return addForwarder(std::make_unique<NotifyEvent::HandlerImplFunc<F>>(std::move(function)));
    }

    // Delivers the pending records, then the queued forwarders in the order they were triggered. A forwarder
    // triggered during delivery waits for the next update.
    void update() override;

private:
    std::vector<std::unique_ptr<Forwarder>> m_forwarders;
    // Both queues hold room for every forwarder, so triggering never allocates.
    std::vector<Forwarder*> m_queue;
    std::vector<Forwarder*> m_delivering;
};
