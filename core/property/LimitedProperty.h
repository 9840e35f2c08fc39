// A float property that clamps every assigned value into [minimum, maximum] before storing it.
#pragma once

#include "core/property/Property.h"

class LimitedProperty : public Property<float> {
public:
    LimitedProperty(PropertyOwner* owner, float minimum, float maximum, float initial)
        : Property<float>(owner, clamp(initial, minimum, maximum)), m_minimum(minimum), m_maximum(maximum) {}

    using Property<float>::assign;

    void assign(float value, std::intptr_t word1, std::intptr_t word2) override {
        Property<float>::assign(clamp(value, m_minimum, m_maximum), word1, word2);
    }

    float minimum() const { return m_minimum; }
    float maximum() const { return m_maximum; }

private:
    // NaN passes through unchanged; the base then ignores it.
    static float clamp(float value, float minimum, float maximum) {
        if (value < minimum) return minimum;
        if (value > maximum) return maximum;
        return value;
    }

    float m_minimum;
    float m_maximum;
};
