// A binary writer into a byte vector: the host's state before it is handed over, and data handed from the
// audio thread to the main thread.
#pragma once

#include "persistence/BinaryDataWriter.h"

#include <cstdint>
#include <ostream>
#include <streambuf>
#include <vector>

class BinaryMemoryWriter : public BinaryDataWriter {
public:
    enum class Growth {
        // The vector grows as needed.
        Unbounded,
        // A write that would pass the vector's capacity fails instead, so that writing never allocates
        // (the audio thread's case: reserve first).
        WithinCapacity,
    };

    // Writing starts at the vector's end; the vector must outlive the writer.
    explicit BinaryMemoryWriter(std::vector<std::uint8_t>& target, Growth growth = Growth::Unbounded);
    ~BinaryMemoryWriter() override;

    // Empties the vector (keeping its capacity), clears the failure state and writes from the start again.
    void rewind();

private:
    // Writes at a position within the vector, overwriting or appending; positions may move within its
    // current size.
    class Buffer : public std::streambuf {
    public:
        Buffer(std::vector<std::uint8_t>& target, Growth growth);
        void rewind();

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* source, std::streamsize count) override;
        pos_type seekoff(off_type offset, std::ios::seekdir direction, std::ios::openmode which) override;
        pos_type seekpos(pos_type position, std::ios::openmode which) override;

    private:
        std::vector<std::uint8_t>& target_;
        Growth growth_;
        std::size_t position_;
    };

    Buffer buffer_;
    std::ostream output_;
};
