#include "core/GenericPluginBase.h"

const std::string& GenericPluginBase::modulePath(int index) const {
    const AbstractPluginParameter* p = parameter(index);
    const GenericParameterOwner* owner = p ? p->owner() : nullptr;
    return groups_.name(owner ? owner->groupIndex() : 0);
}
