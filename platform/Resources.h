// Files from the resource folders, embedded into the final program or plug-in at build time, read by name.
// Names are compared without regard to ASCII case.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

class EResource : public std::runtime_error {
public:
    EResource() : std::runtime_error("Resource not found") {}
};

// The name a file is embedded under: its name with the extension (from the last "." on) removed.
std::string resourceName(std::string_view fileName);

bool resourceExists(std::string_view name);

// A binary stream over a copy of the resource's bytes; throws EResource when there is no such resource.
std::istringstream openResource(std::string_view name);

// The resource's bytes where they are embedded, valid for the life of the process; nothing when there is no
// such resource. Defined by the platform realisation.
std::optional<std::span<const std::uint8_t>> findResource(std::string_view name);
