// Name composition.
#include "parameters/ParameterNames.h"

std::string ParameterNames::setName(std::string_view kindWord, int number) {
    return std::string(kindWord) + " " + std::to_string(number);
}

std::string ParameterNames::parameterName(std::string_view setName, std::string_view suffix) {
    return std::string(setName) + std::string(suffix);
}

std::string ParameterNames::stepSetName(std::string_view ownerSetName, int step) {
    return std::string(ownerSetName) + " Step " + std::to_string(step);
}

std::string ParameterNames::numActiveName(std::string_view listName) {
    return "Num Active " + std::string(listName);
}
