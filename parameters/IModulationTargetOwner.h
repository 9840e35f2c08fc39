// What a modulation-target parameter hands its unit value to: the modulation matrix, which uses it as
// the target's base value.
#pragma once

class IModulationTargetOwner {
public:
    virtual ~IModulationTargetOwner() = default;
    // Thread of the parameter's notification (the audio thread in the processor). Must not allocate or lock.
    virtual void setTargetBaseValue(int target, float unitValue) = 0;
};
