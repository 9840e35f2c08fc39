// The time units.
#include "parameters/TimeUnits.h"

#include "parameters/ValueText.h"

MsParameterUnit::MsParameterUnit()
    : FloatPluginParameterUnit("ms", {{"sec", 1000.0f, nullptr}, {"s", 1000.0f, nullptr}}) {}

const MsParameterUnit& MsParameterUnit::instance() {
    static const MsParameterUnit unit;
    return unit;
}

bool MsParameterUnit::formatSpecial(float display, std::string& text) const {
    text = ValueText::formatTime(display);
    return true;
}

void MsParameterUnit::adjustUnitless(float& value, float currentDisplay, float low, float high) const {
    if (value < low)
        value *= 1000.0f;
    else if (currentDisplay > 1000.0f && value * 1000.0f < high)
        value *= 1000.0f;
}

SecParameterUnit::SecParameterUnit()
    : FloatPluginParameterUnit("sec", {{"s", 1.0f, nullptr}, {"ms", 0.001f, nullptr}}) {}

const SecParameterUnit& SecParameterUnit::instance() {
    static const SecParameterUnit unit;
    return unit;
}

bool SecParameterUnit::formatSpecial(float display, std::string& text) const {
    text = ValueText::formatTime(1000.0f * display);
    return true;
}

void SecParameterUnit::adjustUnitless(float& value, float currentDisplay, float low, float high) const {
    if (value > high)
        value *= 0.001f;
    else if (currentDisplay < 1.0f && value * 0.001f > low)
        value *= 0.001f;
}
