// The byte order of every stored format: least significant byte first, whatever the host's own order.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

inline std::array<char, 4> encodeLittleEndian32(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
            static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
}

inline std::uint32_t decodeLittleEndian32(const std::array<char, 4>& bytes) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[3])) << 24;
}

inline std::array<char, 4> encodeLittleEndianInt32(std::int32_t value) {
    return encodeLittleEndian32(static_cast<std::uint32_t>(value));
}

inline std::int32_t decodeLittleEndianInt32(const std::array<char, 4>& bytes) {
    return static_cast<std::int32_t>(decodeLittleEndian32(bytes));
}

inline std::array<char, 4> encodeLittleEndianFloat(float value) {
    return encodeLittleEndian32(std::bit_cast<std::uint32_t>(value));
}

inline float decodeLittleEndianFloat(const std::array<char, 4>& bytes) {
    return std::bit_cast<float>(decodeLittleEndian32(bytes));
}
