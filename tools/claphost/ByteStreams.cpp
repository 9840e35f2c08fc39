// In-memory state streams that move a limited number of bytes per call.
#include "tools/claphost/ByteStreams.h"

#include <algorithm>
#include <cstring>

namespace claphost {

OutputByteStream::OutputByteStream(uint64_t maxBytesPerCall)
    : maxBytesPerCall_(std::max<uint64_t>(maxBytesPerCall, 1)) {
    stream_.ctx = this;
    stream_.write = [](const clap_ostream_t* stream, const void* buffer, uint64_t size) {
        return static_cast<OutputByteStream*>(stream->ctx)->write(buffer, size);
    };
}

int64_t OutputByteStream::write(const void* buffer, uint64_t size) {
    ++calls_;
    if (size == 0) return 0;
    if (!buffer) return -1;
    uint64_t count = std::min({size, maxBytesPerCall_, uint64_t(INT64_MAX)});
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    bytes_.insert(bytes_.end(), bytes, bytes + count);
    return int64_t(count);
}

InputByteStream::InputByteStream(std::span<const uint8_t> bytes, uint64_t maxBytesPerCall)
    : bytes_(bytes), maxBytesPerCall_(std::max<uint64_t>(maxBytesPerCall, 1)) {
    stream_.ctx = this;
    stream_.read = [](const clap_istream_t* stream, void* buffer, uint64_t size) {
        return static_cast<InputByteStream*>(stream->ctx)->read(buffer, size);
    };
}

int64_t InputByteStream::read(void* buffer, uint64_t size) {
    ++calls_;
    uint64_t count = std::min({size, maxBytesPerCall_, uint64_t(bytes_.size() - position_)});
    if (count == 0) return 0;
    if (!buffer) return -1;
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return int64_t(count);
}

} // namespace claphost
