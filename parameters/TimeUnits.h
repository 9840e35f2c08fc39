// Units of time parameters: milliseconds and seconds. Both print "12.30 ms" or "1.500 sec", and both read
// a number typed without suffix in whichever of the two the parameter's range suggests.
#pragma once

#include "parameters/FloatPluginParameterUnit.h"

class MsParameterUnit : public FloatPluginParameterUnit {
public:
    static const MsParameterUnit& instance();

    bool formatSpecial(float display, std::string& text) const override;
    // Below the range the number was meant in seconds; so it was when the current value is above 1 s and
    // the seconds still fit the range.
    void adjustUnitless(float& value, float currentDisplay, float low, float high) const override;

private:
    MsParameterUnit();
};

class SecParameterUnit : public FloatPluginParameterUnit {
public:
    static const SecParameterUnit& instance();

    bool formatSpecial(float display, std::string& text) const override;
    // Above the range the number was meant in milliseconds; so it was when the current value is below 1 s
    // and the milliseconds still fit the range.
    void adjustUnitless(float& value, float currentDisplay, float low, float high) const override;

private:
    SecParameterUnit();
};
