// The parameter snapshot block "QVBS": every parameter's plain value in index order, the first block of
// the host's state.
//   tag "QVBS" | int32 version 1 | int32 N | N x float32 value
#pragma once

#include "persistence/IParameterSnapshotTarget.h"

#include <cstdint>

class BinaryDataReader;
class BinaryDataWriter;

inline constexpr char kParameterSnapshotTag[] = "QVBS";
inline constexpr std::int32_t kParameterSnapshotVersion = 1;
// The change origin of a restore: it came from the shell, so it is not reported back to the host.
inline constexpr int kSnapshotChangeFlags = 1;

// Main thread. True when the stream is still good afterwards.
bool writeParameterSnapshot(const IParameterSnapshotTarget& instance, BinaryDataWriter& writer);

// Main thread. A block with another tag touches no parameter and answers false (the stream then stands
// after its 8 header bytes). Otherwise, inside one parameter batch: the first min(N, P) values are set,
// values beyond P are passed over, parameters from N on return to their defaults, and parametersReplaced
// follows the batch. When the stream ends early, the values read so far stay applied, the rest are left
// alone, and the answer is false.
bool readParameterSnapshot(IParameterSnapshotTarget& instance, BinaryDataReader& reader);
