// A lock taken and released as a whole; usable with std::lock_guard and std::scoped_lock.
#pragma once

class ILock {
public:
    virtual void lock() = 0;
    virtual void unlock() = 0;
    virtual ~ILock() = default;
};
