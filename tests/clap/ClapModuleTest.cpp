// Descriptor composition and the module's init/deinit counting.
#include "clap/ClapModule.h"
#include "clap/ClapPluginFactory.h"
#include "product/LumenorIdentity.h"
#include "product/LumenorInstanceFactory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> features(const clap_plugin_descriptor_t* d) {
    std::vector<std::string> list;
    for (const char* const* f = d->features; *f; ++f) list.push_back(*f);
    return list;
}

TEST(ClapDescriptors, ComposesTheProductDescriptor) {
    ClapDescriptors descriptors(lumenorPluginInfo(), "2.41", "https://maker.example", "https://maker.example/s");
    const clap_plugin_descriptor_t* d = descriptors.plugin();
    EXPECT_STREQ(d->id, "com.Quorvane.preset-discovery.Lumenor.2");
    EXPECT_STREQ(d->name, "Lumenor 2");
    EXPECT_STREQ(d->vendor, "Quorvane");
    EXPECT_STREQ(d->version, "2.41");
    EXPECT_STREQ(d->manual_url, "https://maker.example/help/lumenor 2");
    EXPECT_STREQ(d->support_url, "https://maker.example/s");
    EXPECT_EQ(d->description, nullptr);
    EXPECT_EQ(d->clap_version.major, 1u);
    EXPECT_EQ(d->clap_version.minor, 2u);
    EXPECT_EQ(d->clap_version.revision, 5u);
    EXPECT_EQ(features(d), (std::vector<std::string>{"audio-effect", "filter"}));
    EXPECT_STREQ(descriptors.provider()->id, "com.Quorvane.preset-discovery.Lumenor.2");
    EXPECT_STREQ(descriptors.provider()->name, "Lumenor 2 Preset Indexer");
}

TEST(ClapDescriptors, FollowsTypeFlagsAndVersion) {
    struct Case {
        int type;
        uint32_t flags;
        const char* version;
        const char* id;
        const char* name;
        const char* versionText;
        std::vector<std::string> features;
    } cases[] = {
        {1, 0, "1.05", "com.V.P.1", "P", "1.05", {"instrument"}},
        {8, 0, "3.2", "com.V.P.3", "P 3", "3.20", {"audio-effect", "reverb"}},
        {9, 0x1000, "2.41", "com.V.preset-discovery.P.2", "P 2", "2.41", {"audio-effect"}},
        {6, 0, "12.345", "com.V.P.12", "P 12", "12.345", {"audio-effect", "distortion"}},
    };
    for (const Case& c : cases) {
        ClapDescriptors descriptors(GenericPluginInfo{c.type, c.flags, "ABCD", "P", "V"}, c.version, "u", "s");
        EXPECT_STREQ(descriptors.plugin()->id, c.id);
        EXPECT_STREQ(descriptors.plugin()->name, c.name);
        EXPECT_STREQ(descriptors.plugin()->version, c.versionText);
        EXPECT_EQ(features(descriptors.plugin()), c.features) << c.type;
    }
}

class ClapModuleTest : public ::testing::Test {
protected:
    ClapModule module{[this](const std::string& path) -> void* { return path == "loaded.clap" ? &handle : nullptr; },
                      [] { return std::make_unique<ClapDescriptors>(lumenorPluginInfo(), "2.41", "u", "s"); }};
    int handle = 0;
};

TEST_F(ClapModuleTest, CountsInitialisationsAndBuildsOnce) {
    ASSERT_TRUE(module.init("loaded.clap"));
    const ClapDescriptors* first = module.descriptors();
    ASSERT_TRUE(module.init("loaded.clap"));
    module.deinit();
    EXPECT_EQ(module.descriptors(), first); // still usable after one of two deinits
    EXPECT_EQ(module.moduleHandle(), &handle);
    module.deinit();
    EXPECT_EQ(module.descriptors(), nullptr);
    module.deinit(); // an extra deinit changes nothing
    EXPECT_EQ(module.initCount(), 0);
}

TEST_F(ClapModuleTest, FailsForAPathThatIsNotLoaded) {
    EXPECT_FALSE(module.init("elsewhere.clap"));
    EXPECT_EQ(module.initCount(), 0);
    EXPECT_FALSE(module.init(nullptr));
    EXPECT_TRUE(module.init("loaded.clap"));
    EXPECT_EQ(module.initCount(), 1);
    module.deinit();
}

TEST_F(ClapModuleTest, CreatePluginChecksIdAndHostVersion) {
    LumenorInstanceFactory instances;
    clap_host_t host{};
    host.clap_version = CLAP_VERSION_1_2_5;
    EXPECT_EQ(ClapPluginFactory::createPlugin(module, instances, &host, "com.Quorvane.preset-discovery.Lumenor.2"),
              nullptr); // not initialised
    ASSERT_TRUE(module.init("loaded.clap"));
    for (const char* id : {"com.Quorvane.Lumenor.2", "com.Quorvane.preset-discovery.Lumenor.2x",
                           "com.Quorvane.preset-discovery.Lumenor.", ""})
        EXPECT_EQ(ClapPluginFactory::createPlugin(module, instances, &host, id), nullptr) << id;
    host.clap_version.major = 0;
    EXPECT_EQ(ClapPluginFactory::createPlugin(module, instances, &host, "com.Quorvane.preset-discovery.Lumenor.2"),
              nullptr);
    host.clap_version.major = 1;
    const clap_plugin_t* plugin =
        ClapPluginFactory::createPlugin(module, instances, &host, "com.Quorvane.preset-discovery.Lumenor.2");
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->desc, module.descriptors()->plugin());
    plugin->destroy(plugin);
    module.deinit();
}

} // namespace
