// Writing the little-endian binary form shared by presets, the host state and the settings files: raw
// bytes, 32-bit integers, reals, counted strings and chunk headers into any std::ostream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string_view>

// The stream's failure state is the only error signal: nothing here throws; callers check good() after a
// group of writes.
class BinaryDataWriter {
public:
    // The stream is not owned; null writes nothing and is never good. Its exception mask is cleared so
    // that a failed write can never throw.
    explicit BinaryDataWriter(std::ostream* stream);
    virtual ~BinaryDataWriter();
    BinaryDataWriter(const BinaryDataWriter&) = delete;
    BinaryDataWriter& operator=(const BinaryDataWriter&) = delete;

    std::ostream* stream() const { return stream_; }

    // True while every write so far was accepted.
    bool good() const;

    // The write position in bytes from the stream's start; -1 when the stream cannot tell it.
    std::int64_t position() const;
    // False (and the stream failed) when the stream cannot move there.
    bool setPosition(std::int64_t position);

    void writeBytes(const void* source, std::size_t count);
    void writeInt32(std::int32_t value);
    // Two little-endian 32-bit halves, the low one first.
    void writeInt64(std::int64_t value);
    void writeFloat(float value);
    // A 32-bit byte count and the bytes as they are, no terminator. A text longer than a count can say
    // fails the stream and writes nothing.
    void writeString(std::string_view text);
    // The first 4 characters of the tag (a shorter tag padded with zero bytes), then the version.
    void writeChunkHeader(std::string_view tag, std::int32_t version);

protected:
    // For owning writers, which create their stream after this base.
    void attach(std::ostream* stream);

private:
    std::ostream* stream_ = nullptr;
};
