// Collecting the events a plug-in sends to its host.
#include "tools/claphost/OutputEventList.h"

#include <cstring>

namespace claphost {

OutputEventList::OutputEventList(uint32_t capacity) : capacity_(capacity) {
    events_.ctx = this;
    events_.try_push = [](const clap_output_events_t* list, const clap_event_header_t* event) {
        return static_cast<OutputEventList*>(list->ctx)->tryPush(event);
    };
}

void OutputEventList::clear() {
    storage_.clear();
    offsets_.clear();
    refused_ = 0;
    malformed_ = 0;
}

const clap_event_header_t* OutputEventList::get(uint32_t index) const {
    if (index >= offsets_.size()) return nullptr;
    return reinterpret_cast<const clap_event_header_t*>(storage_.data() + offsets_[index]);
}

bool OutputEventList::tryPush(const clap_event_header_t* event) {
    if (!event || event->size < sizeof(clap_event_header_t) || event->size > kMaxEventSize) {
        ++malformed_;
        return false;
    }
    if (offsets_.size() >= capacity_) {
        ++refused_;
        return false;
    }
    size_t offset = (storage_.size() + 7) & ~size_t(7);
    storage_.resize(offset + event->size);
    std::memcpy(storage_.data() + offset, event, event->size);
    offsets_.push_back(offset);
    return true;
}

} // namespace claphost
