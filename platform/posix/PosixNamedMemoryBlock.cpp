// Process-wide named blocks kept in a registry of this library copy: on Linux each copy of the library is
// its own world, so the registry gives the same guarantees within the copy.
#include "platform/NamedMemoryBlock.h"

#include "platform/Module.h"

#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <unistd.h>

std::uint32_t currentProcessId() {
    return static_cast<std::uint32_t>(getpid());
}

void* processNamedBlock(std::string_view name, std::size_t size) {
    struct Registry {
        std::mutex mutex;
        std::map<std::string, void*> blocks;
    };
    // Never destroyed: blocks must outlive every static destructor that may still use them. They live in this
    // copy's memory and must last until the process ends, so the copy stays loaded from now on.
    static Registry* registry = [] {
        retainOwnModule();
        return new Registry;
    }();

    const std::string blockName = processBlockName(name);
    std::lock_guard guard(registry->mutex);
    auto found = registry->blocks.find(blockName);
    if (found != registry->blocks.end()) return found->second;
    // Zero-filled like a fresh shared section (every byte: callers lay out their own fields).
    void* block = ::operator new (size == 0 ? 1 : size, std::align_val_t{16});
    std::memset(block, 0, size);
    registry->blocks.emplace(blockName, block);
    return block;
}
