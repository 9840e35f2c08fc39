// Little-endian writes into a std::ostream; every refusal ends as the stream's failure state.
#include "persistence/BinaryDataWriter.h"

#include "persistence/LittleEndian.h"

#include <algorithm>
#include <array>
#include <limits>

BinaryDataWriter::BinaryDataWriter(std::ostream* stream) {
    attach(stream);
}

BinaryDataWriter::~BinaryDataWriter() = default;

void BinaryDataWriter::attach(std::ostream* stream) {
    stream_ = stream;
    if (stream_) stream_->exceptions(std::ios::goodbit);
}

bool BinaryDataWriter::good() const {
    return stream_ && !stream_->fail();
}

std::int64_t BinaryDataWriter::position() const {
    if (!good()) return -1;
    return static_cast<std::int64_t>(stream_->tellp());
}

bool BinaryDataWriter::setPosition(std::int64_t position) {
    if (!stream_) return false;
    if (position < 0) {
        stream_->setstate(std::ios::failbit);
        return false;
    }
    stream_->seekp(static_cast<std::streamoff>(position));
    return good();
}

void BinaryDataWriter::writeBytes(const void* source, std::size_t count) {
    if (!stream_ || count == 0) return;
    if (count > static_cast<std::size_t>(std::numeric_limits<std::streamsize>::max())) {
        stream_->setstate(std::ios::failbit);
        return;
    }
    stream_->write(static_cast<const char*>(source), static_cast<std::streamsize>(count));
}

void BinaryDataWriter::writeInt32(std::int32_t value) {
    const std::array<char, 4> bytes = encodeLittleEndianInt32(value);
    writeBytes(bytes.data(), bytes.size());
}

void BinaryDataWriter::writeInt64(std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    writeInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
    writeInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32)));
}

void BinaryDataWriter::writeFloat(float value) {
    const std::array<char, 4> bytes = encodeLittleEndianFloat(value);
    writeBytes(bytes.data(), bytes.size());
}

void BinaryDataWriter::writeString(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        if (stream_) stream_->setstate(std::ios::failbit);
        return;
    }
    writeInt32(static_cast<std::int32_t>(text.size()));
    writeBytes(text.data(), text.size());
}

void BinaryDataWriter::writeChunkHeader(std::string_view tag, std::int32_t version) {
    std::array<char, 4> field{};
    std::copy_n(tag.begin(), std::min<std::size_t>(tag.size(), field.size()), field.begin());
    writeBytes(field.data(), field.size());
    writeInt32(version);
}
