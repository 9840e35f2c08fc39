// A named group of parameters (one filter, one modulation slot). It is the owner of its parameters:
// registration appends them here and goes on to the plug-in, which answers the id; everything else is
// forwarded to the set's own owner.
#pragma once

#include "parameters/GenericParameterOwner.h"

#include <string>
#include <vector>

class PluginParameterSet : public GenericParameterOwner {
public:
    // Main thread: registers `name` as a group with the owner.
    PluginParameterSet(GenericParameterOwner& owner, std::string name);
    PluginParameterSet(const PluginParameterSet&) = delete;
    PluginParameterSet& operator=(const PluginParameterSet&) = delete;

    void beginChangeGroup() override;
    void addResponder(GenericParameterResponder& responder) override;
    void endChangeGroup() override;
    int parameterCount() const override;
    AbstractPluginParameter* parameter(int index) const override;
    int groupIndex() const override { return groupIndex_; }
    std::string name() const override { return name_; }
    void parameterChanged(int id, float value, int flags) override;
    int registerParameter(AbstractPluginParameter& parameter) override;
    void registerAlias(AbstractPluginParameter& parameter, const std::string& alias) override;
    int registerGroup(const std::string& name) override;
    virtual ~PluginParameterSet() = default;
    // Ranges, defaults, units, option names and help texts; run once by the plug-in after every
    // parameter exists.
    virtual void initialise() {}

    GenericParameterOwner& owner() const { return owner_; }
    // Main thread: every parameter to its default (flags 0: a change made inside the plug-in).
    void resetToDefaults();
    // Main thread: parameter by parameter, the values of `other` (a set of the same kind).
    void copyValuesFrom(const PluginParameterSet& other);

private:
    int groupIndex_;
    std::string name_;
    GenericParameterOwner& owner_;
    std::vector<AbstractPluginParameter*> parameters_;
};
