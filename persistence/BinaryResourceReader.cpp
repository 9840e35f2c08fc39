// A binary reader over an embedded resource, opened through the platform layer.
#include "persistence/BinaryResourceReader.h"

#include "platform/Resources.h"

BinaryResourceReader::BinaryResourceReader(std::string_view name)
    : BinaryDataReader(nullptr), resource_(std::make_unique<std::istringstream>(openResource(name))) {
    attach(resource_.get());
}

BinaryResourceReader::~BinaryResourceReader() = default;
