// Names of the process-wide memory blocks.
#include "platform/NamedMemoryBlock.h"

std::string processBlockName(std::string_view name) {
    return std::string(name) + "." + std::to_string(currentProcessId());
}
