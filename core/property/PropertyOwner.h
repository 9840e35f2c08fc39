// The owner side of properties: the base every property shares and the interface its owner implements.
#pragma once

#include <cstdint>

// Common base of all properties; owners identify a changed property by its address as an AbstractProperty.
class AbstractProperty {
public:
    virtual ~AbstractProperty() = default;
};

class PropertyOwner {
public:
    // Called synchronously right after `property` stored a new value; `word1` and `word2` are passed through
    // untouched from the assignment. The owner tells its properties apart by comparing `property` with their
    // addresses.
    virtual void propertyChanged(const AbstractProperty* property, std::intptr_t word1,
                                 std::intptr_t word2) = 0;

protected:
    ~PropertyOwner() = default;
};
