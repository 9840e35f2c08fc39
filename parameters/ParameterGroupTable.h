// The plug-in's table of group names, which the host sees as the parameters' module paths. Entry 0 is
// the empty name of the parameters the plug-in owns directly.
#pragma once

#include <string>
#include <vector>

class ParameterGroupTable {
public:
    ParameterGroupTable() : names_(1) {}

    // Main thread: the index of `name`, appended when absent.
    int registerGroup(const std::string& name);
    // Any thread: the name at `index`; the empty name outside the table.
    const std::string& name(int index) const;
    int count() const { return static_cast<int>(names_.size()); }

private:
    std::vector<std::string> names_;
};
