// Building and searching option-name lists.
#include "parameters/OptionNames.h"

#include "parameters/ValueText.h"

OptionNames makeOptionNames(std::string_view commaSeparated) {
    std::vector<std::string> names;
    if (!commaSeparated.empty()) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = commaSeparated.find(',', start);
            names.emplace_back(commaSeparated.substr(start, comma - start));
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }
    return makeOptionNames(std::move(names));
}

OptionNames makeOptionNames(std::vector<std::string> names) {
    return std::make_shared<const std::vector<std::string>>(std::move(names));
}

int findOptionName(const std::vector<std::string>& names, std::string_view text) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == text) return static_cast<int>(i);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (ValueText::equalsIgnoreCase(names[i], text)) return static_cast<int>(i);
    return -1;
}
