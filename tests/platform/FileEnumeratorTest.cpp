// Folder enumeration: kinds, wildcard patterns and modification times.
#include "platform/FileEnumerator.h"

#include "PlatformTestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

namespace {

std::vector<std::string> enumerate(const std::string& pattern, FileEnumerator::Kind kind) {
    std::vector<std::string> names;
    auto enumerator = createFileEnumerator(pattern, kind);
    while (enumerator->next())
        names.push_back(enumerator->name());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileEnumerator, ReturnsOnlyEntriesOfTheRequestedKindThatMatch) {
    PlatformTestFolder folder;
    folder.writeFile("a.qvp");
    folder.writeFile("b.QVP");
    folder.writeFile("c.txt");
    ASSERT_TRUE(createFolder(folder.path() + "One"));
    ASSERT_TRUE(createFolder(folder.path() + "Two.qvp"));

    using Kind = FileEnumerator::Kind;
    struct Case {
        std::string wildcard;
        Kind kind;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"*", Kind::Folders, {".", "..", "One", "Two.qvp"}},
        {"*", Kind::Files, {"a.qvp", "b.QVP", "c.txt"}},
        {"*.qvp", Kind::Files, {"a.qvp", "b.QVP"}},
        {"*.txt", Kind::Folders, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(enumerate(folder.path() + c.wildcard, c.kind), c.expected) << c.wildcard;
    EXPECT_TRUE(enumerate(folder.path() + "Missing" + kPathSeparator + "*", Kind::Files).empty());
}

TEST(FileEnumerator, GivesModificationTimesInUnixSeconds) {
    PlatformTestFolder folder;
    const std::string file = folder.writeFile("old.qvp");
    const auto tenSeconds = std::chrono::sys_seconds(std::chrono::seconds(10));
    std::filesystem::last_write_time(std::filesystem::path(file),
                                     std::chrono::file_clock::from_sys(tenSeconds));

    auto enumerator = createFileEnumerator(folder.path() + "*.qvp", FileEnumerator::Kind::Files);
    ASSERT_TRUE(enumerator->next());
    EXPECT_EQ(enumerator->name(), "old.qvp");
    EXPECT_EQ(enumerator->modificationTime(), 10);
    EXPECT_FALSE(enumerator->next());
}

} // namespace
