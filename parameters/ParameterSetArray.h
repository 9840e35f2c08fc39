// Extension sets attached to a list: one set per set of the list, moving together with it when a set of
// the list is removed. Set i is constructed as T(owner, i, arguments...).
#pragma once

#include "parameters/AbstractParameterSetArray.h"
#include "parameters/PluginParameterSet.h"

#include <memory>
#include <vector>

template <typename T> class ParameterSetArray : public AbstractParameterSetArray {
public:
    // Main thread.
    template <typename... Args>
    ParameterSetArray(GenericParameterOwner& owner, int setCount, const Args&... setArguments) {
        sets_.reserve(static_cast<std::size_t>(setCount > 0 ? setCount : 0));
        for (int i = 0; i < setCount; ++i)
            sets_.push_back(std::make_unique<T>(owner, i, setArguments...));
    }

    int setCount() const override { return static_cast<int>(sets_.size()); }
    PluginParameterSet* set(int index) const override { return typedSet(index); }
    T* typedSet(int index) const {
        return index >= 0 && index < setCount() ? sets_[static_cast<std::size_t>(index)].get() : nullptr;
    }

private:
    std::vector<std::unique_ptr<T>> sets_;
};
