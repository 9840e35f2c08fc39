// Base of objects that are locked as a whole through their own critical section.
#pragma once

#include "platform/CriticalSection.h"

#include <memory>

class LockedObject : public ILock {
public:
    LockedObject() : m_criticalSection(createCriticalSection()) {}

    // Any thread; recursive for the thread holding the lock.
    void lock() override { m_criticalSection->enter(); }
    // The thread holding the lock.
    void unlock() override { m_criticalSection->leave(); }

private:
    std::unique_ptr<CriticalSection> m_criticalSection;
};
