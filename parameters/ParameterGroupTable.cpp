// The group-name table.
#include "parameters/ParameterGroupTable.h"

#include <algorithm>

int ParameterGroupTable::registerGroup(const std::string& name) {
    auto found = std::find(names_.begin(), names_.end(), name);
    if (found != names_.end()) return static_cast<int>(found - names_.begin());
    names_.push_back(name);
    return count() - 1;
}

const std::string& ParameterGroupTable::name(int index) const {
    return index > 0 && index < count() ? names_[static_cast<std::size_t>(index)] : names_[0];
}
