// A choice among consecutive integer indices. The unit value handed to listeners is typed: the index
// itself, its entry in an optional value table (indices start at the table's index offset), or for bool
// whether the entry is non-zero. Option names give each index its text; (index, key) context pairs split
// the index range into groups that normaliseInContext and denormaliseInContext address separately.
#pragma once

#include "parameters/OptionNames.h"
#include "parameters/TypedPluginParameter.h"
#include "parameters/ValueText.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

template <typename T> class IndexedPluginParameter : public TypedPluginParameter<T> {
    static_assert(std::is_integral_v<T> || std::is_enum_v<T>,
                  "a choice is typed by an integer, bool or enum");

public:
    struct ContextPair {
        int index;
        int key;
    };

    // Main thread.
    IndexedPluginParameter(GenericParameterOwner* owner, std::string name)
        : TypedPluginParameter<T>(owner, std::move(name), AbstractPluginParameter::Kind::Choice) {}

    float internalFromUnitValue(float unitValue) const override {
        if (std::isnan(unitValue)) return unitValue;
        const int typed = truncate(unitValue);
        return static_cast<float>(table_.empty() ? typed : tableIndexOf(typed));
    }
    float unitValueFromInternal(float internal) const override {
        if (std::isnan(internal)) return internal;
        if (table_.empty()) return static_cast<float>(truncate(internal));
        return static_cast<float>(intFromTyped(typedValueAt(truncate(internal))));
    }
    float normalise(float internal) const override {
        if (std::isnan(internal)) return internal;
        const int span = maximum_ - minimum_;
        return span > 0 ? static_cast<float>(truncate(internal) - minimum_) / static_cast<float>(span) : 0.0f;
    }
    float normaliseInContext(float internal, int context) const override {
        if (contextPairs_.empty() || std::isnan(internal)) return normalise(internal);
        const Group group = groupFor(context);
        const int index = truncate(internal);
        if (!(group.low < index && index <= group.high)) return 0.0f;
        return static_cast<float>(index - group.low) / static_cast<float>(group.high - group.low);
    }
    float denormalise(float normalised) const override {
        if (std::isnan(normalised)) return normalised;
        const int span = maximum_ - minimum_;
        return static_cast<float>(minimum_ + std::clamp(truncate(normalised * span + 0.5f), 0, span));
    }
    bool denormaliseInContext(float normalised, int context, float& value) const override {
        if (contextPairs_.empty())
            return AbstractPluginParameter::denormaliseInContext(normalised, context, value);
        if (std::isnan(normalised)) {
            value = this->value();
            return false;
        }
        const Group group = groupFor(context);
        const int span = std::max(group.high - group.low, 0);
        const int offset = std::clamp(truncate(normalised * span + 0.5f), 0, span);
        value = static_cast<float>(group.low + offset);
        return group.first || offset >= 1;
    }
    // Main thread: an option name (exact, then ignoring case) or a "%d" number (mapped through the
    // value table when there is one) within the range.
    bool parseText(std::string_view text, float& value) const override {
        value = this->value();
        if (hasOptionNames()) {
            const int position = findOptionName(*optionNames_, text);
            if (position >= 0 && position <= maximum_ - minimum_) {
                value = static_cast<float>(minimum_ + position);
                return true;
            }
        }
        int number = 0;
        if (!ValueText::readInteger(text, number)) return false;
        const int index = table_.empty() ? number : tableIndexOf(number);
        if (index < minimum_ || index > maximum_) return false;
        value = static_cast<float>(index);
        return true;
    }
    std::string shortText(float internal, int maxChars) const override {
        if (!hasOptionNames()) return AbstractPluginParameter::shortText(internal, maxChars);
        return ValueText::abbreviate(text(internal), maxChars);
    }
    std::string text(float internal) const override {
        const int index = std::isnan(internal) ? this->index() : clampedIndex(internal);
        const std::size_t position = static_cast<std::size_t>(index - minimum_);
        if (optionNames_ && position < optionNames_->size()) return (*optionNames_)[position];
        return std::to_string(intFromTyped(typedValueAt(index)));
    }
    float defaultValue() const override { return static_cast<float>(indexOf(default_)); }
    int indexForKey(int key) const override {
        for (const ContextPair& pair : contextPairs_)
            if (pair.key == key) return pair.index;
        return -1;
    }
    float maximum() const override { return static_cast<float>(maximum_); }
    float minimum() const override { return static_cast<float>(minimum_); }
    float value() const override { return static_cast<float>(index()); }
    bool hasOptionNames() const override { return optionNames_ && !optionNames_->empty(); }
    void setValue(float internal, int flags) override {
        if (std::isnan(internal)) return;
        const int index = clampedIndex(internal);
        if (index == this->index()) return;
        value_.store(typedValueAt(index), std::memory_order_relaxed);
        this->reportChange(static_cast<float>(index), flags);
    }
    bool isNumeric() const override { return !hasOptionNames(); }
    void notifyListeners(float internal) override {
        if (std::isnan(internal)) return;
        this->tellValueListeners(typedValueAt(clampedIndex(internal)));
    }

    // Initialisation, main thread. Sets the value to the default without notifying anyone. Throws
    // std::invalid_argument unless minimum <= default <= maximum.
    void setRange(int minimum, int maximum, int defaultIndex) {
        if (!(minimum <= defaultIndex && defaultIndex <= maximum))
            throw std::invalid_argument("Parameter \"" + this->name() +
                                        "\": the default lies outside the range");
        minimum_ = minimum;
        maximum_ = maximum;
        default_ = typedValueAt(defaultIndex);
        value_.store(default_, std::memory_order_relaxed);
    }
    // Index `indexOffset + i` selects table[i]. The default and current indices are kept.
    void setValueTable(std::vector<T> table, int indexOffset) {
        const int defaultIndex = indexOf(default_);
        const int currentIndex = index();
        table_ = std::move(table);
        indexOffset_ = indexOffset;
        default_ = typedValueAt(defaultIndex);
        value_.store(typedValueAt(currentIndex), std::memory_order_relaxed);
    }
    void setOptionNames(OptionNames names) { optionNames_ = std::move(names); }
    void setContextPairs(std::vector<ContextPair> pairs) { contextPairs_ = std::move(pairs); }

    // Any thread.
    T typedValue() const { return value_.load(std::memory_order_relaxed); }
    T defaultTypedValue() const { return default_; }
    int index() const { return indexOf(typedValue()); }
    int minimumIndex() const { return minimum_; }
    int maximumIndex() const { return maximum_; }
    T typedValueAt(int index) const {
        if (table_.empty()) return typedFromInt(index);
        const int last = static_cast<int>(table_.size()) - 1;
        return table_[static_cast<std::size_t>(std::clamp(index - indexOffset_, 0, last))];
    }
    // The index whose typed value is `typed`: the first equal table entry (the index offset when none).
    int indexOf(T typed) const {
        return table_.empty() ? intFromTyped(typed) : tableIndexOf(intFromTyped(typed));
    }
    const OptionNames& optionNames() const { return optionNames_; }
    const std::vector<T>& valueTable() const { return table_; }
    int indexOffset() const { return indexOffset_; }
    const std::vector<ContextPair>& contextPairs() const { return contextPairs_; }

private:
    struct Group {
        int low;
        int high;
        bool first;
    };

    static T typedFromInt(int value) {
        if constexpr (std::is_same_v<T, bool>)
            return value != 0;
        else
            return static_cast<T>(value);
    }
    static int intFromTyped(T value) { return static_cast<int>(value); }
    // int(x) without the undefined behaviour of out-of-range conversions; callers rule out NaN.
    static int truncate(float x) { return static_cast<int>(std::clamp(x, -2147483520.0f, 2147483520.0f)); }

    int clampedIndex(float internal) const {
        return truncate(std::clamp(internal, static_cast<float>(minimum_), static_cast<float>(maximum_)));
    }
    int tableIndexOf(int typed) const {
        for (std::size_t i = 0; i < table_.size(); ++i)
            if (intFromTyped(table_[i]) == typed) return static_cast<int>(i) + indexOffset_;
        return indexOffset_;
    }
    // The first pair whose key reaches the context closes the group, which starts after the previous
    // pair (or at the minimum); contexts beyond every key select the last group, up to the maximum.
    Group groupFor(int context) const {
        for (std::size_t i = 0; i < contextPairs_.size(); ++i)
            if (contextPairs_[i].key >= context)
                return {i == 0 ? minimum_ : contextPairs_[i - 1].index, contextPairs_[i].index, i == 0};
        return {contextPairs_.back().index, maximum_, false};
    }

    T default_{};
    int maximum_ = 1;
    int minimum_ = 0;
    std::vector<T> table_;
    int indexOffset_ = 0;
    std::atomic<T> value_{};
    OptionNames optionNames_;
    std::vector<ContextPair> contextPairs_;
};
