// Writing and restoring the parameter snapshot block.
#include "persistence/ParameterSnapshot.h"

#include "persistence/BinaryDataReader.h"
#include "persistence/BinaryDataWriter.h"

bool writeParameterSnapshot(const IParameterSnapshotTarget& instance, BinaryDataWriter& writer) {
    const int count = instance.parameterCount();
    writer.writeChunkHeader(kParameterSnapshotTag, kParameterSnapshotVersion);
    writer.writeInt32(count);
    for (int i = 0; i < count; ++i)
        writer.writeFloat(instance.parameterValue(i));
    return writer.good();
}

bool readParameterSnapshot(IParameterSnapshotTarget& instance, BinaryDataReader& reader) {
    if (!reader.readChunkHeader(kParameterSnapshotTag)) return false;

    instance.beginParameterBatch();
    const int count = instance.parameterCount();
    const std::int32_t stored = reader.readInt32();
    // The stored count is not trusted: reading stops with the stream, values beyond the parameters are
    // skipped in one step, and only the defaults loop runs to the instance's own count.
    for (int i = 0; i < stored && i < count && reader.good(); ++i) {
        const float value = reader.readFloat();
        if (reader.good()) instance.setParameterValue(i, value, kSnapshotChangeFlags);
    }
    if (stored > count) reader.skipBytes((static_cast<std::int64_t>(stored) - count) * 4);
    if (reader.good()) {
        for (int i = stored < 0 ? 0 : stored; i < count; ++i)
            instance.setParameterValue(i, instance.parameterDefaultValue(i), kSnapshotChangeFlags);
    }
    instance.endParameterBatch();
    instance.parametersReplaced();
    return reader.good();
}
