// Embedded resources: names, lookup and streams (the test program embeds tests/resources).
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

TEST(Resources, NameIsTheFileNameWithoutItsLastExtension) {
    EXPECT_EQ(resourceName("MidiControllerMap.qvm"), "MidiControllerMap");
    EXPECT_EQ(resourceName("Characteristic.v2.qvil"), "Characteristic.v2");
    EXPECT_EQ(resourceName("WindowsSetupDocs"), "WindowsSetupDocs");
}

TEST(Resources, OpensACopyOfTheEmbeddedBytes) {
    const std::string expected("Lumenor\r\n\x1a\0\xff\x80"
                               "end",
                               16);
    const std::string name = resourceName("PlatformTest.Resource.bin");
    ASSERT_TRUE(resourceExists(name));
    std::istringstream stream = openResource(name);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stream), {}), expected);
    EXPECT_TRUE(resourceExists("PLATFORMTEST.resource"));
}

TEST(Resources, OnlyOpeningAMissingResourceThrows) {
    EXPECT_FALSE(resourceExists("NoSuchResource"));
    EXPECT_FALSE(resourceExists(""));
    try {
        openResource("NoSuchResource");
        FAIL() << "no EResource";
    } catch (const EResource& error) {
        EXPECT_STREQ(error.what(), "Resource not found");
    }
}

} // namespace
