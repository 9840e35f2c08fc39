// Critical sections over recursive POSIX mutexes.
#include "platform/CriticalSection.h"

#include <pthread.h>

namespace {

class PosixCriticalSection final : public CriticalSection {
public:
    PosixCriticalSection() {
        pthread_mutexattr_t attributes;
        pthread_mutexattr_init(&attributes);
        pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
        pthread_mutex_init(&m_mutex, &attributes);
        pthread_mutexattr_destroy(&attributes);
    }
    ~PosixCriticalSection() override { pthread_mutex_destroy(&m_mutex); }

    void enter() override { pthread_mutex_lock(&m_mutex); }
    void leave() override { pthread_mutex_unlock(&m_mutex); }

private:
    pthread_mutex_t m_mutex;
};

} // namespace

std::unique_ptr<CriticalSection> createCriticalSection() {
    return std::make_unique<PosixCriticalSection>();
}
