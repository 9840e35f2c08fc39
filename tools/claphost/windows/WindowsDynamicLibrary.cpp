// The LoadLibraryW realisation of IDynamicLibrary: the UTF-8 path is converted to UTF-16, and a Unix
// absolute path (as the build bakes in when the program runs under Wine) is mapped to drive Z:.
#include "tools/claphost/DynamicLibrary.h"
#include "tools/claphost/WindowsPath.h"

#include <windows.h>

#include <string>

namespace claphost {
namespace {

std::wstring toUtf16(const std::string& text) {
    if (text.empty()) return {};
    int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string describeError(DWORD code) {
    wchar_t* message = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = "error " + std::to_string(code);
    if (length > 0 && message) {
        int bytes = WideCharToMultiByte(CP_UTF8, 0, message, int(length), nullptr, 0, nullptr, nullptr);
        std::string utf8(size_t(bytes > 0 ? bytes : 0), '\0');
        if (bytes > 0)
            WideCharToMultiByte(CP_UTF8, 0, message, int(length), utf8.data(), bytes, nullptr, nullptr);
        while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r' || utf8.back() == ' '))
            utf8.pop_back();
        text += " (" + utf8 + ")";
    }
    if (message) LocalFree(message);
    return text;
}

class WindowsDynamicLibrary final : public IDynamicLibrary {
public:
    WindowsDynamicLibrary(HMODULE module, std::string path) : module_(module), path_(std::move(path)) {}
    ~WindowsDynamicLibrary() override { FreeLibrary(module_); }
    WindowsDynamicLibrary(const WindowsDynamicLibrary&) = delete;
    WindowsDynamicLibrary& operator=(const WindowsDynamicLibrary&) = delete;

    void* symbol(const char* name) const override {
        return reinterpret_cast<void*>(GetProcAddress(module_, name));
    }
    const std::string& nativePath() const override { return path_; }

private:
    HMODULE module_;
    std::string path_;
};

} // namespace

std::unique_ptr<IDynamicLibrary> openDynamicLibrary(const std::string& path, std::string& error) {
    std::string windowsPath = toWindowsPath(path);
    std::wstring wide = toUtf16(windowsPath);
    if (wide.empty()) {
        error = "cannot convert the path '" + path + "' to UTF-16";
        return nullptr;
    }
    // Keep the system's "cannot load" dialog away: a host reports the failure itself.
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryW(wide.c_str());
    DWORD failure = GetLastError();
    SetErrorMode(previousMode);
    if (!module) {
        error = "cannot load '" + windowsPath + "': " + describeError(failure);
        return nullptr;
    }
    return std::make_unique<WindowsDynamicLibrary>(module, std::move(windowsPath));
}

} // namespace claphost
