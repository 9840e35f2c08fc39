// The adapter driven in-process through its CLAP record, with a model and processor whose parameters and
// calls the tests can see.
#include "clap/ClapPluginAdapter.h"
#include "parameters/FloatPluginParameter.h"
#include "tools/claphost/InputEventList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <cmath>
#include <tuple>
#include <cstring>
#include <vector>

namespace {

constexpr int kParameters = 4;

// Four parameters 0..1, owned by whichever half constructs them.
struct TestParameters {
    explicit TestParameters(GenericParameterOwner* owner) {
        for (int i = 0; i < kParameters; ++i) {
            list.push_back(std::make_unique<FloatPluginParameter>(owner, std::string{'P', char('0' + i)}));
            list.back()->setRange(0.0f, 1.0f, 0.0f);
        }
    }
    std::vector<std::unique_ptr<FloatPluginParameter>> list;
};

std::vector<float> valuesOf(const GenericPluginBase& half) {
    std::vector<float> values;
    for (int i = 0; i < half.parameterCount(); ++i) values.push_back(half.parameterValue(i));
    return values;
}

class TestModel : public GenericPlugin {
public:
    TestModel() : GenericPlugin(GenericPluginInfo{}) {}
    TestParameters parameters{this};
};

// Records each call of the frame with the parameter values it saw, and the MIDI it decoded.
class TestProcessor : public GenericPluginProcessor {
public:
    struct Call {
        int frames;
        std::vector<float> values;
    };

    explicit TestProcessor(int layout) : GenericPluginProcessor(GenericPluginInfo{}, layout) {
        for (int c = 0; c < channelCount(); ++c) channel(c).output = &channel(c).mainInput;
    }
    void process(const float* const* inputs, int inputCount, float* const* outputs, int outputCount, int frames,
                 uint32_t& status) override {
        calls.push_back({frames, valuesOf(*this)});
        GenericPluginProcessor::process(inputs, inputCount, outputs, outputCount, frames, status);
    }
    void decodeMidi(const MidiMessage& message) override { midi.push_back(message); }
    void useMidiState(int index) { setMidiStateParameter(index); }

    TestParameters parameters{this};
    std::vector<Call> calls;
    std::vector<MidiMessage> midi;
};

class TestFactory : public PluginInstanceFactory {
public:
    std::unique_ptr<GenericPlugin> createModel() const override { return std::make_unique<TestModel>(); }
    std::unique_ptr<GenericPluginProcessor> createProcessor(int layout) const override {
        return GenericPluginProcessor::create<TestProcessor>(layout);
    }
};

struct TestHost {
    clap_host_t host{};
    clap_host_params_t params{};
    clap_host_timer_support_t timers{};
    int flushRequests = 0;
    int rescans = 0;
    std::atomic<int> callbackRequests{0};
    std::vector<uint32_t> timerPeriods;
    bool offerParams = true;

