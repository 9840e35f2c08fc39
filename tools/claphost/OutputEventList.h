// A host's output event list: collects the events a plug-in pushes from process or a parameters flush,
// copying each as long as its header says. A capacity makes the list refuse further events, as a full
// host queue would.
#pragma once

#include "clap/abi/Events.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace claphost {

class OutputEventList {
public:
    // Events longer than this are refused as malformed: no event of the standard comes near it.
    static constexpr uint32_t kMaxEventSize = 4096;

    explicit OutputEventList(uint32_t capacity = UINT32_MAX);
    OutputEventList(const OutputEventList&) = delete;
    OutputEventList& operator=(const OutputEventList&) = delete;

    void clear();

    uint32_t size() const { return uint32_t(offsets_.size()); }
    // The event at a position in push order, or null past the end.
    const clap_event_header_t* get(uint32_t index) const;
    // The event as a core event of this type and at least this size, or null.
    template <class Event> const Event* as(uint32_t index, uint16_t type) const {
        const clap_event_header_t* event = get(index);
        if (!event || event->space_id != CLAP_CORE_EVENT_SPACE_ID || event->type != type ||
            event->size < sizeof(Event))
            return nullptr;
        return reinterpret_cast<const Event*>(event);
    }

    // Pushes refused because the list was full, and pushes of null or malformed events.
    uint32_t refusedCount() const { return refused_; }
    uint32_t malformedCount() const { return malformed_; }

    // The record to put into a process call or a parameters flush; valid while the list lives.
    const clap_output_events_t* clapEvents() const { return &events_; }

private:
    bool tryPush(const clap_event_header_t* event);

    uint32_t capacity_;
    std::vector<std::byte> storage_;
    std::vector<size_t> offsets_;
    uint32_t refused_ = 0;
    uint32_t malformed_ = 0;
    clap_output_events_t events_{};
};

} // namespace claphost
