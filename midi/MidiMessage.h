// A three-byte MIDI message with its time offset inside the current process call, as it travels through
// the processor's MIDI input queue.
#pragma once

#include <cstdint>

struct MidiMessage {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    uint8_t pad = 0;
    int32_t timeOffset = 0;
};

static_assert(sizeof(MidiMessage) == 8);