    TestHost() {
        host.clap_version = CLAP_VERSION_1_2_5;
        host.host_data = this;
        host.name = "test";
        host.get_extension = [](const clap_host_t* h, const char* id) -> const void* {
            auto* self = static_cast<TestHost*>(h->host_data);
            if (self->offerParams && std::strcmp(id, CLAP_EXT_PARAMS) == 0) return &self->params;
            if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return &self->timers;
            return nullptr;
        };
        host.request_callback = [](const clap_host_t* h) { ++static_cast<TestHost*>(h->host_data)->callbackRequests; };
        timers.register_timer = [](const clap_host_t* h, uint32_t period, clap_id* id) {
            auto* self = static_cast<TestHost*>(h->host_data);
            self->timerPeriods.push_back(period);
            *id = 7;
            return true;
        };
        timers.unregister_timer = [](const clap_host_t*, clap_id) { return true; };
        params.rescan = [](const clap_host_t* h, uint32_t) { ++static_cast<TestHost*>(h->host_data)->rescans; };
        params.request_flush = [](const clap_host_t* h) { ++static_cast<TestHost*>(h->host_data)->flushRequests; };
    }
};

struct Collected {
    std::vector<clap_event_param_value_t> events;
    clap_output_events_t list{};
    Collected() {
        list.ctx = this;
        list.try_push = [](const clap_output_events_t* l, const clap_event_header_t* e) {
            clap_event_param_value_t copy{};
            std::memcpy(&copy, e, std::min<size_t>(e->size, sizeof copy));
            static_cast<Collected*>(l->ctx)->events.push_back(copy);
            return true;
        };
    }
};

class AdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        descriptor.clap_version = CLAP_VERSION_1_2_5;
        descriptor.id = "test";
        adapter = new ClapPluginAdapter(&host.host, &descriptor, factory);
        plugin = adapter->clapPlugin();
        ASSERT_TRUE(plugin->init(plugin));
        ASSERT_TRUE(plugin->activate(plugin, 48000.0, 1, 4096));
        ASSERT_TRUE(plugin->start_processing(plugin));
    }
    void TearDown() override { plugin->destroy(plugin); }

    TestProcessor& processor() { return *static_cast<TestProcessor*>(adapter->processor()); }
    TestModel& model() { return *static_cast<TestModel*>(adapter->model()); }

    // Runs one block of stereo audio (constant 0.25 unless silent) through the plug-in.
    clap_process_status run(uint32_t frames, const clap_input_events_t* in = nullptr, bool silent = false,
                            const clap_output_events_t* out = nullptr) {
        input.assign(2, std::vector<float>(frames, silent ? 0.0f : 0.25f));
        output.assign(2, std::vector<float>(frames, -1.0f));
        float* inPtr[2] = {input[0].data(), input[1].data()};
        float* outPtr[2] = {output[0].data(), output[1].data()};
        clap_audio_buffer_t inBuffer{inPtr, nullptr, 2, 0, silent ? 3u : 0u};
        outBuffer = clap_audio_buffer_t{outPtr, nullptr, 2, 0, 0};
        clap_process_t process{};
        process.frames_count = frames;
        process.audio_inputs = &inBuffer;
        process.audio_inputs_count = 1;
        process.audio_outputs = &outBuffer;
        process.audio_outputs_count = 1;
        process.in_events = in;
        process.out_events = out;
        processor().calls.clear();
        return plugin->process(plugin, &process);
    }

    TestHost host;
    TestFactory factory;
    clap_plugin_descriptor_t descriptor{};
    ClapPluginAdapter* adapter = nullptr;
    const clap_plugin_t* plugin = nullptr;
    std::vector<std::vector<float>> input, output;
    clap_audio_buffer_t outBuffer{};
};

TEST_F(AdapterTest, BlockWithoutEventsIsOneCall) {
    EXPECT_EQ(run(512), CLAP_PROCESS_CONTINUE);
    ASSERT_EQ(processor().calls.size(), 1u);
    EXPECT_EQ(processor().calls[0].frames, 512);
    EXPECT_EQ(output[1][511], 0.25f);
}

TEST_F(AdapterTest, SplitsAtParameterChangesAndAppliesThemAtTheirTime) {
    claphost::InputEventList events;
    events.paramValue(0, 1, 0.5);
    events.paramValue(100, 2, 0.75);
    events.paramValue(100, 3, 0.125);
    run(512, events.clapEvents());
    const auto& calls = processor().calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].frames, 100);
    EXPECT_EQ(calls[1].frames, 412);
    EXPECT_EQ(calls[0].values, (std::vector<float>{0.0f, 0.5f, 0.0f, 0.0f}));
    EXPECT_EQ(calls[1].values, (std::vector<float>{0.0f, 0.5f, 0.75f, 0.125f}));
    EXPECT_EQ(valuesOf(model()), calls[1].values);
}

