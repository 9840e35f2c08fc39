// Writing and reading the custom settings block.
#include "persistence/CustomSettingsBlock.h"

#include "persistence/BinaryDataReader.h"
#include "persistence/BinaryDataWriter.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The whole text must be the number, as "%d" writes it.
std::optional<int> parseDecimalInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || next != end) return std::nullopt;
    return value;
}

} // namespace

bool writeCustomSettingsBlock(ICustomSettingsTarget& instance, BinaryDataWriter& writer, bool forPreset) {
    const auto& settings = instance.settingsMap();
    // A map entry under the reserved key would read back as the per-track index, so it is never stored.
    const bool holdsReservedKey = settings.count(kPerTrackIndexKey) != 0;
    const std::size_t entries = settings.size() - (holdsReservedKey ? 1 : 0) + (forPreset ? 0 : 1);
    writer.writeChunkHeader(kCustomSettingsTag, kCustomSettingsVersion);
    writer.writeInt32(static_cast<std::int32_t>(entries));
    for (const auto& [key, value] : settings) {
        if (key == kPerTrackIndexKey) continue;
        writer.writeString(key);
        writer.writeString(value);
    }
    if (!forPreset) {
        writer.writeString(kPerTrackIndexKey);
        writer.writeString(std::to_string(instance.perTrackIndex()));
    }
    return writer.good();
}

bool readCustomSettingsBlock(ICustomSettingsTarget& instance, BinaryDataReader& reader) {
    auto& settings = instance.settingsMap();
    settings.clear();
    // Clearing the failure of an earlier read would hide it from the caller.
    if (!reader.good()) return false;

    const std::int64_t start = reader.position();
    if (reader.readChunkHeader(kCustomSettingsTag)) {
        const std::int32_t pairs = reader.readInt32();
        if (!reader.good()) return false;
        for (std::int32_t i = 0; i < pairs; ++i) {
            std::string key = reader.readString();
            std::string value = reader.readString();
            if (!reader.good()) return false;
            if (key == kPerTrackIndexKey)
                instance.setPerTrackIndex(parseDecimalInt(value).value_or(-1));
            else
                settings[std::move(key)] = std::move(value);
        }
    } else {
        reader.clearFailure();
        if (start >= 0) reader.setPosition(start);
    }
    instance.settingsChanged();
    return true;
}
