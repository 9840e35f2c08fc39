// Byte helpers for the stream tests: building inputs and capturing what a writer produced.
#pragma once

#include "persistence/BinaryMemoryWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes textBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes joinBytes(std::initializer_list<Bytes> parts) {
    Bytes result;
    for (const Bytes& part : parts)
        result.insert(result.end(), part.begin(), part.end());
    return result;
}

// What `write` wrote into a fresh memory writer.
template <typename Write> Bytes writtenBytes(Write write) {
    Bytes bytes;
    BinaryMemoryWriter writer(bytes);
    write(writer);
    EXPECT_TRUE(writer.good());
    return bytes;
}

inline Bytes randomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes bytes(count);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(byte(generator));
    return bytes;
}

inline Bytes prefix(const Bytes& bytes, std::size_t length) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}
