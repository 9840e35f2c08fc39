// Resource lookup among the RCDATA resources of the module that holds this code.
#include "platform/Resources.h"

#include "platform/windows/WindowsModule.h"
#include "platform/windows/WindowsText.h"

std::optional<std::span<const std::uint8_t>> findResource(std::string_view name) {
    if (name.empty()) return std::nullopt;
    const HMODULE module = thisModule();
    // Named resources are matched without regard to case by the system.
    HRSRC resource = FindResourceW(module, toWide(name).c_str(), RT_RCDATA);
    if (!resource) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data),
                                         SizeofResource(module, resource));
}
