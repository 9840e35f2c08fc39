// Name and alias lookup of preset collections.
#include "parameters/PresetParameterCollection.h"

#include "parameters/AbstractPluginParameter.h"

int PresetParameterCollection::add(AbstractPluginParameter& parameter) {
    const int index = ParameterCollection::add(parameter);
    indexByName_.emplace(parameter.name(), index);
    for (const std::string& alias : parameter.aliases())
        indexByName_.emplace(alias, index);
    return index;
}

bool PresetParameterCollection::addAlias(const AbstractPluginParameter& parameter, const std::string& alias) {
    const int index = indexOf(parameter);
    if (index < 0) return false;
    indexByName_.emplace(alias, index);
    return true;
}

int PresetParameterCollection::indexOfName(const std::string& name) const {
    auto found = indexByName_.find(name);
    return found == indexByName_.end() ? -1 : found->second;
}