TEST_F(AdapterTest, IgnoresForeignSpacesUnknownIdsAndChangesPastTheBlock) {
    claphost::InputEventList events;
    clap_event_param_value_t foreignValue{};
    foreignValue.header = {sizeof foreignValue, 10, 7, CLAP_EVENT_PARAM_VALUE, 0};
    foreignValue.value = 0.5;
    events.push(foreignValue);
    events.paramValue(20, 99, 0.5);
    events.paramValue(30, 1, std::nan(""));
    events.paramValue(600, 2, 1.0);
    clap_event_midi_t foreignMidi{};
    foreignMidi.header = {sizeof foreignMidi, 40, 7, CLAP_EVENT_MIDI, 0};
    foreignMidi.data[0] = 0x90;
    events.push(foreignMidi);
    run(512, events.clapEvents());
    // Unknown ids still end sub-blocks; nothing is applied and no block runs past its end.
    int total = 0;
    for (const auto& call : processor().calls) total += call.frames;
    EXPECT_EQ(total, 512);
    EXPECT_EQ(valuesOf(model()), std::vector<float>(kParameters, 0.0f));
    EXPECT_TRUE(processor().midi.empty());
}

TEST_F(AdapterTest, TranslatesNotesAndMidi) {
    claphost::InputEventList events;
    events.noteOn(5, 60, 0.0, 3);
    events.noteOff(6, 60, 0.0, 3);
    events.noteOn(7, 61, 1.0, 17);
    events.midi(8, 0xB0, 7, 99);
    events.noteOn(9, -1, 0.5); // a wildcard key has no MIDI form
    run(64, events.clapEvents());
    const auto& midi = processor().midi;
    ASSERT_EQ(midi.size(), 4u);
    EXPECT_EQ(midi[0].status, 0x93);
    EXPECT_EQ(midi[0].data2, 1); // note-on velocity 0 would be a note off: it becomes 1
    EXPECT_EQ(midi[0].timeOffset, 5);
    EXPECT_EQ(midi[1].status, 0x83);
    EXPECT_EQ(midi[1].data2, 0);
    EXPECT_EQ(midi[2].status, 0x91);
    EXPECT_EQ(midi[2].data2, 127);
    EXPECT_EQ(midi[3].status, 0xB0);
    EXPECT_EQ(midi[3].data1, 7);
}

TEST_F(AdapterTest, ReceiveMidiDisabledKeepsHostMidiOut) {
    processor().useMidiState(0);
    for (float state : {1.0f, 0.0f}) {
        processor().setParameterValue(0, state, 1);
        processor().midi.clear();
        claphost::InputEventList events;
        events.midi(0, 0x90, 60, 100);
        run(32, events.clapEvents());
        EXPECT_EQ(processor().midi.size(), state == 0.0f ? 1u : 0u) << "state " << state;
    }
}

TEST_F(AdapterTest, SilentConstantInputGivesConstantOutputMask) {
    run(256, nullptr, /*silent*/ true);
    EXPECT_EQ(outBuffer.constant_mask, 0xFFFFFFFFull);
    run(256, nullptr, /*silent*/ false);
    EXPECT_EQ(outBuffer.constant_mask, 0u);
}

