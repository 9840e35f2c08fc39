// What starts an envelope generator.
#pragma once

// Stored as the EG's Triggering index.
enum class Triggering : int {
    NormalInput = 0, // the level of the main input crossing the threshold
    SideChain = 1,   // the level of the side-chain input crossing the threshold
    Midi = 2,        // MIDI notes
};
