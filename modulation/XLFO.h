// The step-sequenced LFO's settings that parameters choose and presets store.
#pragma once

class XLFO {
public:
    // How a step glides into the next one; stored as the step's "Glide function" index.
    enum class GlideCurve : int {
        Linear = 0,
        Sqr = 1,
        Sqrt = 2,
        Sine = 3,
    };
};
