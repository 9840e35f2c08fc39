// The parameters of one MIDI modulation source ("MIDI Source N"): the MIDI value it follows. The extension
// set adds the response curve, created after every other list but moving with its source.
#pragma once

#include "modulation/MidiModSource.h"
#include "parameters/IndexedPluginParameter.h"
#include "parameters/PluginParameterSet.h"

#include <string>

class MidiSourceParameterSet : public PluginParameterSet {
public:
    // Main thread.
    MidiSourceParameterSet(GenericParameterOwner& owner, int index);
    void initialise() override;

    // Main thread: "MS N", and the source's name in menus: what it follows and the label, e.g.
    // "Mod Wheel (MS 1)" or, following a controller, its number: "74 (MS 2)".
    std::string shortLabel() const;
    std::string displayName() const;

    IndexedPluginParameter<MidiModSource::MidiInput> input;
    IndexedPluginParameter<int> controllerNumber; // used with the Controller input

private:
    int number_;
};

// The MIDI source parameters added in a later version; set N extends "MIDI Source N".
class MidiSourceParameterSetListExtension : public PluginParameterSet {
public:
    // Main thread.
    MidiSourceParameterSetListExtension(GenericParameterOwner& owner, int index);
    void initialise() override;

    IndexedPluginParameter<MidiModSource::ResponseCurve> responseCurve;
};
