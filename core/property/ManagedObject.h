// Base of objects that are owned and deleted through a base pointer.
#pragma once

class ManagedObject {
public:
    virtual ~ManagedObject() = default;
};
