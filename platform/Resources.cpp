// Resource names and streams on top of the platform's resource lookup.
#include "platform/Resources.h"

std::string resourceName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

bool resourceExists(std::string_view name) {
    return findResource(name).has_value();
}

std::istringstream openResource(std::string_view name) {
    const auto bytes = findResource(name);
    if (!bytes) throw EResource();
    std::string copy(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return std::istringstream(std::move(copy), std::ios::in | std::ios::binary);
}
