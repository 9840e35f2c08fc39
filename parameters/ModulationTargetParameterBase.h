// A parameter that is also a modulation target: after its listeners it hands its unit value to the
// matrix as the target's base value.
#pragma once

#include "parameters/FloatPluginParameter.h"
#include "parameters/IModulationTargetOwner.h"

#include <cmath>

template <typename Base> class ModulationTargetParameterBase : public Base {
public:
    using Base::Base;

    // The unit value the matrix starts from.
    virtual float modulationBaseValue(float internal) const { return this->unitValueFromInternal(internal); }

    void notifyListeners(float internal) override {
        if (std::isnan(internal)) return;
        internal = this->clampToRange(internal);
        Base::notifyListeners(internal);
        if (targetOwner_) targetOwner_->setTargetBaseValue(targetNumber_, modulationBaseValue(internal));
    }

    // Initialisation, main thread. A null owner (the model's copy) hands nothing on.
    void setModulationTarget(IModulationTargetOwner* owner, int targetNumber) {
        targetOwner_ = owner;
        targetNumber_ = targetNumber;
    }
    IModulationTargetOwner* modulationTargetOwner() const { return targetOwner_; }
    int targetNumber() const { return targetNumber_; }

private:
    IModulationTargetOwner* targetOwner_ = nullptr;
    int targetNumber_ = -1;
};

using ModulationTargetParameter = ModulationTargetParameterBase<FloatPluginParameter>;
