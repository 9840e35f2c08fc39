// Deferred notification: changes mark records pending, and update fires each pending record's event once,
// however often it was marked since the last update.
#pragma once

#include "core/property/NotifyEvent.h"

#include <cstddef>
#include <vector>

class UpdatedObject {
public:
    virtual ~UpdatedObject() = default;

    // Fires the event of every pending record, in the order the records were added, and clears their flags.
    // A record marked again by a handler stays pending for the next update.
    virtual void update();

    // Adds a record for `event` (which must outlive this object) and returns its index for markPending.
    std::size_t addRecord(NotifyEvent& event, void* argument = nullptr);

    // Throws std::out_of_range for an index addRecord did not return.
    void markPending(std::size_t record);
    void markPending(std::size_t record, void* argument);
    bool isPending(std::size_t record) const;

private:
    struct PendingRecord {
        NotifyEvent* event;
        bool pending;
        void* argument;
    };

    std::vector<PendingRecord> m_records;
};
