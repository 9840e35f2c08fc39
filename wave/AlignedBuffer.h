// AlignedBuffer: the zero-initialised, 32-byte aligned storage behind every sample block and delay ring.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace wave {

// Owns count elements of T on a 32-byte boundary, so filters may use wide vector loads on any block. The
// allocation is rounded up to whole 32-byte units, which lets vector loops run over the last partial unit
// without reading past the memory. A failed allocation leaves count 0 and no data; nothing is reported.
// Thread: (re)allocated during setup only; the audio thread reads and writes the elements.
template <typename T> class AlignedBuffer {
    static_assert(std::is_trivially_copyable_v<T>, "AlignedBuffer holds plain sample data only");

public:
    static constexpr std::size_t alignment = 32;

    int count = 0;
    T* data = nullptr;

    AlignedBuffer() = default;
    explicit AlignedBuffer(int elements) { allocate(elements); }
    AlignedBuffer(const AlignedBuffer&) = delete;
    AlignedBuffer& operator=(const AlignedBuffer&) = delete;
    ~AlignedBuffer() { release(); }

    // Bytes reserved for the given element count: whole 32-byte units.
    static constexpr std::size_t allocationBytes(int elements) {
        const std::size_t bytes = elements > 0 ? static_cast<std::size_t>(elements) * sizeof(T) : 0;
        return (bytes + alignment - 1) / alignment * alignment;
    }

    // Replaces the contents with elements zeroed elements; false (and an empty buffer) when memory ran out.
    bool allocate(int elements) {
        release();
        T* fresh = acquire(elements);
        if (fresh == nullptr) return elements <= 0;
        data = fresh;
        count = elements;
        return true;
    }

    // Changes the element count keeping the leading elements; new elements are zero. On failure the buffer
    // becomes empty, as after a failed allocate.
    bool resize(int elements) {
        if (elements == count) return true;
        T* fresh = acquire(elements);
        if (fresh != nullptr && data != nullptr)
            std::memcpy(static_cast<void*>(fresh), data,
                        static_cast<std::size_t>(std::min(count, elements)) * sizeof(T));
        release();
        if (fresh == nullptr) return elements <= 0;
        data = fresh;
        count = elements;
        return true;
    }

    void swap(AlignedBuffer& other) noexcept {
        std::swap(count, other.count);
        std::swap(data, other.data);
    }

    void release() {
        if (data != nullptr) ::operator delete(static_cast<void*>(data), std::align_val_t(alignment));
        data = nullptr;
        count = 0;
    }

private:
    static T* acquire(int elements) {
        const std::size_t bytes = allocationBytes(elements);
        if (bytes == 0) return nullptr;
        void* memory = ::operator new(bytes, std::align_val_t(alignment), std::nothrow);
        if (memory != nullptr) std::memset(memory, 0, bytes);
        return static_cast<T*>(memory);
    }
};

} // namespace wave
