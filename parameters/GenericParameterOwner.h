// The interface of everything that owns parameters: the plug-in at the root of the chain and every
// parameter set below it. Registration, change notifications and change groups travel up this chain.
#pragma once

#include <string>

class AbstractPluginParameter;

// An object a set hands to the plug-in through addResponder; what the plug-in does with it is the
// plug-in's own business.
class GenericParameterResponder {
public:
    virtual ~GenericParameterResponder() = default;
};

class GenericParameterOwner {
public:
    // Main thread: opens a group of changes that the plug-in reports as one (groups nest).
    virtual void beginChangeGroup() = 0;
    // Main thread, during construction.
    virtual void addResponder(GenericParameterResponder& responder) = 0;
    // Main thread: closes a group; the plug-in reports pending changes when the outermost one closes.
    virtual void endChangeGroup() = 0;
    // Any thread.
    virtual int parameterCount() const = 0;
    // Any thread; null outside [0, parameterCount).
    virtual AbstractPluginParameter* parameter(int index) const = 0;
    // Any thread: index of this owner's name in the plug-in's group-name table (0 for the plug-in).
    virtual int groupIndex() const = 0;
    // Any thread.
    virtual std::string name() const = 0;
    // Thread that set the value (main thread, or the audio thread for host automation): a parameter
    // accepted a new internal value. Must not allocate or lock.
    virtual void parameterChanged(int id, float value, int flags) = 0;
    // Main thread, from a parameter's constructor: answers the parameter's id. The parameter is not
    // fully constructed yet, so only its name and aliases may be read.
    virtual int registerParameter(AbstractPluginParameter& parameter) = 0;
    // Main thread: a further name under which presets may store the parameter.
    virtual void registerAlias(AbstractPluginParameter& parameter, const std::string& alias) = 0;
    // Main thread: index of `name` in the plug-in's group-name table, appended when absent.
    virtual int registerGroup(const std::string& name) = 0;

protected:
    ~GenericParameterOwner() = default;
};
