// The vector-backed stream buffer behind BinaryMemoryWriter.
#include "persistence/BinaryMemoryWriter.h"

#include <cstring>

BinaryMemoryWriter::Buffer::Buffer(std::vector<std::uint8_t>& target, Growth growth)
    : target_(target), growth_(growth), position_(target.size()) {}

void BinaryMemoryWriter::Buffer::rewind() {
    target_.clear();
    position_ = 0;
}

BinaryMemoryWriter::Buffer::int_type BinaryMemoryWriter::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize BinaryMemoryWriter::Buffer::xsputn(const char* source, std::streamsize count) {
    if (count <= 0) return 0;
    const auto length = static_cast<std::size_t>(count);
    if (length > target_.max_size() - position_) return 0;
    const std::size_t end = position_ + length;
    if (end > target_.size()) {
        if (growth_ == Growth::WithinCapacity && end > target_.capacity()) return 0;
        // An allocation failure here is caught by the stream and becomes its failure state.
        target_.resize(end);
    }
    std::memcpy(target_.data() + position_, source, length);
    position_ = end;
    return count;
}

BinaryMemoryWriter::Buffer::pos_type
BinaryMemoryWriter::Buffer::seekoff(off_type offset, std::ios::seekdir direction, std::ios::openmode which) {
    const auto size = static_cast<off_type>(target_.size());
    off_type origin = 0;
    if (direction == std::ios::cur)
        origin = static_cast<off_type>(position_);
    else if (direction == std::ios::end)
        origin = size;
    if (offset < -origin || offset > size - origin) return pos_type(off_type(-1));
    return seekpos(pos_type(origin + offset), which);
}

BinaryMemoryWriter::Buffer::pos_type BinaryMemoryWriter::Buffer::seekpos(pos_type position,
                                                                         std::ios::openmode which) {
    const off_type target = position;
    if (!(which & std::ios::out) || target < 0 || target > static_cast<off_type>(target_.size()))
        return pos_type(off_type(-1));
    position_ = static_cast<std::size_t>(target);
    return position;
}

BinaryMemoryWriter::BinaryMemoryWriter(std::vector<std::uint8_t>& target, Growth growth)
    : BinaryDataWriter(nullptr), buffer_(target, growth), output_(&buffer_) {
    attach(&output_);
}

BinaryMemoryWriter::~BinaryMemoryWriter() = default;

void BinaryMemoryWriter::rewind() {
    buffer_.rewind();
    output_.clear();
}
