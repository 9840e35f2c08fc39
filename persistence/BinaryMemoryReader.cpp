// The read-only stream buffer behind BinaryMemoryReader.
#include "persistence/BinaryMemoryReader.h"

BinaryMemoryReader::Buffer::Buffer(std::span<const std::uint8_t> bytes) {
    // The get area is never written through: no put area exists and putback only moves the pointer.
    char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
    setg(begin, begin, begin + bytes.size());
}

BinaryMemoryReader::Buffer::pos_type
BinaryMemoryReader::Buffer::seekoff(off_type offset, std::ios::seekdir direction, std::ios::openmode which) {
    const off_type size = egptr() - eback();
    off_type origin = 0;
    if (direction == std::ios::cur)
        origin = gptr() - eback();
    else if (direction == std::ios::end)
        origin = size;
    // Compared before adding, so that no offset can overflow.
    if (offset < -origin || offset > size - origin) return pos_type(off_type(-1));
    return seekpos(pos_type(origin + offset), which);
}

BinaryMemoryReader::Buffer::pos_type BinaryMemoryReader::Buffer::seekpos(pos_type position,
                                                                         std::ios::openmode which) {
    const off_type target = position;
    if (!(which & std::ios::in) || target < 0 || target > egptr() - eback()) return pos_type(off_type(-1));
    setg(eback(), eback() + target, egptr());
    return position;
}

BinaryMemoryReader::BinaryMemoryReader(std::span<const std::uint8_t> bytes)
    : BinaryDataReader(nullptr), buffer_(bytes), input_(&buffer_) {
    attach(&input_);
}

BinaryMemoryReader::~BinaryMemoryReader() = default;
