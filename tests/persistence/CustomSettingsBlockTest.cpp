// The custom settings block: its exact bytes with and without the per-track index, the optional block's
// absence, blocks cut short at every length, and noise.
#include "persistence/CustomSettingsBlock.h"

#include "persistence/BinaryMemoryReader.h"
#include "persistence/ParameterSnapshot.h"

#include "FakeInstance.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Settings = std::map<std::string, std::string>;

FakeInstance withSettings(Settings settings, int trackIndex) {
    FakeInstance instance;
    instance.settings = std::move(settings);
    instance.trackIndex = trackIndex;
    return instance;
}

Bytes settingsBytes(std::int32_t count, const std::vector<std::pair<std::string, std::string>>& pairs) {
    return writtenBytes([&](BinaryDataWriter& w) {
        w.writeChunkHeader("CuSV", 1);
        w.writeInt32(count);
        for (const auto& [key, value] : pairs) {
            w.writeString(key);
            w.writeString(value);
        }
    });
}

TEST(CustomSettingsBlock, WritesTheMapInKeyOrderAndThePerTrackIndexOnlyForTheHost) {
    const Bytes header = {'C', 'u', 'S', 'V', 0x01, 0x00, 0x00, 0x00};
    // "A" = "x", "B" = "", "b" = "2": byte-wise order puts capitals first.
    const Bytes entries = joinBytes({
        {0x01, 0x00, 0x00, 0x00, 'A', 0x01, 0x00, 0x00, 0x00, 'x'},
        {0x01, 0x00, 0x00, 0x00, 'B', 0x00, 0x00, 0x00, 0x00},
        {0x01, 0x00, 0x00, 0x00, 'b', 0x01, 0x00, 0x00, 0x00, '2'},
    });
    const Bytes indexKey = joinBytes({{0x0E, 0x00, 0x00, 0x00}, textBytes("_PerTrackIndex")});
    struct Case {
        bool forPreset;
        int trackIndex;
        Bytes expected;
    };
    const Case cases[] = {
        {false, 7,
         joinBytes({header, {0x04, 0x00, 0x00, 0x00}, entries, indexKey, {0x01, 0x00, 0x00, 0x00, '7'}})},
        {false, -1,
         joinBytes(
             {header, {0x04, 0x00, 0x00, 0x00}, entries, indexKey, {0x02, 0x00, 0x00, 0x00, '-', '1'}})},
        {true, 7, joinBytes({header, {0x03, 0x00, 0x00, 0x00}, entries})},
    };
    for (const Case& c : cases) {
        FakeInstance instance = withSettings({{"b", "2"}, {"A", "x"}, {"B", ""}}, c.trackIndex);
        EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) {
                      EXPECT_TRUE(writeCustomSettingsBlock(instance, w, c.forPreset));
                  }),
                  c.expected)
            << "preset " << c.forPreset << ", index " << c.trackIndex;
    }
}

TEST(CustomSettingsBlock, AMapEntryUnderTheReservedKeyIsNeverWritten) {
    FakeInstance instance = withSettings({{"_PerTrackIndex", "5"}, {"k", "v"}}, 2);
    EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { writeCustomSettingsBlock(instance, w, true); }),
              settingsBytes(1, {{"k", "v"}}));
    EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { writeCustomSettingsBlock(instance, w, false); }),
              settingsBytes(2, {{"k", "v"}, {"_PerTrackIndex", "2"}}));
}

TEST(CustomSettingsBlock, ReadsWhatItWroteReplacingTheMap) {
    FakeInstance source =
        withSettings({{"AUTHOR", "Me"}, {"NAME", "with \"quotes\"\n"}, {"", "empty key"}}, 12);
    const Bytes bytes =
        writtenBytes([&](BinaryDataWriter& w) { writeCustomSettingsBlock(source, w, false); });
    FakeInstance target = withSettings({{"stale", "1"}}, 3);
    BinaryMemoryReader reader(bytes);
    EXPECT_TRUE(readCustomSettingsBlock(target, reader));
    EXPECT_EQ(target.settings, source.settings);
    EXPECT_EQ(target.trackIndex, 12);
    EXPECT_EQ(target.settingsChangedCount, 1);
}

TEST(CustomSettingsBlock, ThePerTrackIndexIsADecimalIntegerOrMinusOne) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12}, {"-3", -3}, {"0", 0}, {"abc", -1}, {"", -1}, {"7x", -1}, {"99999999999", -1},
    };
    for (const auto& [text, expected] : cases) {
        const Bytes bytes = settingsBytes(2, {{"_PerTrackIndex", text}, {"k", "v"}});
        FakeInstance instance = withSettings({}, 5);
        BinaryMemoryReader reader(bytes);
        EXPECT_TRUE(readCustomSettingsBlock(instance, reader)) << text;
        EXPECT_EQ(instance.trackIndex, expected) << text;
        EXPECT_EQ(instance.settings, (Settings{{"k", "v"}})) << text;
    }
}

TEST(CustomSettingsBlock, ARepeatedKeyKeepsItsLastValue) {
    const Bytes bytes = settingsBytes(3, {{"k", "first"}, {"j", "x"}, {"k", "last"}});
    FakeInstance instance;
    BinaryMemoryReader reader(bytes);
    EXPECT_TRUE(readCustomSettingsBlock(instance, reader));
    EXPECT_EQ(instance.settings, (Settings{{"j", "x"}, {"k", "last"}}));
    EXPECT_EQ(instance.trackIndex, -1);
}

