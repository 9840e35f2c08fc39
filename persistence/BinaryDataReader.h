// Reading the little-endian binary form shared by presets, the host state and the settings files: raw
// bytes, 32-bit integers, reals, counted strings and chunk headers over any std::istream.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

// The stream's failure state is the only error signal: nothing here throws, and every read on a failed
// stream yields zeros or an empty string, so callers check good() once after a group of reads.
class BinaryDataReader {
public:
    // The stream is not owned; null reads as an always-failed stream. Its exception mask is cleared so
    // that a failed read can never throw.
    explicit BinaryDataReader(std::istream* stream);
    virtual ~BinaryDataReader();
    BinaryDataReader(const BinaryDataReader&) = delete;
    BinaryDataReader& operator=(const BinaryDataReader&) = delete;

    std::istream* stream() const { return stream_; }

    // True while no read has fallen short.
    bool good() const;
    // Clears the failure state so that reading can go on, e.g. after probing for an optional block.
    void clearFailure();

    // The read position in bytes from the stream's start; -1 when the stream cannot tell it.
    std::int64_t position() const;
    // False (and the stream failed) when the stream cannot move there.
    bool setPosition(std::int64_t position);

    // On a short read the whole target is zeroed and the stream fails.
    void readBytes(void* target, std::size_t count);
    // Passes over count bytes without storing them; fails when the stream holds fewer.
    void skipBytes(std::int64_t count);
    // 0 after a short read.
    std::int32_t readInt32();
    std::int64_t readInt64();
    // 0.0f after a short read.
    float readFloat();
    // A 32-bit byte count and that many bytes. A count of zero or less is the empty string and consumes
    // only the count. The bytes are read in bounded pieces, so a count larger than the stream costs no
    // more memory than the stream holds; the result is empty when the stream ends early.
    std::string readString();

    // Reads a 4-byte tag and a 32-bit number, keeps both (see lastChunkTag and lastChunkVersion) and
    // answers whether the stream is still good and the tag equals expectedTag, compared byte-wise after
    // padding expectedTag with zero bytes to 4 (as the writer stores it).
    bool readChunkHeader(std::string_view expectedTag);
    // The number read with the last chunk header; -1 before any header was read, 0 after a failed one.
    std::int32_t lastChunkVersion() const { return lastChunkVersion_; }
    // The tag of the last chunk header without its zero padding; empty when that read failed.
    std::string lastChunkTag() const;

protected:
    // For owning readers, which create their stream after this base.
    void attach(std::istream* stream);

private:
    std::istream* stream_ = nullptr;
    std::int32_t lastChunkVersion_ = -1;
    std::array<char, 4> lastChunkTag_{};
};
