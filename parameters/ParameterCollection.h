// An ordered list of parameters. The plug-in's collection holds every parameter in creation order, so
// that a parameter's position is its id; section presets keep smaller collections of their own.
#pragma once

#include <vector>

class AbstractPluginParameter;

class ParameterCollection {
public:
    ParameterCollection() = default;
    ParameterCollection(const ParameterCollection&) = delete;
    ParameterCollection& operator=(const ParameterCollection&) = delete;
    virtual ~ParameterCollection() = default;

    // Main thread: appends and answers the new position (the previous count).
    virtual int add(AbstractPluginParameter& parameter);

    // Any thread.
    int count() const { return static_cast<int>(parameters_.size()); }
    // Null outside [0, count).
    AbstractPluginParameter* parameter(int index) const {
        return index >= 0 && index < count() ? parameters_[static_cast<std::size_t>(index)] : nullptr;
    }
    // Position of `parameter`, or -1.
    int indexOf(const AbstractPluginParameter& parameter) const;

    // Main thread: every current value, in order.
    std::vector<float> values() const;
    // Main thread: setValue(values[i], flags 0) for i below the smaller of both counts.
    void setValues(const std::vector<float>& values);

private:
    std::vector<AbstractPluginParameter*> parameters_;
};
