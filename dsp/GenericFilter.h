// The filter node's response and slope settings, shared by the filter units, the parameters that choose
// them and the presets that store them.
#pragma once

class GenericFilter {
public:
    // Stored as the Response index; the product offers LowPass, HighPass and BandPass.
    enum class Response : int {
        LowPass = 0,
        HighPass = 1,
        BandPass = 2,
        Notch = 3,
        Bell = 4,
        LowShelf = 5,
        LowShelfScaled = 6,
        HighShelf = 7,
        HighShelfScaled = 8,
        AllPass = 9,
    };

    // Stored as the Slope index; the number of two-pole sections is 1, 1, 2 and 4.
    enum class Slope : int {
        Single = 0,
        Db12 = 1,
        Db24 = 2,
        Db48 = 3,
    };
};
