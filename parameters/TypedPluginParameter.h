// A parameter whose unit value has a type (float for continuous parameters, int, bool or an enumeration
// for choices), with the listeners that receive that unit value after every accepted change.
#pragma once

#include "parameters/AbstractPluginParameter.h"

#include <algorithm>
#include <vector>

template <typename T> class IParameterValueListener {
public:
    virtual ~IParameterValueListener() = default;
    // Thread of the notification: main thread in the model, audio thread in the processor. Must not
    // allocate or lock.
    virtual void parameterValueChanged(T unitValue, AbstractPluginParameter& parameter) = 0;
};

template <typename T> class TypedPluginParameter : public AbstractPluginParameter {
public:
    using ValueType = T;
    using AbstractPluginParameter::AbstractPluginParameter;

    // Main thread, while no notification can run (set-up): the list is sized here so that notifying
    // never allocates.
    void addValueListener(IParameterValueListener<T>& listener) { listeners_.push_back(&listener); }
    bool removeValueListener(IParameterValueListener<T>& listener) {
        auto found = std::find(listeners_.begin(), listeners_.end(), &listener);
        if (found == listeners_.end()) return false;
        listeners_.erase(found);
        return true;
    }
    int valueListenerCount() const { return static_cast<int>(listeners_.size()); }

protected:
    // In registration order.
    void tellValueListeners(T unitValue) {
        for (IParameterValueListener<T>* listener : listeners_)
            listener->parameterValueChanged(unitValue, *this);
    }

private:
    std::vector<IParameterValueListener<T>*> listeners_;
};