TEST_F(AdapterTest, EditsReachTheHostInOrderAndTheQueueDropsWhenFull) {
    adapter->beginEdit(2);
    adapter->performEdit(2, 0.5f);
    adapter->endEdit(2);
    EXPECT_EQ(processor().parameterValue(2), 0.5f);
    EXPECT_EQ(model().parameterValue(2), 0.5f);
    EXPECT_EQ(host.flushRequests, 2);

    Collected out;
    run(16, nullptr, false, &out.list);
    ASSERT_EQ(out.events.size(), 3u);
    EXPECT_EQ(out.events[0].header.type, CLAP_EVENT_PARAM_GESTURE_BEGIN);
    EXPECT_EQ(out.events[0].header.size, sizeof(clap_event_param_gesture_t));
    EXPECT_EQ(out.events[1].header.type, CLAP_EVENT_PARAM_VALUE);
    EXPECT_EQ(out.events[1].header.size, 56u);
    EXPECT_EQ(out.events[1].param_id, 2u);
    EXPECT_EQ(out.events[1].value, 0.5);
    EXPECT_EQ(out.events[1].note_id, -1);
    EXPECT_EQ(out.events[1].key, -1);
    EXPECT_EQ(out.events[2].header.type, CLAP_EVENT_PARAM_GESTURE_END);

    // Undrained edits pile up to the queue's maximum; later ones are dropped, then a call drains them.
    for (int i = 0; i < 70000; ++i) adapter->performEdit(1, float(i % 7) / 7.0f);
    Collected drained;
    run(16, nullptr, false, &drained.list);
    EXPECT_EQ(drained.events.size(), 65534u);
    Collected after;
    adapter->performEdit(1, 0.25f);
    run(16, nullptr, false, &after.list);
    EXPECT_EQ(after.events.size(), 1u);
}

TEST_F(AdapterTest, HostAutomationIsNotEchoedButProcessorChangesReachModelAndHost) {
    claphost::InputEventList events;
    events.paramValue(0, 1, 0.5);
    Collected out;
    run(64, events.clapEvents(), false, &out.list);
    EXPECT_TRUE(out.events.empty());

    // A change the processor makes itself, as its MIDI controller map does.
    processor().setParameterValue(2, 0.375f, 0);
    EXPECT_EQ(model().parameterValue(2), 0.375f);
    Collected edits;
    run(64, nullptr, false, &edits.list);
    ASSERT_EQ(edits.events.size(), 1u);
    EXPECT_EQ(edits.events[0].param_id, 2u);
    EXPECT_EQ(edits.events[0].value, 0.375);
}

TEST_F(AdapterTest, ParameterInfoValueAndTextComeFromTheModel) {
    const auto* params = static_cast<const clap_plugin_params_t*>(plugin->get_extension(plugin, CLAP_EXT_PARAMS));
    EXPECT_EQ(params->count(plugin), uint32_t(kParameters));
    clap_param_info_t info{};
    ASSERT_TRUE(params->get_info(plugin, 3, &info));
    EXPECT_EQ(info.id, 3u);
    EXPECT_STREQ(info.name, "P3");
    EXPECT_STREQ(info.module, "");
    EXPECT_EQ(info.flags, CLAP_PARAM_IS_AUTOMATABLE);
    EXPECT_EQ(info.max_value, 1.0);
    EXPECT_FALSE(params->get_info(plugin, kParameters, &info));

    char text[64];
    ASSERT_TRUE(params->value_to_text(plugin, 1, 0.25, text, sizeof text));
    double value = -1;
    ASSERT_TRUE(params->text_to_value(plugin, 1, text, &value));
    EXPECT_FLOAT_EQ(float(value), 0.25f);
    char tiny[3];
    ASSERT_TRUE(params->value_to_text(plugin, 1, 0.25, tiny, sizeof tiny));
    EXPECT_EQ(std::strlen(tiny), 2u); // cut to the host's buffer
    EXPECT_FALSE(params->value_to_text(plugin, 1, std::nan(""), text, sizeof text));
    EXPECT_FALSE(params->text_to_value(plugin, 1, "not a number", &value));
    EXPECT_FALSE(params->value_to_text(plugin, 99, 0.5, text, sizeof text));
}

