// The base of every parameter: its identity (the id is the registration index the plug-in answers), its
// owner, and the virtual operations shared by continuous and choice parameters across the four value
// domains: internal (stored, what the host sees), normalised (0..1), unit (what the signal processing
// receives) and display (what the user reads and types).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class GenericParameterOwner;

class AbstractPluginParameter {
public:
    // Changes not larger than this are no changes; also the zero test of scaleRelative.
    static constexpr float kChangeThreshold = 1.1920929e-7f;

    // Reported to the host: Choice parameters are stepped.
    enum class Kind : int { Continuous = 0, Choice = 1 };

    // Main thread: registers with `owner` (which answers the id); without owner the id is -1.
    AbstractPluginParameter(GenericParameterOwner* owner, std::string name, Kind kind);
    virtual ~AbstractPluginParameter() = default;
    AbstractPluginParameter(const AbstractPluginParameter&) = delete;
    AbstractPluginParameter& operator=(const AbstractPluginParameter&) = delete;

    // Conversions are pure functions of their argument and the parameter's settings: any thread.
    virtual float internalFromDisplay(float display) const { return display; }
    virtual float internalFromUnitValue(float unitValue) const { return unitValue; }
    virtual float displayFromInternal(float internal) const { return internal; }
    virtual float unitValueFromInternal(float internal) const { return internal; }
    virtual float normalise(float internal) const = 0;
    virtual float normaliseInContext(float internal, int context) const;
    virtual float denormalise(float normalised) const = 0;
    // Main thread. Answers false and writes the current value when the text cannot be read.
    virtual bool parseText(std::string_view text, float& value) const;
    // Answers false when `normalised` selects no entry of the context's group.
    virtual bool denormaliseInContext(float normalised, int context, float& value) const;
    // Main thread (formatting allocates).
    virtual std::string shortText(float internal, int maxChars) const;
    virtual std::string text(float internal) const = 0;
    virtual float defaultValue() const = 0;
    virtual int indexForKey(int key) const;
    virtual float maximum() const = 0;
    virtual float minimum() const = 0;
    // Moves `value` by the change from -> to of a linked parameter: a constant ratio in the display
    // domain, or a plain offset when `from` displays as zero.
    virtual float scaleRelative(float value, float from, float to) const;
    // Any thread.
    virtual float value() const = 0;
    virtual bool hasOptionNames() const { return false; }
    // Main thread, or the audio thread for host automation. Clamps; NaN leaves the value unchanged; an
    // accepted change goes to the owner's parameterChanged with `flags` untouched. Never allocates.
    virtual void setValue(float internal, int flags) = 0;
    virtual bool isNumeric() const = 0;
    // Called by the plug-in after it accepted a change: main thread in the model, audio thread in the
    // processor. Hands the unit value to the value listeners. Never allocates.
    virtual void notifyListeners(float internal) = 0;

    int id() const { return id_; }
    const std::string& name() const { return name_; }
    GenericParameterOwner* owner() const { return owner_; }
    Kind kind() const { return kind_; }
    bool isStepped() const { return kind_ == Kind::Choice; }

    bool isAutomatable() const { return automatable_; }
    void setAutomatable(bool automatable) { automatable_ = automatable; }
    const std::string& helpText() const { return helpText_; }
    void setHelpText(std::string text) { helpText_ = std::move(text); }

    const std::vector<std::string>& aliases() const { return aliases_; }
    // Main thread, during initialisation: also registers the alias with the owner.
    void addAlias(std::string alias);

protected:
    // Tells the owner about an accepted change.
    void reportChange(float value, int flags);

private:
    std::vector<std::string> aliases_;
    bool automatable_ = true;
    GenericParameterOwner* owner_;
    std::string name_;
    std::string helpText_;
    Kind kind_;
    int id_;
};
