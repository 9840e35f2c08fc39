// What the channel output lets the user hear.
#pragma once

// Stored as the "Audition Signal" index.
enum class AuditionSignal : int {
    Output = 0,
    Input = 1,
    SideChain = 2,
};
