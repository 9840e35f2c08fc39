// Critical sections over the system's critical sections (recursive for the owning thread).
#include "platform/CriticalSection.h"

#include <windows.h>

namespace {

class WindowsCriticalSection final : public CriticalSection {
public:
    WindowsCriticalSection() { InitializeCriticalSection(&m_section); }
    ~WindowsCriticalSection() override { DeleteCriticalSection(&m_section); }

    void enter() override { EnterCriticalSection(&m_section); }
    void leave() override { LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

} // namespace

std::unique_ptr<CriticalSection> createCriticalSection() {
    return std::make_unique<WindowsCriticalSection>();
}
