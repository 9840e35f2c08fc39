// How the filter routing treats the two channels of a stereo layout.
#pragma once

// Stored as the "Routing Mode" index.
enum class RoutingMode : int {
    Stereo = 0,     // every filter processes both channels
    PerChannel = 1, // the first half of the filters processes the left channel, the second half the right
    MidSide = 2,    // as PerChannel, on mid and side
};
