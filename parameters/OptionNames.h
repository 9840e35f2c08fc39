// The list of option names of a choice parameter, shared between the parameters that show the same
// options (the 24 slots share one source list and one target list).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

using OptionNames = std::shared_ptr<const std::vector<std::string>>;

// "Stereo,Per Channel,Mid/Side" -> three names; an empty text gives an empty list.
OptionNames makeOptionNames(std::string_view commaSeparated);
OptionNames makeOptionNames(std::vector<std::string> names);

// Position of `text` in `names`: an exact match first, then one ignoring letter case; -1 when none.
int findOptionName(const std::vector<std::string>& names, std::string_view text);
