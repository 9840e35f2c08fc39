// What the process-wide instance list knows of one open plug-in instance.
#pragma once

#include <string>

class IGenericPluginInstance {
public:
    virtual ~IGenericPluginInstance() = default;
    // The instance's name as the user sees it (UTF-8).
    virtual std::string instanceName() const = 0;
    // The number the instance took from the list, or -1 before it has one.
    virtual int instanceNumber() const = 0;
};
