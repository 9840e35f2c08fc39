// The base of the units of continuous parameters: a label, the suffixes a user may type after a number
// (each scaling and converting the number into the display domain) and the hooks for special texts.
// Every unit class has exactly one shared, immutable instance, so any thread may read it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class FloatPluginParameter;

class FloatPluginParameterUnit {
public:
    struct SuffixEntry {
        std::string suffix;
        float factor;
        float (*conversion)(float); // null: identity

        float apply(float number) const {
            const float scaled = number * factor;
            return conversion ? conversion(scaled) : scaled;
        }
    };

    FloatPluginParameterUnit(const FloatPluginParameterUnit&) = delete;
    FloatPluginParameterUnit& operator=(const FloatPluginParameterUnit&) = delete;
    virtual ~FloatPluginParameterUnit() = default;

    // A text replacing number, separator and label; false when the number text applies.
    virtual bool formatSpecial(float display, std::string& text) const;
    // Reads text that starts with no number (note names); `display` receives the display value.
    virtual bool parseSpecial(std::string_view text, float& display) const;
    // Called when the unit is attached: may set formatter, format, separator, label, display functions.
    virtual void configure(FloatPluginParameter& parameter) const;
    // Reinterprets a number typed without suffix, given the current display value and the display range.
    virtual void adjustUnitless(float& value, float currentDisplay, float low, float high) const;

    const std::string& label() const { return label_; }
    const std::vector<SuffixEntry>& suffixes() const { return suffixes_; }
    // The first entry equal to `suffix` ignoring letter case, or null.
    const SuffixEntry* findSuffix(std::string_view suffix) const;

protected:
    // The label is the first suffix entry (factor 1, identity); `further` follow it.
    explicit FloatPluginParameterUnit(std::string label, std::vector<SuffixEntry> further = {});

private:
    std::string label_;
    std::vector<SuffixEntry> suffixes_;
};
