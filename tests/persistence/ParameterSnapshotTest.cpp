// The parameter snapshot block: its exact bytes, restoring more, fewer or no values, and streams that are
// cut short or hold nothing but noise.
#include "persistence/ParameterSnapshot.h"

#include "persistence/BinaryMemoryReader.h"

#include "FakeInstance.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int32_t kSentinel = 0x5EB71E1;

// An instance whose values differ from its defaults, so that a default restored and a value left alone
// can be told apart.
FakeInstance threeParameters() {
    FakeInstance instance({10.0f, 20.0f, 30.0f});
    instance.values = {7.0f, 8.0f, 9.0f};
    return instance;
}

Bytes snapshotBytes(const char* tag, std::int32_t count, const std::vector<float>& values) {
    return writtenBytes([&](BinaryDataWriter& w) {
        w.writeChunkHeader(tag, 1);
        w.writeInt32(count);
        for (float v : values)
            w.writeFloat(v);
    });
}

TEST(ParameterSnapshot, WritesTagVersionCountAndPlainValues) {
    FakeInstance instance({1.0f, -2.5f, 440.0f});
    const Bytes expected = {'Q',  'V',  'B',  'S',  0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x20, 0xC0, 0x00, 0x00, 0xDC, 0x43};
    EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { EXPECT_TRUE(writeParameterSnapshot(instance, w)); }),
              expected);

    FakeInstance empty;
    EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { writeParameterSnapshot(empty, w); }),
              (Bytes{'Q', 'V', 'B', 'S', 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST(ParameterSnapshot, ReadsWhatItWrote) {
    FakeInstance source({0.0f, 1.0f, 2.0f, 3.0f});
    source.values = {0.5f, -1.0f, 1e6f, 3.25f};
    const Bytes bytes = writtenBytes([&](BinaryDataWriter& w) { writeParameterSnapshot(source, w); });
    FakeInstance target({0.0f, 1.0f, 2.0f, 3.0f});
    BinaryMemoryReader reader(bytes);
    EXPECT_TRUE(readParameterSnapshot(target, reader));
    EXPECT_EQ(target.values, source.values);
    EXPECT_EQ(target.trace, "begin end replaced ");
}

TEST(ParameterSnapshot, RestoresAsManyValuesAsBothSidesHave) {
    const std::int32_t huge = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* name;
        const char* tag;
        std::int32_t count;
        std::vector<float> stored;
        bool succeeds;
        std::vector<float> after;
    };
    const Case cases[] = {
        {"as many", "QVBS", 3, {4, 5, 6}, true, {4, 5, 6}},
        {"more: the rest is passed over", "QVBS", 5, {4, 5, 6, 97, 98}, true, {4, 5, 6}},
        {"fewer: the rest returns to defaults", "QVBS", 1, {4}, true, {4, 20, 30}},
        {"none", "QVBS", 0, {}, true, {10, 20, 30}},
        {"negative count", "QVBS", -4, {}, true, {10, 20, 30}},
        {"more, cut short", "QVBS", 5, {4, 5, 6, 97}, false, {4, 5, 6}},
        {"fewer, cut short", "QVBS", 2, {4}, false, {4, 8, 9}},
        {"2^31-1 on a 20-byte stream", "QVBS", huge, {4, 5}, false, {4, 5, 9}},
        {"2^31-1 beyond the parameters", "QVBS", huge, {4, 5, 6, 7}, false, {4, 5, 6}},
        {"another tag", "QVBs", 3, {4, 5, 6}, false, {7, 8, 9}},
    };
    for (const Case& c : cases) {
        Bytes bytes = snapshotBytes(c.tag, c.count, c.stored);
        // Whatever follows a good block must still be readable from where the block ended.
        if (c.succeeds)
            bytes = joinBytes({bytes, writtenBytes([](BinaryDataWriter& w) { w.writeInt32(kSentinel); })});
        FakeInstance instance = threeParameters();
        BinaryMemoryReader reader(bytes);
        EXPECT_EQ(readParameterSnapshot(instance, reader), c.succeeds) << c.name;
        EXPECT_EQ(instance.values, c.after) << c.name;
        EXPECT_EQ(instance.batchDepth, 0) << c.name;
        if (c.succeeds) {
            EXPECT_EQ(reader.readInt32(), kSentinel) << c.name;
        }
        if (std::string(c.tag) == kParameterSnapshotTag) {
            EXPECT_EQ(instance.trace, "begin end replaced ") << c.name;
        } else {
            EXPECT_EQ(instance.trace, "") << c.name;
            EXPECT_EQ(instance.setCount, 0) << c.name;
            EXPECT_EQ(reader.position(), 8) << c.name;
        }
    }
}

TEST(ParameterSnapshot, EveryTruncationFailsAndKeepsOnlyTheValuesRead) {
    const std::vector<float> stored = {4, 5, 6};
    const Bytes whole = snapshotBytes("QVBS", 3, stored);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut = prefix(whole, length);
        FakeInstance instance = threeParameters();
        BinaryMemoryReader reader(cut);
        EXPECT_FALSE(readParameterSnapshot(instance, reader)) << length;
        EXPECT_FALSE(reader.good()) << length;
        const std::size_t complete = length >= 12 ? (length - 12) / 4 : 0;
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(instance.values[i], i < complete ? stored[i] : threeParameters().values[i])
                << "length " << length << ", parameter " << i;
        EXPECT_EQ(instance.trace, length < 8 ? "" : "begin end replaced ") << length;
    }
}

TEST(ParameterSnapshot, NoiseAnswersWithoutHarm) {
    const std::size_t sizes[] = {0, 1, 7, 8, 12, 13, 100, 4096, 65537, 3 << 20};
    std::uint32_t seed = 1;
    for (const std::size_t size : sizes) {
        for (const bool tagged : {false, true}) {
            Bytes bytes = randomBytes(size, seed++);
            if (tagged && size >= 4) std::copy_n("QVBS", 4, bytes.begin());
            FakeInstance instance(std::vector<float>(709, 0.5f));
            BinaryMemoryReader reader(bytes);
            const bool read = readParameterSnapshot(instance, reader);
            EXPECT_LE(instance.setCount, 709);
            if (!tagged || size < 12) {
                EXPECT_FALSE(read) << size;
                EXPECT_EQ(instance.setCount, 0) << size;
                continue;
            }
            // A tagged block holds when its count is negative or covered by the bytes after it.
            BinaryMemoryReader countReader(bytes);
            countReader.skipBytes(8);
            const std::int64_t count = countReader.readInt32();
            const bool covered = count < 0 || count <= static_cast<std::int64_t>((size - 12) / 4);
            EXPECT_EQ(read, covered) << size << " bytes, count " << count;
        }
    }
}

} // namespace
