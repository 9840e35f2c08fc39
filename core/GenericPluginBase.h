// What the two halves of a plug-in instance share: the identity values and access to their own copy of
// every parameter by index.
#pragma once

#include "core/GenericPluginInfo.h"

class GenericPluginBase {
public:
    // "Receive MIDI" options; stored as the parameter's index.
    enum class MidiState : int { Enabled = 0, Disabled = 1 };

    explicit GenericPluginBase(const GenericPluginInfo& info) : info_(info) {}
    virtual ~GenericPluginBase() = default;
    GenericPluginBase(const GenericPluginBase&) = delete;
    GenericPluginBase& operator=(const GenericPluginBase&) = delete;

    const GenericPluginInfo& pluginInfo() const { return info_; }

    // Parameter access by index (= the parameter's id). An instance without parameters answers 0 and
    // ignores values; indices outside the count are ignored.
    virtual int parameterCount() const { return 0; }
    virtual float parameterValue(int index) const {
        (void)index;
        return 0.0f;
    }
    // flags bit 0 set: the change came from the plug-in shell and is not reported back to it.
    virtual void setParameterValue(int index, float value, int flags) {
        (void)index;
        (void)value;
        (void)flags;
    }

private:
    GenericPluginInfo info_;
};
