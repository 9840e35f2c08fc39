// Without a message window, an event posted from another thread must ask the host for a main-thread
// callback, and on_main_thread must deliver it.
#include "clap/ClapPluginAdapter.h"
#include "product/LumenorInstanceFactory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

class RecordingModel : public GenericPlugin {
public:
    RecordingModel() : GenericPlugin(GenericPluginInfo{}) {}
    void mainThreadEvent(int32_t kind, int64_t value) override {
        delivered.push_back({kind, value, std::this_thread::get_id()});
    }
    struct Delivery {
        int32_t kind;
        int64_t value;
        std::thread::id thread;
    };
    std::vector<Delivery> delivered;
};

class RecordingFactory : public LumenorInstanceFactory {
public:
    std::unique_ptr<GenericPlugin> createModel() const override { return std::make_unique<RecordingModel>(); }
};

TEST(ClapCallbackRequest, PostsFromOtherThreadsRequestACallbackAndDeliverOnMain) {
    static std::atomic<int> requests{0};
    clap_host_t host{};
    host.clap_version = CLAP_VERSION_1_2_5;
    host.get_extension = [](const clap_host_t*, const char*) -> const void* { return nullptr; };
    host.request_callback = [](const clap_host_t*) { ++requests; };
    RecordingFactory factory;
    clap_plugin_descriptor_t descriptor{};
    auto* adapter = new ClapPluginAdapter(&host, &descriptor, factory);
    const clap_plugin_t* plugin = adapter->clapPlugin();
    ASSERT_TRUE(plugin->init(plugin));

    std::thread([adapter] { adapter->model()->postToMainThread(GenericPlugin::ProgramChangeEvent, 513); }).join();
    EXPECT_EQ(requests.load(), 1);
    auto& model = *static_cast<RecordingModel*>(adapter->model());
    EXPECT_TRUE(model.delivered.empty());
    plugin->on_main_thread(plugin);
    ASSERT_EQ(model.delivered.size(), 1u);
    EXPECT_EQ(model.delivered[0].kind, GenericPlugin::ProgramChangeEvent);
    EXPECT_EQ(model.delivered[0].value, 513);
    EXPECT_EQ(model.delivered[0].thread, std::this_thread::get_id());
    plugin->destroy(plugin);
}

} // namespace
