// The built plug-in's entry record, plug-in factory and descriptor, seen as a host sees them.
#include "ClapTestSupport.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using claptest::kPluginId;

std::string text(const char* value) {
    return value ? value : "<null>";
}

TEST(PluginEntry, DeclaresClap125AndAnswersOnlyThePluginFactory) {
    auto module = claptest::loadPlugin();
    ASSERT_TRUE(module);
    const clap_version_t& version = module->entry().clap_version;
    EXPECT_EQ(version.major, 1u);
    EXPECT_EQ(version.minor, 2u);
    EXPECT_EQ(version.revision, 5u);
    EXPECT_NE(module->pluginFactory(), nullptr);

    const char* unknownIds[] = {"",
                                "clap.plugin-factory/2",
                                "clap.plugin-factor",
                                "clap.plugin-factoryx",
                                "CLAP.PLUGIN-FACTORY",
                                "clap.preset-discovery-factory",
                                "clap.plugin-invalidation-factory/1",
                                "clap.plugin-state-converter-factory/1"};
    for (const char* id : unknownIds)
        EXPECT_EQ(module->factory(id), nullptr) << "factory id '" << id << "'";
}

TEST(PluginEntry, FactoryHoldsExactlyOnePlugin) {
    auto module = claptest::loadPlugin();
    ASSERT_TRUE(module);
    const clap_plugin_factory_t* factory = module->pluginFactory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(factory->get_plugin_count(factory), 1u);
    EXPECT_NE(factory->get_plugin_descriptor(factory, 0), nullptr);
    EXPECT_EQ(factory->get_plugin_descriptor(factory, 1), nullptr);
    EXPECT_EQ(factory->get_plugin_descriptor(factory, UINT32_MAX), nullptr);
}

TEST(PluginEntry, DescriptorCarriesTheProductIdentity) {
    auto module = claptest::loadPlugin();
    ASSERT_TRUE(module);
    const clap_plugin_descriptor_t* descriptor = module->descriptor(0);
    ASSERT_TRUE(descriptor);
    EXPECT_EQ(descriptor->clap_version.major, 1u);
    EXPECT_EQ(descriptor->clap_version.minor, 2u);
    EXPECT_EQ(descriptor->clap_version.revision, 5u);
    EXPECT_EQ(text(descriptor->id), kPluginId);
    EXPECT_EQ(text(descriptor->name), "Lumenor 2");
    EXPECT_EQ(text(descriptor->vendor), "Quorvane");
    EXPECT_EQ(text(descriptor->version), "2.41");
    EXPECT_EQ(descriptor->description, nullptr);
    ASSERT_TRUE(descriptor->url);
    EXPECT_NE(std::strlen(descriptor->url), 0u);
    EXPECT_EQ(text(descriptor->manual_url), std::string(descriptor->url) + "/help/lumenor 2");
    ASSERT_TRUE(descriptor->support_url);
    EXPECT_NE(std::strlen(descriptor->support_url), 0u);

    ASSERT_TRUE(descriptor->features);
    std::vector<std::string> features;
    for (const char* const* feature = descriptor->features; *feature && features.size() < 16; ++feature)
        features.emplace_back(*feature);
    EXPECT_EQ(features, (std::vector<std::string>{"audio-effect", "filter"}));
}

TEST(PluginEntry, CreatesThePluginOnlyForItsExactId) {
    auto module = claptest::loadPlugin();
    ASSERT_TRUE(module);
    const clap_plugin_factory_t* factory = module->pluginFactory();
    ASSERT_TRUE(factory);
    claphost::Host host;
    const std::string id = kPluginId;
    const std::string wrongIds[] = {"com.Quorvane.Lumenor.2",
                                    id + "x",
                                    id + " ",
                                    id + ".2",
                                    id.substr(0, id.size() - 1),
                                    "COM.QUORVANE.PRESET-DISCOVERY.LUMENOR.2",
                                    ""};
    for (const std::string& wrong : wrongIds) {
        const clap_plugin_t* plugin = factory->create_plugin(factory, host.clapHost(), wrong.c_str());
        EXPECT_EQ(plugin, nullptr) << "plug-in id '" << wrong << "'";
        if (plugin) plugin->destroy(plugin);
    }

    const clap_plugin_t* plugin = factory->create_plugin(factory, host.clapHost(), kPluginId);
    ASSERT_TRUE(plugin);
    // The instance's descriptor is the factory's, by pointer or by every field a host reads.
    const clap_plugin_descriptor_t* listed = module->descriptor(0);
    ASSERT_TRUE(plugin->desc && listed);
    EXPECT_EQ(text(plugin->desc->id), text(listed->id));
    EXPECT_EQ(text(plugin->desc->name), text(listed->name));
    EXPECT_EQ(text(plugin->desc->version), text(listed->version));
    plugin->destroy(plugin);
}

TEST(PluginEntry, RefusesHostsOlderThanClap1) {
    auto module = claptest::loadPlugin();
    ASSERT_TRUE(module);
    claphost::Host::Config config;
    config.clapVersion = {0, 26, 0};
    claphost::Host oldHost(config);
    std::string error;
    EXPECT_EQ(claphost::PluginInstance::create(*module, oldHost, kPluginId, error), nullptr);
}

TEST(PluginEntry, SecondInitAndOneDeinitKeepDescriptorsUsable) {
    auto module = claptest::loadPlugin();
    ASSERT_TRUE(module);
    const clap_plugin_entry_t& entry = module->entry();
    ASSERT_TRUE(entry.init(module->path().c_str()));
    entry.deinit();
    // The module's own init is still counted: everything must still work until it deinits.
    EXPECT_EQ(module->pluginCount(), 1u);
    const clap_plugin_descriptor_t* descriptor = module->descriptor(0);
    ASSERT_TRUE(descriptor);
    EXPECT_EQ(text(descriptor->id), kPluginId);
    EXPECT_EQ(text(descriptor->name), "Lumenor 2");

    claphost::Host host;
    std::string error;
    auto instance = claphost::PluginInstance::create(*module, host, kPluginId, error);
    ASSERT_TRUE(instance) << error;
    EXPECT_TRUE(instance->init());
}

TEST(PluginEntry, TwoModulesOfTheSameFileShareTheCount) {
    // Hosts scan with one handle while projects hold another: the first deinit must not free what the
    // second still uses.
    auto first = claptest::loadPlugin();
    auto second = claptest::loadPlugin();
    ASSERT_TRUE(first && second);
    claphost::Host host;
    std::string error;
    auto instance = claphost::PluginInstance::create(*second, host, kPluginId, error);
    ASSERT_TRUE(instance) << error;
    first.reset();
    ASSERT_TRUE(instance->init());
    EXPECT_EQ(text(second->descriptor(0)->id), kPluginId);
    EXPECT_EQ(text(instance->plugin()->desc->name), "Lumenor 2");
}

} // namespace
