// The event queue over a hidden message window: posted messages reach the window procedure on the thread
// that created the window, where the listeners run.
#include "platform/AsyncEventQueue.h"

#include "platform/windows/WindowsModule.h"

#include <mutex>

namespace {

const wchar_t* const kWindowClass = L"QV_QueueWindow";
const UINT kEventMessage = WM_APP + 1;

// The window class is registered by the first queue and unregistered with the last.
std::mutex classMutex;
int queueCount = 0;

class WindowsAsyncEventQueue final : public AsyncEventQueue {
public:
    WindowsAsyncEventQueue() {
        {
            std::lock_guard guard(classMutex);
            if (queueCount++ == 0) {
                WNDCLASSW windowClass{};
                windowClass.lpfnWndProc = &WindowsAsyncEventQueue::windowProcedure;
                windowClass.hInstance = thisModule();
                windowClass.lpszClassName = kWindowClass;
                RegisterClassW(&windowClass);
            }
        }
        m_window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, thisModule(),
                                   nullptr);
        if (m_window) SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    ~WindowsAsyncEventQueue() override {
        if (m_window) DestroyWindow(m_window);
        std::lock_guard guard(classMutex);
        if (--queueCount == 0) UnregisterClassW(kWindowClass, thisModule());
    }

    bool post(std::int32_t type, std::int64_t value) override {
        return m_window &&
               PostMessageW(m_window, kEventMessage, static_cast<WPARAM>(static_cast<std::uint32_t>(type)),
                            static_cast<LPARAM>(value));
    }

    // The host's message loop delivers anyway; this only lets the owner deliver without waiting for it.
    void dispatchPending() override {
        MSG message;
        while (m_window && PeekMessageW(&message, m_window, kEventMessage, kEventMessage, PM_REMOVE))
            DispatchMessageW(&message);
    }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != kEventMessage) return DefWindowProcW(window, message, wParam, lParam);
        if (auto* queue = reinterpret_cast<WindowsAsyncEventQueue*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            queue->listeners.fire(Event{static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam)),
                                        static_cast<std::int64_t>(lParam)});
        return 0;
    }

    HWND m_window = nullptr;
};

} // namespace

// Windows delivers through the message loop by itself, so no wake handler is needed.
std::unique_ptr<AsyncEventQueue> createAsyncEventQueue(std::function<void()>) {
    return std::make_unique<WindowsAsyncEventQueue>();
}
