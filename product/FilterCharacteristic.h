// The eleven voicings a filter offers, in the order of the Characteristic parameter's options.
#pragma once

// Stored as the parameter's index.
enum class FilterCharacteristic : int {
    QuorvaneOne = 0,
    Smooth = 1,
    Raw = 2,
    Hard = 3,
    Hollow = 4,
    Extreme = 5,
    Gentle = 6,
    Tube = 7,
    Metal = 8,
    EasyGoing = 9,
    Clean = 10, // the distortion-free biquad; all others are table-driven state-variable filters
};
