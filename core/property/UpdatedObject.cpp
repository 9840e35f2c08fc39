// Deferred notification records fired on update.
#include "core/property/UpdatedObject.h"

void UpdatedObject::update() {
    // Indices, not iterators: a handler may add records while we fire.
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (!m_records[i].pending) continue;
        m_records[i].pending = false;
        m_records[i].event->fire(m_records[i].argument);
    }
}

std::size_t UpdatedObject::addRecord(NotifyEvent& event, void* argument) {
    m_records.push_back({&event, false, argument});
    return m_records.size() - 1;
}

void UpdatedObject::markPending(std::size_t record) {
    m_records.at(record).pending = true;
}

void UpdatedObject::markPending(std::size_t record, void* argument) {
    PendingRecord& entry = m_records.at(record);
    entry.pending = true;
    entry.argument = argument;
}

bool UpdatedObject::isPending(std::size_t record) const {
    return m_records.at(record).pending;
}