TEST(CustomSettingsBlock, AnAbsentBlockLeavesTheStreamWhereItStood) {
    struct Case {
        const char* name;
        Bytes following;
    };
    const Case cases[] = {
        {"end of stream", {}},
        {"another block", {'Q', 'L', '2', 'm', 0x03, 0x00, 0x00, 0x00}},
        {"a tag differing in case", {'c', 'u', 'S', 'V', 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"a few bytes", {0x01, 0x02, 0x03}},
        {"the tag alone", {'C', 'u', 'S', 'V', 0x01}},
    };
    for (const Case& c : cases) {
        const Bytes bytes = joinBytes({textBytes("abc"), c.following});
        BinaryMemoryReader reader(bytes);
        reader.skipBytes(3);
        FakeInstance instance = withSettings({{"stale", "1"}}, 4);
        EXPECT_TRUE(readCustomSettingsBlock(instance, reader)) << c.name;
        EXPECT_TRUE(reader.good()) << c.name;
        EXPECT_EQ(reader.position(), 3) << c.name;
        EXPECT_TRUE(instance.settings.empty()) << c.name;
        EXPECT_EQ(instance.trackIndex, 4) << c.name;
        EXPECT_EQ(instance.settingsChangedCount, 1) << c.name;
    }
}

TEST(CustomSettingsBlock, AStreamEndingAfterTheParameterValuesLoadsWithEmptySettings) {
    FakeInstance source({1.0f, 2.0f});
    const Bytes bytes = writtenBytes([&](BinaryDataWriter& w) { writeParameterSnapshot(source, w); });
    FakeInstance target = withSettings({{"stale", "1"}}, -1);
    target.defaults = target.values = {0.0f, 0.0f};
    BinaryMemoryReader reader(bytes);
    EXPECT_TRUE(readParameterSnapshot(target, reader));
    EXPECT_TRUE(readCustomSettingsBlock(target, reader));
    EXPECT_TRUE(reader.good());
    EXPECT_EQ(target.values, source.values);
    EXPECT_TRUE(target.settings.empty());
}

TEST(CustomSettingsBlock, EveryTruncationOfAPresentBlockFailsKeepingThePairsRead) {
    FakeInstance source = withSettings({{"AUTHOR", "Me"}, {"TAGS", "Bass,Lead"}}, 9);
    const Bytes whole =
        writtenBytes([&](BinaryDataWriter& w) { writeCustomSettingsBlock(source, w, false); });
    // Where each pair ends: header and count (12), then 4 + 6 + 4 + 2, 4 + 4 + 4 + 9, 4 + 14 + 4 + 1.
    const std::size_t pairEnds[] = {28, 49, 72};
    ASSERT_EQ(whole.size(), 72u);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes bytes = joinBytes({textBytes("abc"), prefix(whole, length)});
        BinaryMemoryReader reader(bytes);
        reader.skipBytes(3);
        FakeInstance instance = withSettings({{"stale", "1"}}, 4);
        const bool read = readCustomSettingsBlock(instance, reader);
        if (length < 8) {
            // Not even a header: the block counts as absent.
            EXPECT_TRUE(read) << length;
            EXPECT_EQ(reader.position(), 3) << length;
            EXPECT_TRUE(instance.settings.empty()) << length;
            EXPECT_EQ(instance.settingsChangedCount, 1) << length;
            continue;
        }
        EXPECT_FALSE(read) << length;
        EXPECT_FALSE(reader.good()) << length;
        EXPECT_EQ(instance.settingsChangedCount, 0) << length;
        EXPECT_EQ(instance.trackIndex, 4) << length;
        Settings expected;
        if (length >= pairEnds[0]) expected["AUTHOR"] = "Me";
        if (length >= pairEnds[1]) expected["TAGS"] = "Bass,Lead";
        EXPECT_EQ(instance.settings, expected) << length;
    }
}

TEST(CustomSettingsBlock, CountsWithoutPairsBehind) {
    struct Case {
        std::int32_t count;
        bool succeeds;
    };
    const Case cases[] = {
        {0, true}, {-7, true}, {1, false}, {std::numeric_limits<std::int32_t>::max(), false}};
    for (const Case& c : cases) {
        const Bytes bytes = settingsBytes(c.count, {});
        FakeInstance instance;
        BinaryMemoryReader reader(bytes);
        EXPECT_EQ(readCustomSettingsBlock(instance, reader), c.succeeds) << c.count;
        EXPECT_TRUE(instance.settings.empty()) << c.count;
    }
}

TEST(CustomSettingsBlock, AStreamThatHasAlreadyFailedStaysFailed) {
    const Bytes bytes = settingsBytes(1, {{"k", "v"}});
    BinaryMemoryReader reader(bytes);
    reader.skipBytes(1000);
    FakeInstance instance = withSettings({{"stale", "1"}}, 4);
    EXPECT_FALSE(readCustomSettingsBlock(instance, reader));
    EXPECT_FALSE(reader.good());
    EXPECT_TRUE(instance.settings.empty());
}

TEST(CustomSettingsBlock, NoiseAnswersWithoutHarm) {
    const std::size_t sizes[] = {0, 1, 7, 8, 12, 13, 100, 4096, 65537, 3 << 20};
    std::uint32_t seed = 100;
    for (const std::size_t size : sizes) {
        for (const bool tagged : {false, true}) {
            Bytes bytes = randomBytes(size, seed++);
            if (tagged && size >= 4) std::copy_n("CuSV", 4, bytes.begin());
            FakeInstance instance;
            BinaryMemoryReader reader(bytes);
            const bool read = readCustomSettingsBlock(instance, reader);
            // Every pair takes at least its two counts.
            EXPECT_LE(instance.settings.size(), size / 8) << size;
            if (!tagged || size < 8) {
                EXPECT_TRUE(read) << size;
                EXPECT_EQ(reader.position(), 0) << size;
            } else {
                EXPECT_EQ(read, reader.good()) << size;
            }
        }
    }
}

} // namespace
