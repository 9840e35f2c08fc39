// The host's ends of the CLAP state streams, held in memory. Each moves at most a set number of bytes per
// call, as hosts that read and write state in small pieces do; a plug-in must loop until done.
#pragma once

#include "clap/abi/Plugin.h"

#include <cstdint>
#include <span>
#include <vector>

namespace claphost {

// Collects what the plug-in writes.
class OutputByteStream {
public:
    explicit OutputByteStream(uint64_t maxBytesPerCall = UINT64_MAX);
    OutputByteStream(const OutputByteStream&) = delete;
    OutputByteStream& operator=(const OutputByteStream&) = delete;

    const clap_ostream_t* clapStream() const { return &stream_; }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    uint32_t callCount() const { return calls_; }

private:
    int64_t write(const void* buffer, uint64_t size);

    uint64_t maxBytesPerCall_;
    std::vector<uint8_t> bytes_;
    uint32_t calls_ = 0;
    clap_ostream_t stream_{};
};

// Hands bytes to the plug-in; answers 0 at the end. The bytes must outlive the stream.
class InputByteStream {
public:
    InputByteStream(std::span<const uint8_t> bytes, uint64_t maxBytesPerCall = UINT64_MAX);
    InputByteStream(const InputByteStream&) = delete;
    InputByteStream& operator=(const InputByteStream&) = delete;

    const clap_istream_t* clapStream() const { return &stream_; }
    uint64_t position() const { return position_; }
    uint32_t callCount() const { return calls_; }

private:
    int64_t read(void* buffer, uint64_t size);

    std::span<const uint8_t> bytes_;
    uint64_t maxBytesPerCall_;
    uint64_t position_ = 0;
    uint32_t calls_ = 0;
    clap_istream_t stream_{};
};

} // namespace claphost
