// The model: where parameter changes are reported depending on their origin, batches, notifications,
// deferral from other threads, and the display data it receives from the processor.
#include "core/GenericPlugin.h"
#include "core/GenericPluginProcessor.h"
#include "parameters/FloatPluginParameter.h"
#include "persistence/BinaryMemoryReader.h"
#include "persistence/BinaryMemoryWriter.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

class RecordingAdapter : public GenericPlugin::Adapter {
public:
    void performEdit(int index, float value) override { edits.push_back({index, value}); }
    void updateControllerMap() override {}
    void endEdit(int) override {}
    void sendMidiToProcessor(const MidiMessage&) override {}
    void parametersChanged(int index) override { reports.push_back(index); }
    void presetChanged(int) override {}
    void exchangeDisplayData() override { ++exchanges; }
    void beginEdit(int) override {}

    std::vector<std::pair<int, float>> edits;
    std::vector<int> reports;
    int exchanges = 0;
};

class RecordingListener : public GenericPlugin::Listener {
public:
    void modelNotification(int code, intptr_t value) override { notifications.push_back({code, value}); }
    std::vector<std::pair<int, intptr_t>> notifications;
};

class Model : public GenericPlugin {
public:
    Model() : GenericPlugin(GenericPluginInfo{}) {
        for (auto* p : {&a, &b, &c}) p->setRange(0.0f, 10.0f, 1.0f);
    }
    FloatPluginParameter a{this, "A"}, b{this, "B"}, c{this, "C"};
};

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.setAdapter(&adapter);
        model.setListener(&listener);
        model.setMainThreadWakeHandler({});
    }
    void TearDown() override { model.setListener(nullptr); }

    Model model;
    RecordingAdapter adapter;
    RecordingListener listener;
};

using Notes = std::vector<std::pair<int, intptr_t>>;

TEST_F(ModelTest, ChangesFromTheShellAreNotEchoedButInsideChangesAreReported) {
    model.setParameterValue(1, 5.0f, 1); // host automation, state restore
    EXPECT_TRUE(adapter.reports.empty());
    model.setParameterValue(2, 6.0f, 0); // preset load, MIDI map, undo
    EXPECT_EQ(adapter.reports, std::vector<int>{2});
    EXPECT_EQ(listener.notifications, (Notes{{-1025, 1}, {-1025, 2}}));
    EXPECT_EQ(model.modificationCount(), 2);
    EXPECT_TRUE(model.presetModified());
}

TEST_F(ModelTest, InsideChangesFromOtherThreadsAreDeferredToTheMainThread) {
    std::thread([this] { model.setParameterValue(0, 3.0f, 0); }).join();
    EXPECT_TRUE(adapter.reports.empty());
    model.dispatchMainThreadEvents();
    EXPECT_EQ(adapter.reports, std::vector<int>{0});
}

TEST_F(ModelTest, ABatchReportsOnceAtItsEndWithItsScope) {
    struct Case {
        int flags;
        void (GenericPlugin::*request)();
        std::vector<int> reports;
    } cases[] = {
        {0, nullptr, {-1}},
        {0, &GenericPlugin::requestParameterJump, {-2}},
        {0, &GenericPlugin::requestReset, {-3}},
        {1, nullptr, {}}, // a state restore: nothing goes back to the shell
    };
    float value = 2.0f;
    for (const Case& c : cases) {
        adapter.reports.clear();
        listener.notifications.clear();
        model.beginParameterBatch();
        model.beginParameterBatch();
        for (int i = 0; i < 3; ++i) model.setParameterValue(i, value, c.flags);
        if (c.request) (model.*c.request)();
        model.endParameterBatch();
        EXPECT_TRUE(listener.notifications.empty());
        model.endParameterBatch();
        EXPECT_EQ(adapter.reports, c.reports) << "flags " << c.flags;
        EXPECT_EQ(listener.notifications, (Notes{{-1025, -1}}));
        value += 1.0f;
    }
    // An empty batch says nothing.
    listener.notifications.clear();
    model.beginParameterBatch();
    model.endParameterBatch();
    EXPECT_TRUE(listener.notifications.empty());
}

TEST_F(ModelTest, DisplayDataTravelsFromProcessorToModel) {
    GenericPluginProcessor processor(GenericPluginInfo{}, 1);
    processor.setTransport(98.5f, 3.0f, 0, false);
    std::vector<uint8_t> bytes;
    BinaryMemoryWriter writer(bytes);
    processor.writeDisplayData(writer);
    ASSERT_EQ(bytes.size(), 4u + 4 * 8);
    BinaryMemoryReader reader(bytes);
    model.receiveDisplayData(reader);
    EXPECT_EQ(model.tempo(), 98.5f);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(model.transportHistory()[i], -1);

    // Only the current listener may ask for an exchange.
    RecordingListener stranger;
    model.updateDisplayData(&stranger);
    EXPECT_EQ(adapter.exchanges, 0);
    model.updateDisplayData(&listener);
    EXPECT_EQ(adapter.exchanges, 1);
}

} // namespace
