// The base of set lists and set arrays: a fixed number of sets of one kind whose parameters have
// consecutive ids, set after set, so that the set of an id follows by division.
#pragma once

#include <functional>

class AbstractPluginParameter;
class PluginParameterSet;

class AbstractParameterSetArray {
public:
    using Visitor = std::function<void(AbstractPluginParameter&)>;

    AbstractParameterSetArray() = default;
    AbstractParameterSetArray(const AbstractParameterSetArray&) = delete;
    AbstractParameterSetArray& operator=(const AbstractParameterSetArray&) = delete;

    // All operations: main thread.
    // Once per parameter of every set, in id order.
    virtual void enumerateParameters(const Visitor& visitor);
    // True for -1 and for the ids from firstParameterId to the last parameter of the last set.
    virtual bool containsParameter(int id) const;
    // The set holding parameter `id`, or -1.
    virtual int setIndexOfParameter(int id) const;
    virtual int setCount() const = 0;
    // Null outside [0, setCount).
    virtual PluginParameterSet* set(int index) const = 0;
    // Every parameter of every set to its default (flags 0).
    virtual void resetToDefaults();
    // The id of the first parameter of the first set; -1 when there is none.
    virtual int firstParameterId() const;
    virtual ~AbstractParameterSetArray() = default;

protected:
    // The id of the last parameter of the last set; -1 when there is none.
    int lastParameterId() const;
    int parametersPerSet() const;
};
