// The MIDI modulation source's settings that parameters choose and presets store.
#pragma once

class MidiModSource {
public:
    // The MIDI value the source follows; stored as the source's Input index.
    enum class MidiInput : int {
        ModWheel = 0,
        PitchBend = 1,
        Velocity = 2,
        Aftertouch = 3,
        KeyTrack = 4,
        Controller = 5, // the source's Controller Number
    };

    // The shaping of the value; stored as the source's "Response Curve" index.
    enum class ResponseCurve : int {
        Linear = 0,
        Exp = 1,
        Log = 2,
        Sqr = 3,
        Sqrt = 4,
        Sine = 5,
    };
};
