// A binary reader over bytes already in memory (the host's state, data handed between threads), read in
// place without a copy.
#pragma once

#include "persistence/BinaryDataReader.h"

#include <cstdint>
#include <istream>
#include <span>
#include <streambuf>

class BinaryMemoryReader : public BinaryDataReader {
public:
    // The bytes are not copied: they must outlive the reader and stay unchanged while it reads.
    explicit BinaryMemoryReader(std::span<const std::uint8_t> bytes);
    ~BinaryMemoryReader() override;

private:
    // Serves the bytes as the get area; positions may move anywhere within them.
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(std::span<const std::uint8_t> bytes);

    protected:
        pos_type seekoff(off_type offset, std::ios::seekdir direction, std::ios::openmode which) override;
        pos_type seekpos(pos_type position, std::ios::openmode which) override;
    };

    Buffer buffer_;
    std::istream input_;
};
