// Resource lookup in the table the build generated into this program or plug-in.
#include "platform/Resources.h"

#include "platform/posix/PosixEmbeddedResources.h"

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

} // namespace

std::optional<std::span<const std::uint8_t>> findResource(std::string_view name) {
    if (!lumenorEmbeddedResources) return std::nullopt;
    const EmbeddedResourceTable* table = lumenorEmbeddedResources();
    for (std::size_t i = 0; i < table->count; ++i) {
        const EmbeddedResource& entry = table->entries[i];
        if (sameIgnoringCase(entry.name, name))
            return std::span<const std::uint8_t>(entry.data, static_cast<std::size_t>(*entry.size));
    }
    return std::nullopt;
}
