// What the two halves of a plug-in instance share: the identity values, and the root of the parameter
// ownership chain with the instance's own copy of every parameter (index = id) and the group names the
// host sees as module paths.
#pragma once

#include "core/GenericPluginInfo.h"
#include "parameters/AbstractPluginParameter.h"
#include "parameters/GenericParameterOwner.h"
#include "parameters/ParameterGroupTable.h"
#include "parameters/PresetParameterCollection.h"

#include <string>

class GenericPluginBase : public GenericParameterOwner {
public:
    // "Receive MIDI" options; stored as the parameter's index.
    enum class MidiState : int { Enabled = 0, Disabled = 1 };
    // Which input a level detector follows; stored as the parameter's index.
    enum class InputSignal : int { NormalInput = 0, SideChain = 1 };

    explicit GenericPluginBase(const GenericPluginInfo& info) : info_(info) {}
    virtual ~GenericPluginBase() = default;
    GenericPluginBase(const GenericPluginBase&) = delete;
    GenericPluginBase& operator=(const GenericPluginBase&) = delete;

    const GenericPluginInfo& pluginInfo() const { return info_; }

    // Any thread: raise and lower the batch depth; changes inside a batch are reported once at its end.
    virtual void beginParameterBatch() = 0;
    virtual void endParameterBatch() = 0;

    // GenericParameterOwner: the root of the chain.
    void beginChangeGroup() override { beginParameterBatch(); }
    void addResponder(GenericParameterResponder&) override {}
    void endChangeGroup() override { endParameterBatch(); }
    int parameterCount() const override { return parameters_.count(); }
    AbstractPluginParameter* parameter(int index) const override { return parameters_.parameter(index); }
    int groupIndex() const override { return 0; }
    std::string name() const override { return info_.productName; }
    int registerParameter(AbstractPluginParameter& parameter) override { return parameters_.add(parameter); }
    void registerAlias(AbstractPluginParameter& parameter, const std::string& alias) override {
        parameters_.addAlias(parameter, alias);
    }
    int registerGroup(const std::string& name) override { return groups_.registerGroup(name); }

    // Conveniences by index; indices outside the count answer 0 and are ignored.
    float parameterValue(int index) const {
        const AbstractPluginParameter* p = parameter(index);
        return p ? p->value() : 0.0f;
    }
    // flags bit 0 set: the change came from the plug-in shell and is not reported back to it.
    void setParameterValue(int index, float value, int flags) {
        if (AbstractPluginParameter* p = parameter(index)) p->setValue(value, flags);
    }
    // The module path the host shows for a parameter: its set's group name, empty for the plug-in's own.
    const std::string& modulePath(int index) const;
    const PresetParameterCollection& parameterCollection() const { return parameters_; }

private:
    GenericPluginInfo info_;
    PresetParameterCollection parameters_;
    ParameterGroupTable groups_;
};
