// Standard folders, version information and module lookups of the test program itself.
#include "platform/StandardFolders.h"
#include "platform/Files.h"
#include "platform/Module.h"
#include "platform/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(StandardFolders, BuildTheProductsPlacesFromTheUsersFolders) {
    const std::string separator(1, kPathSeparator);
    const std::string appData = applicationDataFolder();
    const std::string documents = documentsFolder();
    ASSERT_FALSE(appData.empty());
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(appData.back(), kPathSeparator);
    EXPECT_EQ(documents.back(), kPathSeparator);
    EXPECT_EQ(productDataFolder(), appData + "Quorvane" + separator + "Lumenor" + separator);
    EXPECT_EQ(defaultPresetFolder(),
              documents + "Quorvane" + separator + "Presets" + separator + "Lumenor" + separator);
    EXPECT_EQ(productRegistryKey(), "Software\\Quorvane\\Lumenor\\2.0");
}

TEST(VersionInfo, DescribesThisProduct) {
    EXPECT_EQ(productName(), "Lumenor");
    EXPECT_EQ(productMajorVersion(), 2);
    EXPECT_EQ(libraryVersionValue("ProductVersion"), LUMENOR_PRODUCT_VERSION);
    EXPECT_EQ(libraryVersionValue("FileVersion"), LUMENOR_PRODUCT_VERSION);
    EXPECT_EQ(libraryVersionValue("FileDescription"), "Lumenor 2");
    EXPECT_EQ(libraryVersionValue("CompanyName"), "Quorvane");
    EXPECT_EQ(libraryVersionValue("NoSuchValue"), "");
}

TEST(Module, FindsTheModuleHoldingThisCode) {
    const std::string path = libraryFilePath();
    EXPECT_EQ(fileNameWithoutExtension(path), "lumenor_tests");
    EXPECT_TRUE(fileExists(path));
    ASSERT_NE(ownModuleHandle(), nullptr);
    EXPECT_EQ(findLoadedModule(path), ownModuleHandle());
    EXPECT_EQ(findLoadedModule(folderPart(path) + "no_such_module.bin"), nullptr);
}

} // namespace
