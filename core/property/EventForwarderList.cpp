// Deferred delivery of forwarded events.
#include "core/property/EventForwarderList.h"

EventForwarderList::Forwarder::Forwarder(EventForwarderList& list,
                                         std::unique_ptr<NotifyEvent::Handler> target)
    : m_list(list), m_target(std::move(target)) {}

void EventForwarderList::Forwarder::listenTo(NotifyEvent& source) {
    source.addHandler(this, &Forwarder::trigger);
}

void EventForwarderList::Forwarder::trigger(void* argument) {
    m_argument = argument;
    if (m_waiting) return;
    m_waiting = true;
    m_list.m_queue.push_back(this);
}

EventForwarderList::Forwarder&
EventForwarderList::addForwarder(std::unique_ptr<NotifyEvent::Handler> target) {
    m_forwarders.push_back(std::make_unique<Forwarder>(*this, std::move(target)));
    m_queue.reserve(m_forwarders.size());
    m_delivering.reserve(m_forwarders.size());
    return *m_forwarders.back();
}

void EventForwarderList::update() {
    UpdatedObject::update();
    // An update called by a target while we deliver leaves the queue to this one.
    if (!m_delivering.empty()) return;
    m_delivering.swap(m_queue);
    // Indices, not iterators: a target may add forwarders, which grows this vector's room.
    for (std::size_t i = 0; i < m_delivering.size(); ++i) {
        Forwarder* forwarder = m_delivering[i];
        forwarder->m_waiting = false;
        if (forwarder->m_target) forwarder->m_target->invoke(forwarder->m_argument);
    }
    m_delivering.clear();
}
