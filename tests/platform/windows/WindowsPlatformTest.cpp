// What only the Windows realisation shows: real named sections, the queue's window class and version
// resources read from files.
#include "platform/AsyncEventQueue.h"
#include "platform/Module.h"
#include "platform/NamedMemoryBlock.h"
#include "platform/VersionInfo.h"
#include "platform/windows/WindowsText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(WindowsNamedMemoryBlock, IsASectionOthersOpenByName) {
    auto* block = static_cast<std::uint8_t*>(processNamedBlock("LumenorSectionTest", 32));
    block[31] = 0x5A;
    HANDLE section =
        OpenFileMappingW(FILE_MAP_READ, FALSE, toWide(processBlockName("LumenorSectionTest")).c_str());
    ASSERT_NE(section, nullptr);
    auto* view = static_cast<const std::uint8_t*>(MapViewOfFile(section, FILE_MAP_READ, 0, 0, 32));
    ASSERT_NE(view, nullptr);
    EXPECT_NE(static_cast<const void*>(view), static_cast<const void*>(block));
    EXPECT_EQ(view[31], 0x5A);
    UnmapViewOfFile(view);
    CloseHandle(section);
}

bool queueClassRegistered() {
    WNDCLASSW windowClass{};
    return GetClassInfoW(GetModuleHandleW(nullptr), L"QV_QueueWindow", &windowClass) != 0;
}

TEST(WindowsAsyncEventQueue, FirstQueueRegistersTheWindowClassAndLastUnregistersIt) {
    // Queues that other parts of the program keep alive hold the class too.
    const bool registeredBefore = queueClassRegistered();
    auto first = createAsyncEventQueue();
    auto second = createAsyncEventQueue();
    EXPECT_TRUE(queueClassRegistered());
    first.reset();
    EXPECT_TRUE(queueClassRegistered());
    second.reset();
    EXPECT_EQ(queueClassRegistered(), registeredBefore);
}

TEST(WindowsVersionInfo, ReadsTheVersionResourceOfAFile) {
    EXPECT_EQ(fileVersionValue(libraryFilePath(), "ProductName"), "Lumenor");
    EXPECT_EQ(fileVersionValue(libraryFilePath(), "FileDescription"), "Lumenor 2");
    EXPECT_EQ(fileVersionValue(libraryFilePath() + ".missing", "ProductName"), "");
}

} // namespace
