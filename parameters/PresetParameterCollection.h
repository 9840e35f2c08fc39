// A parameter collection that presets read by name: every parameter is found under its name and under
// each of its aliases. An optional signature names the preset format the collection is saved under.
#pragma once

#include "parameters/ParameterCollection.h"

#include <map>
#include <string>

class PresetParameterCollection : public ParameterCollection {
public:
    // Main thread: also enters the parameter's name and aliases (the first entry of a name stays).
    int add(AbstractPluginParameter& parameter) override;
    // Main thread: a further name for a parameter of this collection; false when it is not one.
    bool addAlias(const AbstractPluginParameter& parameter, const std::string& alias);
    // Position of the parameter stored under `name`, or -1.
    int indexOfName(const std::string& name) const;

    // Empty: the plug-in's own code is used.
    const std::string& signature() const { return signature_; }
    void setSignature(std::string signature) { signature_ = std::move(signature); }

private:
    std::map<std::string, int, std::less<>> indexByName_;
    std::string signature_;
};
