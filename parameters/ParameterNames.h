// How set and parameter names are composed: "Filter 2", "Filter 2 Freq", "XLFO 1 Step 3 Value",
// "Num Active Filters".
#pragma once

#include <string>
#include <string_view>

class ParameterNames {
public:
    // Kind word, a space and the 1-based number: "Slot 3".
    static std::string setName(std::string_view kindWord, int number);
    // The suffix brings its own leading space where there is one (" Freq"; "Triggering" has none).
    static std::string parameterName(std::string_view setName, std::string_view suffix);
    // "XLFO 1" and 3 give "XLFO 1 Step 3".
    static std::string stepSetName(std::string_view ownerSetName, int step);
    static std::string numActiveName(std::string_view listName);
};
