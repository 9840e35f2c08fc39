// The XLFO frequency controller's tempo sync setting.
#pragma once

class XLFOFreqController {
public:
    // Free running, or one cycle per the given length in whole notes; stored as the "Sync Mode" index.
    enum class SyncMode : int {
        Free = 0,
        Whole16 = 1,
        Whole8 = 2,
        Whole4 = 3,
        Whole2 = 4,
        Whole1 = 5,
        Half = 6,
        Quarter = 7,
        Eighth = 8,
        Sixteenth = 9,
        ThirtySecond = 10,
        SixtyFourth = 11,
    };
};