TEST_F(AdapterTest, FlushAppliesValuesAndDrainsEdits) {
    claphost::InputEventList events;
    events.paramValue(0, 3, 0.75);
    adapter->performEdit(0, 1.0f);
    Collected out;
    const auto* params = static_cast<const clap_plugin_params_t*>(plugin->get_extension(plugin, CLAP_EXT_PARAMS));
    ASSERT_NE(params, nullptr);
    params->flush(plugin, events.clapEvents(), &out.list);
    EXPECT_EQ(model().parameterValue(3), 0.75f);
    EXPECT_EQ(processor().parameterValue(3), 0.75f);
    ASSERT_EQ(out.events.size(), 1u);
    EXPECT_EQ(out.events[0].param_id, 0u);
    double value = 0;
    EXPECT_TRUE(params->get_value(plugin, 3, &value));
    EXPECT_EQ(value, 0.75);
    EXPECT_FALSE(params->get_value(plugin, kParameters, &value));
}

TEST_F(AdapterTest, ParametersChangedCopiesEverythingAndAsksForARescan) {
    // Changes made inside the plug-in within one batch reach the processor and the host once, at its end.
    model().beginParameterBatch();
    for (int i = 0; i < kParameters; ++i) model().setParameterValue(i, 0.1f * float(i + 1), 0);
    EXPECT_EQ(host.rescans, 0);
    model().endParameterBatch();
    EXPECT_EQ(valuesOf(processor()), valuesOf(model()));
    EXPECT_EQ(host.rescans, 1);
}

TEST_F(AdapterTest, MonoConfigurationRebuildsTheProcessor) {
    const auto* configs = static_cast<const clap_plugin_audio_ports_config_t*>(
        plugin->get_extension(plugin, CLAP_EXT_AUDIO_PORTS_CONFIG));
    const auto* ports = static_cast<const clap_plugin_audio_ports_t*>(plugin->get_extension(plugin, CLAP_EXT_AUDIO_PORTS));
    ASSERT_NE(configs, nullptr);
    ASSERT_NE(ports, nullptr);
    clap_audio_ports_config_t config{};
    EXPECT_FALSE(configs->get(plugin, 2, &config));
    EXPECT_FALSE(configs->select(plugin, 2));
    ASSERT_TRUE(configs->get(plugin, 0, &config));
    EXPECT_STREQ(config.name, "Mono");
    EXPECT_EQ(config.input_port_count, 2u);

    plugin->deactivate(plugin);
    ASSERT_TRUE(configs->select(plugin, 0));
    EXPECT_EQ(adapter->processor()->channelCount(), 1);
    for (auto [index, isInput, name] : {std::tuple{0u, true, "Main In"}, {1u, true, "Sidechain In"}, {0u, false, "Main Out"}}) {
        clap_audio_port_info_t info{};
        ASSERT_TRUE(ports->get(plugin, index, isInput, &info));
        EXPECT_STREQ(info.name, name);
        EXPECT_EQ(info.channel_count, 1u);
        EXPECT_STREQ(info.port_type, CLAP_PORT_MONO);
    }
    clap_audio_port_info_t info{};
    EXPECT_FALSE(ports->get(plugin, 2, true, &info));
    EXPECT_FALSE(ports->get(plugin, 1, false, &info));
}

TEST_F(AdapterTest, OffersTheExtensionsItImplementsOnly) {
    for (const char* id : {CLAP_EXT_NOTE_PORTS, CLAP_EXT_AUDIO_PORTS, CLAP_EXT_AUDIO_PORTS_CONFIG, CLAP_EXT_PARAMS,
                           CLAP_EXT_LATENCY, CLAP_EXT_TAIL, CLAP_EXT_TIMER_SUPPORT})
        EXPECT_NE(plugin->get_extension(plugin, id), nullptr) << id;
    for (const char* id : {"clap.audio-ports-config-info/draft-0", "clap.gain-adjustment-metering/0", "clap.params.x", ""})
        EXPECT_EQ(plugin->get_extension(plugin, id), nullptr) << id;
    const auto* tail = static_cast<const clap_plugin_tail_t*>(plugin->get_extension(plugin, CLAP_EXT_TAIL));
    EXPECT_EQ(tail->get(plugin), 2147483647u);
    const auto* notes = static_cast<const clap_plugin_note_ports_t*>(plugin->get_extension(plugin, CLAP_EXT_NOTE_PORTS));
    clap_note_port_info_t note{};
    EXPECT_EQ(notes->count(plugin, false), 0u);
    ASSERT_TRUE(notes->get(plugin, 0, true, &note));
    EXPECT_EQ(note.supported_dialects, 3u);
    EXPECT_EQ(note.preferred_dialect, 2u);
    EXPECT_STREQ(note.name, "Note Port");
}

