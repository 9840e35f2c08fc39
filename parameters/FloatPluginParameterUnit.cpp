// Defaults of the unit hooks and the suffix lookup.
#include "parameters/FloatPluginParameterUnit.h"

#include "parameters/ValueText.h"

FloatPluginParameterUnit::FloatPluginParameterUnit(std::string label, std::vector<SuffixEntry> further)
    : label_(std::move(label)) {
    suffixes_.push_back({label_, 1.0f, nullptr});
    for (SuffixEntry& entry : further)
        suffixes_.push_back(std::move(entry));
}

bool FloatPluginParameterUnit::formatSpecial(float display, std::string& text) const {
    (void)display;
    (void)text;
    return false;
}

bool FloatPluginParameterUnit::parseSpecial(std::string_view text, float& display) const {
    (void)text;
    (void)display;
    return false;
}

void FloatPluginParameterUnit::configure(FloatPluginParameter& parameter) const {
    (void)parameter;
}

void FloatPluginParameterUnit::adjustUnitless(float& value, float currentDisplay, float low,
                                              float high) const {
    (void)value;
    (void)currentDisplay;
    (void)low;
    (void)high;
}

const FloatPluginParameterUnit::SuffixEntry*
FloatPluginParameterUnit::findSuffix(std::string_view suffix) const {
    for (const SuffixEntry& entry : suffixes_)
        if (ValueText::equalsIgnoreCase(entry.suffix, suffix)) return &entry;
    return nullptr;
}
