// Names, ranges and options of the MIDI source parameters.
#include "product/MidiSourceParameterSet.h"

#include "parameters/ParameterNames.h"
#include "product/ParameterSetup.h"

namespace {
constexpr const char* kKindWord = "MIDI Source";
}

MidiSourceParameterSet::MidiSourceParameterSet(GenericParameterOwner& owner, int index)
    : PluginParameterSet(owner, ParameterNames::setName(kKindWord, index + 1)),
      input(this, ParameterNames::parameterName(name(), " Input")),
      controllerNumber(this, ParameterNames::parameterName(name(), " Controller Number")),
      number_(index + 1) {}

void MidiSourceParameterSet::initialise() {
    static const OptionNames inputs =
        makeOptionNames("Mod Wheel,Pitch Bend,Velocity,Aftertouch,KB Track,Controller");
    ParameterSetup::setChoice(input, 0, 5, 0, inputs);
    ParameterSetup::setChoice(controllerNumber, 0, 127, 0);
}

std::string MidiSourceParameterSet::shortLabel() const {
    return ParameterNames::setName("MS", number_);
}

std::string MidiSourceParameterSet::displayName() const {
    const AbstractPluginParameter& shown = input.typedValue() == MidiModSource::MidiInput::Controller
                                               ? static_cast<const AbstractPluginParameter&>(controllerNumber)
                                               : input;
    return shown.text(shown.value()) + " (" + shortLabel() + ")";
}

MidiSourceParameterSetListExtension::MidiSourceParameterSetListExtension(GenericParameterOwner& owner,
                                                                         int index)
    : PluginParameterSet(owner, ParameterNames::setName(kKindWord, index + 1)),
      responseCurve(this, ParameterNames::parameterName(name(), " Response Curve")) {}

void MidiSourceParameterSetListExtension::initialise() {
    static const OptionNames curves = makeOptionNames("Linear,Exp,Log,Sqr,Sqrt,Sine");
    ParameterSetup::setChoice(responseCurve, 0, 5, 0, curves);
}