TEST_F(AdapterTest, MissingSideChainAndOddHostBuffersAreHandled) {
    // A host that announces a small maximum but gives no side chain: the zero buffer must not be overrun.
    plugin->stop_processing(plugin);
    plugin->deactivate(plugin);
    ASSERT_TRUE(plugin->activate(plugin, 44100.0, 1, 8));
    std::vector<float> left(3000, 0.5f), right(3000, 0.5f), outL(3000, -1), outR(3000, -1), extra(3000, -1);
    float* in[2] = {left.data(), right.data()};
    float* out[3] = {outL.data(), outR.data(), extra.data()};
    clap_audio_buffer_t inBuffer{in, nullptr, 2, 0, 0};
    clap_audio_buffer_t outBuf{out, nullptr, 3, 0, 0};
    clap_process_t process{};
    process.frames_count = 3000;
    process.audio_inputs = &inBuffer;
    process.audio_inputs_count = 1;
    process.audio_outputs = &outBuf;
    process.audio_outputs_count = 1;
    EXPECT_EQ(plugin->process(plugin, &process), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(outL[2999], 0.5f);
    EXPECT_EQ(extra[2999], 0.0f); // a channel the processor does not feed is still written
    // No outputs at all, and no inputs.
    process.audio_outputs_count = 0;
    process.audio_inputs_count = 0;
    EXPECT_EQ(plugin->process(plugin, &process), CLAP_PROCESS_CONTINUE);
}

TEST_F(AdapterTest, EventsPostedFromOtherThreadsReachTheMainThreadThroughTimerOrCallback) {
    ASSERT_EQ(host.timerPeriods.size(), 1u);
    EXPECT_GE(host.timerPeriods[0], 10u);
    EXPECT_LE(host.timerPeriods[0], 30u);
    model().setParameterValue(1, 0.5f, 1);
    model().setParameterValue(2, 0.25f, 1);
    std::thread audio([this] {
        model().postToMainThread(GenericPlugin::ParameterChangedEvent, 1);
        model().postToMainThread(GenericPlugin::ParameterChangedEvent, 2);
    });
    audio.join();

    // The host's timer delivers on the main thread: each change goes to the processor and the host.
    const auto* timer = static_cast<const clap_plugin_timer_support_t*>(plugin->get_extension(plugin, CLAP_EXT_TIMER_SUPPORT));
    timer->on_timer(plugin, 99); // not our timer
    EXPECT_EQ(processor().parameterValue(1), 0.0f);
    timer->on_timer(plugin, 7);
    EXPECT_EQ(processor().parameterValue(1), 0.5f);
    EXPECT_EQ(processor().parameterValue(2), 0.25f);
    Collected out;
    run(16, nullptr, false, &out.list);
    ASSERT_EQ(out.events.size(), 2u);
    EXPECT_EQ(out.events[0].param_id, 1u);
    EXPECT_EQ(out.events[1].param_id, 2u);

    // The same through on_main_thread, for hosts that honour request_callback.
    model().setParameterValue(3, 0.75f, 1);
    std::thread([this] { model().postToMainThread(GenericPlugin::ParameterChangedEvent, 3); }).join();
    plugin->on_main_thread(plugin);
    EXPECT_EQ(processor().parameterValue(3), 0.75f);
}

} // namespace
