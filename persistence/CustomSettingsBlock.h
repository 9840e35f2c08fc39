// The custom settings block "CuSV": the instance's string settings, optionally followed by its per-track
// index. It is optional wherever it appears, so a reader that does not find it leaves the stream as it was.
//   tag "CuSV" | int32 version 1 | int32 M | M x (string key, string value)
#pragma once

#include "persistence/ICustomSettingsTarget.h"

#include <cstdint>

class BinaryDataReader;
class BinaryDataWriter;

inline constexpr char kCustomSettingsTag[] = "CuSV";
inline constexpr std::int32_t kCustomSettingsVersion = 1;
// The pair that carries the per-track index; it is never an entry of the settings map.
inline constexpr char kPerTrackIndexKey[] = "_PerTrackIndex";

// Main thread. The map's entries in key order; for the host state (forPreset false) then the pair
// "_PerTrackIndex" with the index as a decimal integer. True when the stream is still good afterwards.
bool writeCustomSettingsBlock(ICustomSettingsTarget& instance, BinaryDataWriter& writer, bool forPreset);

// Main thread. Clears the map, then:
// - no block here (another tag, or the stream ends within 8 bytes): the stream returns to where it stood
//   and its failure is cleared; settingsChanged; true;
// - a complete block: its pairs fill the map (a repeated key keeps the last value) and "_PerTrackIndex"
//   sets the per-track index (-1 when its value is not a decimal integer); settingsChanged; true;
// - a block that ends early: the pairs read so far stay in the map; false, the stream failed.
// A stream that has already failed is left failed and answers false.
bool readCustomSettingsBlock(ICustomSettingsTarget& instance, BinaryDataReader& reader);
