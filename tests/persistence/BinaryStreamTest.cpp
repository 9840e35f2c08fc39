// The binary reader and writer: byte order, strings and their count rules, chunk headers, short reads,
// and the memory, file and resource variants.
#include "persistence/BinaryDataReader.h"
#include "persistence/BinaryDataWriter.h"
#include "persistence/BinaryFileReader.h"
#include "persistence/BinaryFileWriter.h"
#include "persistence/BinaryMemoryReader.h"
#include "persistence/BinaryMemoryWriter.h"
#include "persistence/BinaryResourceReader.h"
#include "platform/PlatformTestFolder.h"
#include "platform/Resources.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

namespace {

TEST(BinaryStream, IntegersAndRealsAreLittleEndianBothWays) {
    struct IntCase {
        std::int32_t value;
        Bytes bytes;
    };
    const IntCase ints[] = {
        {0, {0x00, 0x00, 0x00, 0x00}},
        {1, {0x01, 0x00, 0x00, 0x00}},
        {-1, {0xFF, 0xFF, 0xFF, 0xFF}},
        {0x12345678, {0x78, 0x56, 0x34, 0x12}},
        {std::numeric_limits<std::int32_t>::min(), {0x00, 0x00, 0x00, 0x80}},
        {std::numeric_limits<std::int32_t>::max(), {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const IntCase& c : ints) {
        EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { w.writeInt32(c.value); }), c.bytes) << c.value;
        BinaryMemoryReader reader(c.bytes);
        EXPECT_EQ(reader.readInt32(), c.value);
        EXPECT_TRUE(reader.good());
    }

    const std::pair<std::int64_t, Bytes> longs[] = {
        {-1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {0x0123456789ABCDEFll, {0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01}},
        {std::int64_t(0x00000007FFFFFFFEll), {0xFE, 0xFF, 0xFF, 0xFF, 0x07, 0x00, 0x00, 0x00}},
    };
    for (const auto& [value, bytes] : longs) {
        EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { w.writeInt64(value); }), bytes) << value;
        BinaryMemoryReader reader(bytes);
        EXPECT_EQ(reader.readInt64(), value);
    }

    struct RealCase {
        float value;
        Bytes bytes;
    };
    const RealCase reals[] = {
        {1.0f, {0x00, 0x00, 0x80, 0x3F}},
        {-2.5f, {0x00, 0x00, 0x20, 0xC0}},
        {0.1f, {0xCD, 0xCC, 0xCC, 0x3D}},
        {-0.0f, {0x00, 0x00, 0x00, 0x80}},
    };
    for (const RealCase& c : reals) {
        EXPECT_EQ(writtenBytes([&](BinaryDataWriter& w) { w.writeFloat(c.value); }), c.bytes) << c.value;
        BinaryMemoryReader reader(c.bytes);
        const float read = reader.readFloat();
        EXPECT_EQ(read, c.value);
        EXPECT_EQ(std::signbit(read), std::signbit(c.value));
    }
}

TEST(BinaryStream, StringsAreACountAndTheRawBytes) {
    const std::string withZero("ab\0\xE9", 4);
    const Bytes expected = {0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 'a', 'b', 0x00, 0xE9};
    const Bytes bytes = writtenBytes([&](BinaryDataWriter& w) {
        w.writeString("");
        w.writeString(withZero);
    });
    EXPECT_EQ(bytes, expected);
    BinaryMemoryReader reader(bytes);
    EXPECT_EQ(reader.readString(), "");
    EXPECT_EQ(reader.readString(), withZero);
    EXPECT_TRUE(reader.good());
    EXPECT_EQ(reader.position(), 12);
}

TEST(BinaryStream, StringCountRules) {
    struct Case {
        const char* name;
        Bytes stream;
        bool good;
        std::int64_t positionAfter; // only while good
    };
    const Case cases[] = {
        // A count of zero or less consumes only itself: the next bytes stay readable.
        {"count -5", {0xFB, 0xFF, 0xFF, 0xFF, 'x', 'y', 'z', 'w', 'v'}, true, 4},
        {"count 0", {0x00, 0x00, 0x00, 0x00, 'x'}, true, 4},
        {"count minimum", {0x00, 0x00, 0x00, 0x80, 'x'}, true, 4},
        {"count beyond the stream", {0x03, 0x00, 0x00, 0x00, 'x', 'y'}, false, 0},
        {"count 2^31-1 on a short stream", {0xFF, 0xFF, 0xFF, 0x7F, 'x', 'y', 'z'}, false, 0},
        {"count cut short", {0x05, 0x00}, false, 0},
        {"empty stream", {}, false, 0},
    };
    for (const Case& c : cases) {
        BinaryMemoryReader reader(c.stream);
        EXPECT_EQ(reader.readString(), "") << c.name;
        EXPECT_EQ(reader.good(), c.good) << c.name;
        if (c.good) {
            EXPECT_EQ(reader.position(), c.positionAfter) << c.name;
        }
    }
}

