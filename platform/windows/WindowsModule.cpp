// Module lookups with the loader's module handles.
#include "platform/Module.h"

#include "platform/windows/WindowsModule.h"
#include "platform/windows/WindowsText.h"

namespace {

// The address of code that certainly lives in this module.
LPCWSTR addressInThisModule() {
    return reinterpret_cast<LPCWSTR>(&addressInThisModule);
}

} // namespace

HMODULE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       addressInThisModule(), &module);
    return module;
}

ModuleHandle ownModuleHandle() {
    return thisModule();
}

ModuleHandle findLoadedModule(const std::string& path) {
    return GetModuleHandleW(toWide(path).c_str());
}

std::string libraryFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(thisModule(), path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return toUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

bool retainOwnModule() {
    HMODULE module = nullptr;
    return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, addressInThisModule(), &module) != 0;
}

void releaseOwnModule() {
    FreeLibrary(thisModule());
}
