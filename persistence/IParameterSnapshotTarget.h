// What the parameter snapshot needs from a plug-in instance: its parameters by index and a change batch
// around a restore.
#pragma once

class IParameterSnapshotTarget {
public:
    virtual ~IParameterSnapshotTarget() = default;

    // Main thread: the number of parameters (P).
    virtual int parameterCount() const = 0;
    // Main thread: the parameter's plain value, in its own range.
    virtual float parameterValue(int index) const = 0;
    // Main thread: the value the parameter returns to when a snapshot holds none for it.
    virtual float parameterDefaultValue(int index) const = 0;
    // Main thread: through the parameter's own setter (clamped, tiny changes ignored). flags bit 0 set
    // marks a change from the shell that is not reported back to it.
    virtual void setParameterValue(int index, float value, int flags) = 0;
    // Main thread: gathers change notifications until the matching end.
    virtual void beginParameterBatch() = 0;
    virtual void endParameterBatch() = 0;
    // Main thread: after a snapshot was applied, once the batch is closed.
    virtual void parametersReplaced() = 0;
};
