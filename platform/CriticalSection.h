// A mutual-exclusion lock that the owning thread may take again while it holds it (recursive per thread).
#pragma once

#include "platform/ILock.h"

#include <memory>

class CriticalSection : public ILock {
public:
    // Any thread; blocks while another thread holds the lock.
    void lock() override { enter(); }
    // The thread holding the lock, once per lock.
    void unlock() override { leave(); }
    ~CriticalSection() override = default;

    virtual void enter() = 0;
    virtual void leave() = 0;
};

// Defined by the platform realisation.
std::unique_ptr<CriticalSection> createCriticalSection();
