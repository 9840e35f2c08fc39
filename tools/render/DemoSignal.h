// The renderer's built-in test signal: a few bars of drum-like transients, a bass line and a sustained
// chord, generated in code so that every run at a given rate and length produces the same samples.
#pragma once

#include "tools/render/AudioData.h"

// A stereo signal of the given length; peaks stay below full scale.
AudioData makeDemoSignal(double sampleRate, double seconds);
