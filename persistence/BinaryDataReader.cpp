// Little-endian reads over a std::istream; every shortfall ends as the stream's failure state.
#include "persistence/BinaryDataReader.h"

#include "persistence/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Strings are read in pieces of this size, so memory follows what the stream really holds and not the
// count it claims.
constexpr std::size_t kStringPiece = 64 * 1024;

// The tag as the writer stores it: its first 4 bytes, zero padded.
std::array<char, 4> paddedTag(std::string_view tag) {
    std::array<char, 4> result{};
    std::copy_n(tag.begin(), std::min<std::size_t>(tag.size(), result.size()), result.begin());
    return result;
}

} // namespace

BinaryDataReader::BinaryDataReader(std::istream* stream) {
    attach(stream);
}

BinaryDataReader::~BinaryDataReader() = default;

void BinaryDataReader::attach(std::istream* stream) {
    stream_ = stream;
    if (stream_) stream_->exceptions(std::ios::goodbit);
}

bool BinaryDataReader::good() const {
    return stream_ && !stream_->fail();
}

void BinaryDataReader::clearFailure() {
    if (stream_) stream_->clear();
}

std::int64_t BinaryDataReader::position() const {
    if (!good()) return -1;
    // An end-of-stream mark alone (left by skipBytes reaching the end exactly) would make tellg fail.
    stream_->clear();
    return static_cast<std::int64_t>(stream_->tellg());
}

bool BinaryDataReader::setPosition(std::int64_t position) {
    if (!stream_) return false;
    if (position < 0) {
        stream_->setstate(std::ios::failbit);
        return false;
    }
    stream_->seekg(static_cast<std::streamoff>(position));
    return good();
}

void BinaryDataReader::readBytes(void* target, std::size_t count) {
    if (count == 0) return;
    if (good() && count <= static_cast<std::size_t>(std::numeric_limits<std::streamsize>::max())) {
        const auto wanted = static_cast<std::streamsize>(count);
        stream_->read(static_cast<char*>(target), wanted);
        if (stream_->gcount() == wanted) return;
    }
    std::memset(target, 0, count);
    if (stream_) stream_->setstate(std::ios::failbit);
}

void BinaryDataReader::skipBytes(std::int64_t count) {
    if (count <= 0) return;
    if (good()) {
        stream_->ignore(static_cast<std::streamsize>(count));
        if (stream_->gcount() == count) return;
    }
    if (stream_) stream_->setstate(std::ios::failbit);
}

std::int32_t BinaryDataReader::readInt32() {
    std::array<char, 4> bytes{};
    readBytes(bytes.data(), bytes.size());
    return decodeLittleEndianInt32(bytes);
}

std::int64_t BinaryDataReader::readInt64() {
    const auto low = static_cast<std::uint32_t>(readInt32());
    const auto high = static_cast<std::uint32_t>(readInt32());
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(high) << 32 | low);
}

float BinaryDataReader::readFloat() {
    std::array<char, 4> bytes{};
    readBytes(bytes.data(), bytes.size());
    return decodeLittleEndianFloat(bytes);
}

std::string BinaryDataReader::readString() {
    const std::int32_t count = readInt32();
    if (count <= 0) return {};
    std::string result;
    std::size_t remaining = static_cast<std::size_t>(count);
    while (remaining > 0 && good()) {
        const std::size_t piece = std::min(remaining, kStringPiece);
        const std::size_t start = result.size();
        result.resize(start + piece);
        readBytes(result.data() + start, piece);
        remaining -= piece;
    }
    if (!good()) return {};
    return result;
}

bool BinaryDataReader::readChunkHeader(std::string_view expectedTag) {
    std::array<char, 4> tag{};
    readBytes(tag.data(), tag.size());
    lastChunkVersion_ = readInt32();
    if (!good()) {
        lastChunkTag_ = {};
        return false;
    }
    lastChunkTag_ = tag;
    return tag == paddedTag(expectedTag);
}

std::string BinaryDataReader::lastChunkTag() const {
    std::string_view tag(lastChunkTag_.data(), lastChunkTag_.size());
    while (!tag.empty() && tag.back() == '\0')
        tag.remove_suffix(1);
    return std::string(tag);
}
