// Id arithmetic and whole-array operations of set lists and arrays.
#include "parameters/AbstractParameterSetArray.h"

#include "parameters/AbstractPluginParameter.h"
#include "parameters/PluginParameterSet.h"

void AbstractParameterSetArray::enumerateParameters(const Visitor& visitor) {
    for (int s = 0; s < setCount(); ++s) {
        PluginParameterSet& parameters = *set(s);
        for (int p = 0; p < parameters.parameterCount(); ++p)
            visitor(*parameters.parameter(p));
    }
}

bool AbstractParameterSetArray::containsParameter(int id) const {
    if (id == -1) return true;
    const int first = firstParameterId();
    return first >= 0 && id >= first && id <= lastParameterId();
}

int AbstractParameterSetArray::setIndexOfParameter(int id) const {
    const int perSet = parametersPerSet();
    if (perSet <= 0) return -1;
    const int first = set(0)->parameter(0)->id();
    if (first < 0 || id < first) return -1;
    const int index = (id - first) / perSet;
    return index < setCount() ? index : -1;
}

void AbstractParameterSetArray::resetToDefaults() {
    for (int s = 0; s < setCount(); ++s)
        set(s)->resetToDefaults();
}

int AbstractParameterSetArray::firstParameterId() const {
    PluginParameterSet* first = set(0);
    return first && first->parameterCount() > 0 ? first->parameter(0)->id() : -1;
}

int AbstractParameterSetArray::lastParameterId() const {
    PluginParameterSet* last = set(setCount() - 1);
    return last && last->parameterCount() > 0 ? last->parameter(last->parameterCount() - 1)->id() : -1;
}

int AbstractParameterSetArray::parametersPerSet() const {
    PluginParameterSet* first = set(0);
    return first ? first->parameterCount() : 0;
}
