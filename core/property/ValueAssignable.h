// Anything that can receive a value of type T: properties, and the adapters that connect parameters to them.
#pragma once

#include <cstdint>
#include <utility>

template <typename T> class ValueAssignable {
public:
    virtual ~ValueAssignable() = default;

    // `word1` and `word2` are opaque to the receiver and passed on to whoever is notified of the change.
    virtual void assign(T value, std::intptr_t word1, std::intptr_t word2) = 0;

    void assign(T value) { assign(std::move(value), 0, 0); }
};
