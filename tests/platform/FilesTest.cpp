// Path texts, folder creation and file streams.
#include "platform/Files.h"

#include "PlatformTestFolder.h"

#include <gtest/gtest.h>

namespace {

// Test paths are written with '/' and turned into the platform's form.
std::string native(std::string path) {
    for (char& c : path) {
        if (c == '/') c = kPathSeparator;
    }
    return path;
}

TEST(Files, SplitsAndJoinsPaths) {
    struct Case {
        const char* path;
        const char* nameWithoutExtension;
        const char* folder;
    };
    const Case cases[] = {
        {"presets/Bass.qvp", "Bass", "presets/"},
        {"a/b.c/Map.v2.qvm", "Map.v2", "a/b.c/"},
        {"dir.x/file", "file", "dir.x/"},
        {"plain", "plain", ""},
        {"/root/", "", "/root/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileNameWithoutExtension(native(c.path)), c.nameWithoutExtension) << c.path;
        EXPECT_EQ(folderPart(native(c.path)), native(c.folder)) << c.path;
    }
    EXPECT_EQ(joinPath(native("a/"), "b"), native("a/b"));
    EXPECT_EQ(joinPath("a", "b"), native("a/b"));
    EXPECT_EQ(joinPath(native("a/"), native("/b")), native("a/b"));
    EXPECT_EQ(joinPath("", "b"), "b");
}

TEST(Files, CreatesEveryMissingLevelOfAFolder) {
    PlatformTestFolder root;
    const std::string deepest = root.path() + native("one/two/three/");
    EXPECT_TRUE(createFolder(deepest));
    EXPECT_TRUE(folderExists(root.path() + "one"));
    EXPECT_TRUE(folderExists(root.path() + native("one/two")));
    EXPECT_TRUE(folderExists(deepest));
    EXPECT_TRUE(createFolder(deepest));

    const std::string file = root.writeFile("file");
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(folderExists(file));
    EXPECT_FALSE(fileExists(root.path() + "one"));
    EXPECT_FALSE(createFolder(file + native("/below")));
    EXPECT_FALSE(createFolder("lumenor-no-separator-" + std::to_string(currentProcessId())));
}

TEST(Files, OpensStreamsInTheRequestedMode) {
    PlatformTestFolder folder;
    const std::string path = folder.path() + "data.bin";
    // Bytes that text mode would change on some systems.
    const std::string bytes("\r\n\x1a\0\xff", 5);
    auto readAll = [&] {
        std::fstream stream = openFileStream(path, FileMode::Read);
        return std::string(std::istreambuf_iterator<char>(stream), {});
    };

    EXPECT_FALSE(openFileStream(path, FileMode::Read).is_open());
    openFileStream(path, FileMode::Write) << bytes;
    EXPECT_EQ(readAll(), bytes);
    openFileStream(path, FileMode::Append) << "tail";
    EXPECT_EQ(readAll(), bytes + "tail");
    {
        std::fstream stream = openFileStream(path, FileMode::ReadWrite);
        ASSERT_TRUE(stream.is_open());
        stream.seekp(0);
        stream << "AB";
    }
    EXPECT_EQ(readAll(), "AB" + bytes.substr(2) + "tail");
    openFileStream(path, FileMode::ReadWrite | FileMode::Truncate) << "new";
    EXPECT_EQ(readAll(), "new");
}

TEST(Files, ReadsAndWritesNonAsciiPaths) {
    PlatformTestFolder folder;
    const std::string path = folder.path() + "Pr\xC3\xA9r\xC3\xA9glage \xE2\x99\xAA.qvp";
    openFileStream(path, FileMode::Write) << "ok";
    EXPECT_TRUE(fileExists(path));
    std::fstream stream = openFileStream(path, FileMode::Read);
    std::string content;
    stream >> content;
    EXPECT_EQ(content, "ok");
}

} // namespace