// Records the largest single request the reader made of the stream.
class RequestRecordingBuffer : public std::stringbuf {
public:
    explicit RequestRecordingBuffer(const std::string& bytes) : std::stringbuf(bytes, std::ios::in) {}
    std::streamsize largestRequest = 0;

protected:
    std::streamsize xsgetn(char* target, std::streamsize count) override {
        largestRequest = std::max(largestRequest, count);
        return std::stringbuf::xsgetn(target, count);
    }
};

TEST(BinaryStream, AHugeStringCountIsReadInBoundedPieces) {
    const std::string body(200000, 'q');
    for (const std::int32_t count : {std::numeric_limits<std::int32_t>::max(), 300000, 200000}) {
        const Bytes header = writtenBytes([&](BinaryDataWriter& w) { w.writeInt32(count); });
        RequestRecordingBuffer buffer(std::string(header.begin(), header.end()) + body);
        std::istream stream(&buffer);
        BinaryDataReader reader(&stream);
        const std::string read = reader.readString();
        EXPECT_LE(buffer.largestRequest, 1 << 20) << "count " << count;
        EXPECT_EQ(reader.good(), count == 200000) << "count " << count;
        EXPECT_EQ(read, reader.good() ? body : "") << "count " << count;
    }
}

TEST(BinaryStream, ChunkHeaders) {
    EXPECT_EQ(writtenBytes([](BinaryDataWriter& w) { w.writeChunkHeader("ab", 2); }),
              (Bytes{'a', 'b', 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(writtenBytes([](BinaryDataWriter& w) { w.writeChunkHeader("QL2mX", -1); }),
              (Bytes{'Q', 'L', '2', 'm', 0xFF, 0xFF, 0xFF, 0xFF}));

    struct Case {
        Bytes stream;
        const char* expectedTag;
        bool matches;
        const char* tagRead;
        std::int32_t version;
        bool good;
    };
    const Case cases[] = {
        {{'Q', 'L', '2', 'm', 0x03, 0x00, 0x00, 0x00}, "QL2m", true, "QL2m", 3, true},
        {{'q', 'L', '2', 'm', 0x03, 0x00, 0x00, 0x00}, "QL2m", false, "qL2m", 3, true},
        {{'Q', 'L', '2', 'm', 0x03, 0x00, 0x00, 0x00}, "QL2", false, "QL2m", 3, true},
        {{'a', 'b', 0x00, 0x00, 0x07, 0x00, 0x00, 0x00}, "ab", true, "ab", 7, true},
        {{'Q', 'L', '2', 'm', 0x03, 0x00}, "QL2m", false, "", 0, false},
        {{}, "", false, "", 0, false},
    };
    for (const Case& c : cases) {
        BinaryMemoryReader reader(c.stream);
        EXPECT_EQ(reader.lastChunkVersion(), -1);
        EXPECT_EQ(reader.readChunkHeader(c.expectedTag), c.matches) << c.tagRead;
        EXPECT_EQ(reader.lastChunkTag(), c.tagRead);
        EXPECT_EQ(reader.lastChunkVersion(), c.version) << c.tagRead;
        EXPECT_EQ(reader.good(), c.good) << c.tagRead;
    }
}

TEST(BinaryStream, ShortReadsZeroTheirTargetsAndFailTheStream) {
    const Bytes threeBytes = {0x11, 0x22, 0x33};
    {
        BinaryMemoryReader reader(threeBytes);
        unsigned char target[8];
        std::memset(target, 0xAA, sizeof target);
        reader.readBytes(target, sizeof target);
        EXPECT_FALSE(reader.good());
        for (unsigned char b : target)
            EXPECT_EQ(b, 0);
    }
    {
        BinaryMemoryReader reader(threeBytes);
        EXPECT_EQ(reader.readInt32(), 0);
        EXPECT_FALSE(reader.good());
    }
    {
        BinaryMemoryReader reader(threeBytes);
        EXPECT_EQ(reader.readFloat(), 0.0f);
        EXPECT_FALSE(reader.good());
    }
    {
        // Once failed, even bytes that are there read as zero.
        const Bytes stream = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
        BinaryMemoryReader reader(stream);
        reader.skipBytes(9);
        EXPECT_FALSE(reader.good());
        EXPECT_EQ(reader.readInt32(), 0);
        EXPECT_EQ(reader.position(), -1);
    }
}

TEST(BinaryStream, NothingThrowsAndMissingStreamsFail) {
    std::stringstream throwing;
    throwing.exceptions(std::ios::failbit | std::ios::badbit | std::ios::eofbit);
    BinaryDataReader reader(&throwing);
    EXPECT_NO_THROW(reader.readInt32());
    EXPECT_NO_THROW(reader.readString());
    EXPECT_FALSE(reader.good());

    BinaryDataReader noStream(nullptr);
    EXPECT_EQ(noStream.readInt32(), 0);
    EXPECT_FALSE(noStream.readChunkHeader(""));
    EXPECT_FALSE(noStream.good());
    EXPECT_EQ(noStream.position(), -1);

    BinaryDataWriter noSink(nullptr);
    noSink.writeString("abc");
    EXPECT_FALSE(noSink.good());
}

TEST(BinaryStream, MemoryReaderMovesWithinItsBytes) {
    const Bytes bytes = {0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00};
    BinaryMemoryReader reader(bytes);
    reader.skipBytes(4);
    EXPECT_EQ(reader.position(), 4);
    EXPECT_EQ(reader.readInt32(), 2);
    EXPECT_EQ(reader.position(), 8);
    EXPECT_TRUE(reader.setPosition(0));
    EXPECT_EQ(reader.readInt32(), 1);
    EXPECT_FALSE(reader.setPosition(9));
    EXPECT_FALSE(reader.good());

    const Bytes none;
    BinaryMemoryReader empty(none);
    EXPECT_EQ(empty.position(), 0);
    EXPECT_EQ(empty.readString(), "");
    EXPECT_FALSE(empty.good());
}

TEST(BinaryStream, MemoryWriterAppendsOverwritesAndRewinds) {
    Bytes bytes = {0xEE};
    BinaryMemoryWriter writer(bytes);
    writer.writeInt32(1);
    writer.writeInt32(2);
    EXPECT_EQ(writer.position(), 9);
    // Back over a value already written, as a partial preset save does.
    EXPECT_TRUE(writer.setPosition(1));
    writer.writeInt32(3);
    EXPECT_TRUE(writer.good());
    EXPECT_EQ(bytes, (Bytes{0xEE, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(writer.setPosition(10));

    writer.rewind();
    EXPECT_TRUE(writer.good());
    writer.writeInt32(4);
    EXPECT_EQ(bytes, (Bytes{0x04, 0x00, 0x00, 0x00}));
}

TEST(BinaryStream, MemoryWriterWithinCapacityRefusesToGrow) {
    Bytes bytes;
    bytes.reserve(6);
    const std::uint8_t* storage = bytes.data();
    const std::size_t capacity = bytes.capacity();
    BinaryMemoryWriter writer(bytes, BinaryMemoryWriter::Growth::WithinCapacity);
    writer.writeInt32(1);
    EXPECT_TRUE(writer.good());
    for (std::size_t i = bytes.size(); i + 4 <= capacity; i += 4)
        writer.writeInt32(1);
    writer.writeInt32(2);
    EXPECT_FALSE(writer.good());
    EXPECT_EQ(bytes.data(), storage);
    EXPECT_EQ(bytes.capacity(), capacity);

    writer.rewind();
    writer.writeInt32(5);
    EXPECT_TRUE(writer.good());
    EXPECT_EQ(bytes, (Bytes{0x05, 0x00, 0x00, 0x00}));
}

TEST(BinaryStream, FilesRoundTripUnderUtf8Names) {
    PlatformTestFolder folder;
    const std::string path = folder.path() + "Pr\xC3\xA9set \xE2\x9C\x93.qvp";
    {
        BinaryFileWriter writer(path);
        ASSERT_TRUE(writer.isOpen());
        writer.writeChunkHeader("QL2m", 2);
        writer.writeString("Lead");
        writer.writeFloat(0.25f);
        EXPECT_TRUE(writer.close());
        writer.writeInt32(1);
        EXPECT_FALSE(writer.good());
    }
    {
        BinaryFileWriter rewriter(path, FileMode::ReadWrite);
        ASSERT_TRUE(rewriter.isOpen());
        EXPECT_TRUE(rewriter.setPosition(4));
        rewriter.writeInt32(3);
    }
    BinaryFileReader reader(path);
    ASSERT_TRUE(reader.isOpen());
    EXPECT_TRUE(reader.readChunkHeader("QL2m"));
    EXPECT_EQ(reader.lastChunkVersion(), 3);
    EXPECT_EQ(reader.readString(), "Lead");
    EXPECT_EQ(reader.readFloat(), 0.25f);
    EXPECT_TRUE(reader.good());
    reader.readInt32();
    EXPECT_FALSE(reader.good());

    BinaryFileReader missing(folder.path() + "missing.qvp");
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.good());
    EXPECT_EQ(missing.readInt32(), 0);
    BinaryFileWriter unwritable(folder.path() + "no" + kPathSeparator + "such.qvp");
    EXPECT_FALSE(unwritable.isOpen());
    EXPECT_FALSE(unwritable.good());
}

TEST(BinaryStream, ResourcesAreReadFromTheirEmbeddedBytes) {
    // The test program embeds "Lumenor\r\n\x1a\0\xff\x80end" under this name.
    BinaryResourceReader reader(resourceName("PlatformTest.Resource.bin"));
    EXPECT_TRUE(reader.readChunkHeader("Lume"));
    EXPECT_EQ(reader.lastChunkVersion(), 0x0D726F6E);
    EXPECT_EQ(reader.readInt32(), static_cast<std::int32_t>(0xFF001A0A));
    EXPECT_TRUE(reader.good());
    EXPECT_THROW(BinaryResourceReader("NoSuchResource"), EResource);
}

} // namespace
