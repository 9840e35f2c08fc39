// A host's input event list: events of any kind are copied in and handed out in time order (events of
// equal time keep the order they were added in), through the clap_input_events record. Build it on the
// main thread, then let the audio thread read it.
#pragma once

#include "clap/abi/Events.h"

#include <cstddef>
#include <cstring>
#include <type_traits>
#include <vector>

namespace claphost {

class InputEventList {
public:
    InputEventList();
    InputEventList(const InputEventList&) = delete;
    InputEventList& operator=(const InputEventList&) = delete;

    void clear();

    // Copies sizeof(Event) bytes; the header's size field is left as the caller wrote it, so deliberately
    // odd events (foreign space ids, unknown types) can be sent as well.
    template <class Event> void push(const Event& event) {
        static_assert(std::is_trivially_copyable_v<Event> && sizeof(Event) >= sizeof(clap_event_header_t));
        pushBytes(&event, sizeof(Event));
    }

    void paramValue(uint32_t time, clap_id paramId, double value, void* cookie = nullptr);
    void paramMod(uint32_t time, clap_id paramId, double amount, void* cookie = nullptr);
    void gestureBegin(uint32_t time, clap_id paramId);
    void gestureEnd(uint32_t time, clap_id paramId);
    void noteOn(uint32_t time, int16_t key, double velocity, int16_t channel = 0, int16_t port = 0,
                int32_t noteId = -1);
    void noteOff(uint32_t time, int16_t key, double velocity, int16_t channel = 0, int16_t port = 0,
                 int32_t noteId = -1);
    void midi(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2, uint16_t port = 0);

    uint32_t size() const { return uint32_t(order_.size()); }
    // The event at a position in time order, or null past the end.
    const clap_event_header_t* get(uint32_t index) const;

    // The record to put into a process call or a parameters flush; valid while the list lives.
    const clap_input_events_t* clapEvents() const { return &events_; }

private:
    static clap_event_header_t header(uint32_t size, uint32_t time, uint16_t type);
    void pushBytes(const void* event, size_t size);
    void gesture(uint16_t type, uint32_t time, clap_id paramId);
    void note(uint16_t type, uint32_t time, int16_t key, double velocity, int16_t channel, int16_t port,
              int32_t noteId);

    // Events packed at 8-byte aligned offsets; order_ holds their offsets sorted by time.
    std::vector<std::byte> storage_;
    std::vector<size_t> order_;
    clap_input_events_t events_{};
};

} // namespace claphost
