// Units of level parameters shown in decibels. Besides the label, a user may type a linear factor with
// the suffix "x" or "*" ("2x" is +6.02 dB).
#pragma once

#include "parameters/FloatPluginParameterUnit.h"

class DBParameterUnitBase : public FloatPluginParameterUnit {
public:
    // 20·log10(|factor|), floored at -180 dB.
    static float decibelsFromFactor(float factor);

protected:
    explicit DBParameterUnitBase(std::string label);
};

// Prints "+6.02 dB", "-INF dB" below -179.9 dB.
class DBParameterUnit : public DBParameterUnitBase {
public:
    static const DBParameterUnit& instance();
    // The same unit labelled "dBTP" (true peak).
    static const DBParameterUnit& truePeakInstance();

    void configure(FloatPluginParameter& parameter) const override;

private:
    using DBParameterUnitBase::DBParameterUnitBase;
};

// Prints a plain "%.2f" number, for ranges of decibels rather than levels.
class DBRangeParameterUnit : public DBParameterUnitBase {
public:
    static const DBRangeParameterUnit& instance();

    void configure(FloatPluginParameter& parameter) const override;

private:
    DBRangeParameterUnit();
};
