// A value that notifies its owner synchronously whenever an assignment changes it.
#pragma once

#include "core/property/PropertyOwner.h"
#include "core/property/ValueAssignable.h"

#include <type_traits>
#include <utility>

template <typename T> class Property : public AbstractProperty, public ValueAssignable<T> {
public:
    explicit Property(PropertyOwner* owner = nullptr, T initial = T{})
        : m_owner(owner), m_value(std::move(initial)) {}

    // A property is identified by its address, so a copy would report changes under a foreign identity.
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    using ValueAssignable<T>::assign;

    void assign(T value, std::intptr_t word1, std::intptr_t word2) override {
        if (same(value, m_value)) return;
        m_value = std::move(value);
        if (m_owner) m_owner->propertyChanged(this, word1, word2);
    }

    const T& value() const { return m_value; }
    PropertyOwner* owner() const { return m_owner; }

private:
    // Floating-point values count as equal unless one is less or greater than the other, so a NaN on either
    // side never counts as a change.
    static bool same(const T& a, const T& b) {
        if constexpr (std::is_floating_point_v<T>)
            return !(a < b) && !(a > b);
        else
            return a == b;
    }

    PropertyOwner* m_owner;
    T m_value;
};
