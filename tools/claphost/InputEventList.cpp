// Building and reading the host's input event list.
#include "tools/claphost/InputEventList.h"

#include <algorithm>

namespace claphost {

InputEventList::InputEventList() {
    events_.ctx = this;
    events_.size = [](const clap_input_events_t* list) {
        return static_cast<const InputEventList*>(list->ctx)->size();
    };
    events_.get = [](const clap_input_events_t* list, uint32_t index) {
        return static_cast<const InputEventList*>(list->ctx)->get(index);
    };
}

void InputEventList::clear() {
    storage_.clear();
    order_.clear();
}

const clap_event_header_t* InputEventList::get(uint32_t index) const {
    if (index >= order_.size()) return nullptr;
    return reinterpret_cast<const clap_event_header_t*>(storage_.data() + order_[index]);
}

void InputEventList::pushBytes(const void* event, size_t size) {
    auto timeAt = [this](size_t offset) {
        uint32_t time;
        std::memcpy(&time, storage_.data() + offset + offsetof(clap_event_header_t, time), sizeof time);
        return time;
    };
    size_t offset = (storage_.size() + 7) & ~size_t(7);
    storage_.resize(offset + size);
    std::memcpy(storage_.data() + offset, event, size);
    // After every event of the same time, so equal times keep the order they were added in.
    uint32_t time = timeAt(offset);
    auto position = std::upper_bound(order_.begin(), order_.end(), time,
                                     [&](uint32_t value, size_t at) { return value < timeAt(at); });
    order_.insert(position, offset);
}

clap_event_header_t InputEventList::header(uint32_t size, uint32_t time, uint16_t type) {
    return {size, time, CLAP_CORE_EVENT_SPACE_ID, type, 0};
}

void InputEventList::paramValue(uint32_t time, clap_id paramId, double value, void* cookie) {
    clap_event_param_value_t event{};
    event.header = header(sizeof event, time, CLAP_EVENT_PARAM_VALUE);
    event.param_id = paramId;
    event.cookie = cookie;
    event.note_id = -1;
    event.port_index = -1;
    event.channel = -1;
    event.key = -1;
    event.value = value;
    push(event);
}

void InputEventList::paramMod(uint32_t time, clap_id paramId, double amount, void* cookie) {
    clap_event_param_mod_t event{};
    event.header = header(sizeof event, time, CLAP_EVENT_PARAM_MOD);
    event.param_id = paramId;
    event.cookie = cookie;
    event.note_id = -1;
    event.port_index = -1;
    event.channel = -1;
    event.key = -1;
    event.amount = amount;
    push(event);
}

void InputEventList::gesture(uint16_t type, uint32_t time, clap_id paramId) {
    clap_event_param_gesture_t event{};
    event.header = header(sizeof event, time, type);
    event.param_id = paramId;
    push(event);
}

void InputEventList::gestureBegin(uint32_t time, clap_id paramId) {
    gesture(CLAP_EVENT_PARAM_GESTURE_BEGIN, time, paramId);
}

void InputEventList::gestureEnd(uint32_t time, clap_id paramId) { gesture(CLAP_EVENT_PARAM_GESTURE_END, time, paramId); }

void InputEventList::note(uint16_t type, uint32_t time, int16_t key, double velocity, int16_t channel, int16_t port,
                          int32_t noteId) {
    clap_event_note_t event{};
    event.header = header(sizeof event, time, type);
    event.note_id = noteId;
    event.port_index = port;
    event.channel = channel;
    event.key = key;
    event.velocity = velocity;
    push(event);
}

void InputEventList::noteOn(uint32_t time, int16_t key, double velocity, int16_t channel, int16_t port,
                            int32_t noteId) {
    note(CLAP_EVENT_NOTE_ON, time, key, velocity, channel, port, noteId);
}

void InputEventList::noteOff(uint32_t time, int16_t key, double velocity, int16_t channel, int16_t port,
                             int32_t noteId) {
    note(CLAP_EVENT_NOTE_OFF, time, key, velocity, channel, port, noteId);
}

void InputEventList::midi(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2, uint16_t port) {
    clap_event_midi_t event{};
    event.header = header(sizeof event, time, CLAP_EVENT_MIDI);
    event.port_index = port;
    event.data[0] = status;
    event.data[1] = data1;
    event.data[2] = data2;
    push(event);
}

} // namespace claphost
