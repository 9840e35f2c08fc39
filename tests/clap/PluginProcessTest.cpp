// Processing through the CLAP ABI as demanding hosts do it: every sample rate and block size, resets
// and reactivation, hostile input values, stripped-down process records, events, and an audio thread of
// its own.
#include "ClapTestSupport.h"
#include "ProcessRig.h"

#include <thread>

namespace {

using claptest::ProcessRig;
constexpr uint32_t kMaxFrames = 16384;

// Random block sizes from 1 to the maximum, starting with both extremes.
std::vector<uint32_t> blockSizes(std::mt19937& random, size_t count) {
    std::vector<uint32_t> sizes = {1, kMaxFrames};
    std::uniform_int_distribution<uint32_t> size(1, kMaxFrames);
    while (sizes.size() < count)
        sizes.push_back(size(random));
    return sizes;
}

class PluginProcessAtRate : public testing::TestWithParam<double> {};

TEST_P(PluginProcessAtRate, RandomBlockSizesAcrossResetAndReactivation) {
    const double rate = GetParam();
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    claphost::PluginInstance& instance = *plugin.instance;
    ProcessRig rig(instance, kMaxFrames);
    std::mt19937 random{uint32_t(rate)};

    ASSERT_TRUE(instance.activate(rate, 1, kMaxFrames));
    ASSERT_TRUE(instance.startProcessing());
    for (uint32_t frames : blockSizes(random, 8))
        ASSERT_TRUE(rig.run({frames})) << frames << " frames";
    instance.reset();
    for (uint32_t frames : blockSizes(random, 4))
        ASSERT_TRUE(rig.run({frames})) << frames << " frames after reset";
    instance.stopProcessing();
    instance.deactivate();

    ASSERT_TRUE(instance.activate(rate, 1, kMaxFrames));
    ASSERT_TRUE(instance.startProcessing());
    for (uint32_t frames : blockSizes(random, 4))
        ASSERT_TRUE(rig.run({frames})) << frames << " frames after reactivation";
    // Hosts may deactivate without stopping; the instance wrapper does exactly that here.
    instance.deactivate();
}

INSTANTIATE_TEST_SUITE_P(SampleRates, PluginProcessAtRate,
                         testing::Values(1000.0, 8000.0, 11025.0, 22050.0, 44100.0, 48000.0, 88200.0, 96000.0,
                                         176400.0, 192000.0, 384000.0, 768000.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return std::to_string(int(info.param)) + "Hz";
                         });

TEST(PluginProcess, HostileInputValuesGiveCleanOutput) {
    struct Case {
        const char* name;
        ProcessRig::Input input;
    };
    const Case cases[] = {{"subnormal", ProcessRig::Input::Subnormal},
                          {"NaN and infinity", ProcessRig::Input::NonFinite},
                          {"extreme magnitudes", ProcessRig::Input::Extreme},
                          {"music after all that", ProcessRig::Input::Music}};
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    ProcessRig rig(*plugin.instance, kMaxFrames);
    ASSERT_TRUE(plugin.instance->activate(48000.0, 1, kMaxFrames));
    ASSERT_TRUE(plugin.instance->startProcessing());
    for (const Case& c : cases)
        for (uint32_t frames : {1u, 31u, 512u, 4099u})
            EXPECT_TRUE(rig.run({frames, c.input})) << c.name << ", " << frames << " frames";
}

TEST(PluginProcess, SilentInputFlaggedConstant) {
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    ProcessRig rig(*plugin.instance, kMaxFrames);
    ASSERT_TRUE(plugin.instance->activate(44100.0, 1, kMaxFrames));
    ASSERT_TRUE(plugin.instance->startProcessing());
    ProcessRig::Call silent{512, ProcessRig::Input::Silence};
    silent.flagSilenceConstant = true;
    // Long enough for any decay to end, so a plug-in that tracks silence gets to flag its output.
    for (int block = 0; block < 400; ++block)
        ASSERT_TRUE(rig.run(silent)) << "block " << block;
    ASSERT_TRUE(rig.run({512, ProcessRig::Input::Music}));
    EXPECT_TRUE(rig.run(silent));
}

TEST(PluginProcess, StrippedDownProcessRecords) {
    std::mt19937 random(7);
    const clap_event_transport_t transports[] = {claptest::randomTransport(random),
                                                 claptest::randomTransport(random),
                                                 claptest::randomTransport(random)};
    struct Case {
        const char* name;
        ProcessRig::Call call;
    };
    auto call = [](uint32_t frames, bool sideChain, bool mainInput, bool output,
                   const clap_event_transport_t* transport) {
        ProcessRig::Call c{frames};
        c.sideChain = sideChain;
        c.mainInput = mainInput;
        c.output = output;
        c.transport = transport;
        return c;
    };
    const Case cases[] = {
        {"zero frames", call(0, true, true, true, nullptr)},
        {"zero frames, no buffers at all", call(0, false, false, false, nullptr)},
        {"null transport", call(512, true, true, true, nullptr)},
        {"no side-chain buffer", call(512, false, true, true, nullptr)},
        {"no output buffer", call(512, true, true, false, nullptr)},
        {"no input buffers", call(256, false, false, true, nullptr)},
        {"random transport 1", call(333, true, true, true, &transports[0])},
        {"random transport 2 without side chain", call(1, false, true, true, &transports[1])},
        {"random transport 3", call(kMaxFrames, true, true, true, &transports[2])},
        {"back to the full record", call(512, true, true, true, nullptr)},
    };
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    ProcessRig rig(*plugin.instance, kMaxFrames);
    ASSERT_TRUE(plugin.instance->activate(48000.0, 1, kMaxFrames));
    ASSERT_TRUE(plugin.instance->startProcessing());
    for (const Case& c : cases)
        EXPECT_TRUE(rig.run(c.call)) << c.name;
}

TEST(PluginProcess, InputEventsAtEveryTimeOfTheBlock) {
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    claphost::PluginInstance& instance = *plugin.instance;
    std::vector<clap_param_info_t> params;
    for (uint32_t i = 0; i < instance.paramCount(); ++i)
        if (auto info = instance.paramInfo(i)) params.push_back(*info);

    ProcessRig rig(instance, kMaxFrames);
    ASSERT_TRUE(instance.activate(96000.0, 1, kMaxFrames));
    ASSERT_TRUE(instance.startProcessing());
    std::mt19937 random(99);
    claphost::InputEventList events;
    for (uint32_t frames : blockSizes(random, 12)) {
        events.clear();
        std::uniform_int_distribution<uint32_t> time(0, frames - 1);
        for (int n = 0; n < 24 && !params.empty(); ++n) {
            const clap_param_info_t& param = params[random() % params.size()];
            // Hosts send values outside the declared range; the plug-in must clamp them.
            double span = param.max_value - param.min_value;
            double value =
                param.min_value - 0.25 * span + 1.5 * span * std::uniform_real_distribution<>()(random);
            uint32_t at = time(random);
            events.gestureBegin(at, param.id);
            events.paramValue(at, param.id, value);
            events.gestureEnd(at, param.id);
        }
        events.paramValue(time(random), 0xfffffff0u, 0.5); // an id no plug-in declares
        events.noteOn(time(random), 60, 0.0);
        events.noteOff(time(random), 60, 1.0);
        events.noteOn(time(random), int16_t(random() % 128), 0.8, int16_t(random() % 16));
        events.midi(time(random), 0xb0, 1, uint8_t(random() % 128));
        events.midi(time(random), 0xe0, 0, 64);
        ProcessRig::Call call{frames};
        call.events = &events;
        ASSERT_TRUE(rig.run(call)) << frames << " frames";
    }
}

TEST(PluginProcess, EventsOutsideTheCoreSpaceChangeNoParameter) {
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    claphost::PluginInstance& instance = *plugin.instance;
    claphost::InputEventList events;
    std::vector<std::pair<clap_id, double>> before;
    for (uint32_t i = 0; i < instance.paramCount(); ++i) {
        auto info = instance.paramInfo(i);
        ASSERT_TRUE(info);
        before.emplace_back(info->id, instance.paramValue(info->id).value_or(NAN));
        clap_event_param_value_t foreign{};
        foreign.header = {sizeof foreign, 0, 0x4321, CLAP_EVENT_PARAM_VALUE, 0};
        foreign.param_id = info->id;
        foreign.note_id = -1;
        foreign.port_index = foreign.channel = foreign.key = -1;
        foreign.value = info->min_value + 0.37 * (info->max_value - info->min_value);
        events.push(foreign);
    }
    ASSERT_FALSE(before.empty()) << "the plug-in declares no parameters";

    ProcessRig rig(instance, 512);
    ASSERT_TRUE(instance.activate(48000.0, 1, 512));
    ASSERT_TRUE(instance.startProcessing());
    ProcessRig::Call call{512};
    call.events = &events;
    ASSERT_TRUE(rig.run(call));
    instance.stopProcessing();
    for (const auto& [id, value] : before)
        EXPECT_EQ(instance.paramValue(id).value_or(NAN), value) << "parameter " << id;
}

TEST(PluginProcess, HostWithoutAnyExtension) {
    claphost::Host::Config bare;
    bare.extensions = claphost::Host::kNoExtensions;
    claptest::LoadedPlugin plugin(bare);
    ASSERT_TRUE(plugin.instance);
    ProcessRig rig(*plugin.instance, 2048);
    ASSERT_TRUE(plugin.instance->activate(44100.0, 32, 2048));
    ASSERT_TRUE(plugin.instance->startProcessing());
    for (uint32_t frames : {32u, 2048u, 1000u})
        EXPECT_TRUE(rig.run({frames}));
    plugin.instance->stopProcessing();
    plugin.instance->deactivate();
}

TEST(PluginProcess, OnADedicatedAudioThread) {
    claptest::LoadedPlugin plugin;
    ASSERT_TRUE(plugin.instance);
    claphost::PluginInstance& instance = *plugin.instance;
    ProcessRig rig(instance, 4096);
    ASSERT_TRUE(instance.activate(48000.0, 1, 4096));
    bool started = false;
    std::vector<testing::AssertionResult> results;
    std::thread audio([&] {
        started = instance.startProcessing();
        for (uint32_t frames : {64u, 4096u, 17u, 480u})
            results.push_back(rig.run({frames}));
        instance.stopProcessing();
    });
    audio.join();
    ASSERT_TRUE(started);
    for (const auto& result : results)
        EXPECT_TRUE(result);
    instance.deactivate();
    EXPECT_EQ(plugin.host->threadViolationCount(), 0u)
        << "the plug-in called a host function on a thread the standard forbids";
}

} // namespace
