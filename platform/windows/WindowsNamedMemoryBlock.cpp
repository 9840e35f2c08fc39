// Process-wide named blocks as named sections backed by the paging file; every copy of the library in the
// process maps the same section.
#include "platform/NamedMemoryBlock.h"

#include "platform/windows/WindowsText.h"

#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <windows.h>

std::uint32_t currentProcessId() {
    return GetCurrentProcessId();
}

void* processNamedBlock(std::string_view name, std::size_t size) {
    struct Registry {
        std::mutex mutex;
        std::map<std::string, void*> views;
    };
    // Never destroyed: blocks must outlive every static destructor that may still use them. The views keep
    // one mapping per name and copy; the sections' handles stay open until the process ends.
    static Registry* registry = new Registry;

    const std::string blockName = processBlockName(name);
    std::lock_guard guard(registry->mutex);
    auto found = registry->views.find(blockName);
    if (found != registry->views.end()) return found->second;

    void* block = nullptr;
    const std::uint64_t size64 = size;
    HANDLE section =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(size64 >> 32),
                           static_cast<DWORD>(size64), toWide(blockName).c_str());
    if (section) block = MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (!block) {
        if (section) CloseHandle(section);
        // A private block still serves this copy of the library; zero-filled like a fresh section.
        block = ::operator new (size == 0 ? 1 : size, std::align_val_t{16});
        std::memset(block, 0, size);
    }
    registry->views.emplace(blockName, block);
    return block;
}
