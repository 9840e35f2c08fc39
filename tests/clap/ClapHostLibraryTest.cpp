// The host library's own pieces, without the plug-in: event lists, chunked streams, path conversion,
// the host record's extensions and callbacks, and the loader's errors.
#include "tools/claphost/ByteStreams.h"
#include "tools/claphost/Host.h"
#include "tools/claphost/InputEventList.h"
#include "tools/claphost/OutputEventList.h"
#include "tools/claphost/PluginModule.h"
#include "tools/claphost/WindowsPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <thread>

namespace {

TEST(ClapHostInputEvents, HandsEventsOutInTimeOrderKeepingTheOrderOfEqualTimes) {
    claphost::InputEventList list;
    list.paramValue(100, 1, 0.5);
    list.noteOn(0, 60, 1.0);
    list.midi(100, 0xb0, 7, 100);
    list.gestureBegin(50, 2);
    list.paramValue(100, 3, 0.25);
    list.noteOff(7, 60, 0.0);

    const clap_input_events_t* events = list.clapEvents();
    ASSERT_EQ(events->size(events), 6u);
    const std::pair<uint32_t, uint16_t> expected[] = {
        {0, CLAP_EVENT_NOTE_ON},       {7, CLAP_EVENT_NOTE_OFF}, {50, CLAP_EVENT_PARAM_GESTURE_BEGIN},
        {100, CLAP_EVENT_PARAM_VALUE}, {100, CLAP_EVENT_MIDI},   {100, CLAP_EVENT_PARAM_VALUE}};
    for (uint32_t i = 0; i < 6; ++i) {
        const clap_event_header_t* event = events->get(events, i);
        ASSERT_TRUE(event);
        EXPECT_EQ(event->time, expected[i].first) << i;
        EXPECT_EQ(event->type, expected[i].second) << i;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(event) % 8, 0u) << "event " << i << " misaligned";
    }
    const auto* first = reinterpret_cast<const clap_event_param_value_t*>(events->get(events, 3));
    const auto* second = reinterpret_cast<const clap_event_param_value_t*>(events->get(events, 5));
    EXPECT_EQ(first->param_id, 1u);
    EXPECT_EQ(second->param_id, 3u);
    EXPECT_EQ(second->value, 0.25);
    EXPECT_EQ(second->header.size, sizeof(clap_event_param_value_t));
    EXPECT_EQ(events->get(events, 6), nullptr);

    list.clear();
    EXPECT_EQ(events->size(events), 0u);
}

TEST(ClapHostInputEvents, CarriesEventsOfForeignSpacesAsWritten) {
    claphost::InputEventList list;
    clap_event_midi_t midi{};
    midi.header = {sizeof midi, 3, 77, CLAP_EVENT_MIDI, CLAP_EVENT_IS_LIVE};
    midi.data[0] = 0x90;
    list.push(midi);
    const clap_event_header_t* event = list.get(0);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->space_id, 77u);
    EXPECT_EQ(event->flags, CLAP_EVENT_IS_LIVE);
    EXPECT_EQ(reinterpret_cast<const clap_event_midi_t*>(event)->data[0], 0x90);
}

TEST(ClapHostOutputEvents, CopiesWhatTheHeaderSaysAndRefusesBeyondCapacityOrMalformed) {
    claphost::OutputEventList list(2);
    const clap_output_events_t* out = list.clapEvents();
    clap_event_param_value_t value{};
    value.header = {sizeof value, 5, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
    value.param_id = 9;
    value.value = -3.5;
    clap_event_header_t tooShort = {8, 0, 0, CLAP_EVENT_PARAM_VALUE, 0};
    clap_event_header_t gesture = {sizeof(clap_event_param_gesture_t), 6, 0, CLAP_EVENT_PARAM_GESTURE_END, 0};

    EXPECT_TRUE(out->try_push(out, &value.header));
    EXPECT_FALSE(out->try_push(out, &tooShort));
    EXPECT_FALSE(out->try_push(out, nullptr));
    clap_event_param_gesture_t end{gesture, 9};
    EXPECT_TRUE(out->try_push(out, &end.header));
    EXPECT_FALSE(out->try_push(out, &value.header));
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.refusedCount(), 1u);
    EXPECT_EQ(list.malformedCount(), 2u);

    const auto* copied = list.as<clap_event_param_value_t>(0, CLAP_EVENT_PARAM_VALUE);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->param_id, 9u);
    EXPECT_EQ(copied->value, -3.5);
    EXPECT_EQ(list.as<clap_event_param_value_t>(1, CLAP_EVENT_PARAM_VALUE), nullptr) << "wrong type";
    EXPECT_EQ(list.as<clap_event_param_value_t>(1, CLAP_EVENT_PARAM_GESTURE_END), nullptr) << "too short";
    EXPECT_NE(list.as<clap_event_param_gesture_t>(1, CLAP_EVENT_PARAM_GESTURE_END), nullptr);
}

class ClapHostStreams : public testing::TestWithParam<uint64_t> {};

TEST_P(ClapHostStreams, MoveAtMostTheChunkPerCall) {
    const uint64_t chunk = GetParam();
    std::vector<uint8_t> data(1000);
    std::iota(data.begin(), data.end(), uint8_t(0));

    claphost::OutputByteStream output(chunk);
    const clap_ostream_t* ostream = output.clapStream();
    size_t written = 0;
    while (written < data.size()) {
        int64_t moved = ostream->write(ostream, data.data() + written, data.size() - written);
        ASSERT_GT(moved, 0);
        ASSERT_LE(uint64_t(moved), chunk);
        written += size_t(moved);
    }
    EXPECT_EQ(output.bytes(), data);
    EXPECT_EQ(output.callCount(), (data.size() + chunk - 1) / chunk);

    claphost::InputByteStream input(output.bytes(), chunk);
    const clap_istream_t* istream = input.clapStream();
    std::vector<uint8_t> back(data.size() + 10);
    size_t read = 0;
    for (;;) {
        int64_t moved = istream->read(istream, back.data() + read, back.size() - read);
        ASSERT_GE(moved, 0);
        ASSERT_LE(uint64_t(moved), chunk);
        if (moved == 0) break;
        read += size_t(moved);
    }
    back.resize(read);
    EXPECT_EQ(back, data);
    EXPECT_EQ(input.position(), data.size());
}

INSTANTIATE_TEST_SUITE_P(HostChunkSizes, ClapHostStreams,
                         testing::Values(1u, 17u, 23u, 100u, 2048u, 100000u));

TEST(ClapHostWindowsPath, MapsUnixAbsolutePathsToDriveZ) {
    const std::pair<const char*, const char*> cases[] = {
        {"/work/build/Lumenor.clap", "Z:\\work\\build\\Lumenor.clap"},
        {"/", "Z:\\"},
        {"C:/Program Files/Common Files/CLAP/Lumenor.clap",
         "C:\\Program Files\\Common Files\\CLAP\\Lumenor.clap"},
        {"C:\\already\\windows.clap", "C:\\already\\windows.clap"},
        {"relative/plug.clap", "relative\\plug.clap"},
        {"//server/share/x.clap", "\\\\server\\share\\x.clap"},
        {"", ""},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(claphost::toWindowsPath(path), expected) << path;
}

// A plug-in record with just what the host calls back into: on_main_thread and timer support.
struct FakePlugin {
    clap_plugin_t plugin{};
    clap_plugin_timer_support_t timerSupport{};
    int mainThreadCalls = 0;
    std::vector<clap_id> timerCalls;
    const clap_host_t* host = nullptr;

    FakePlugin() {
        plugin.plugin_data = this;
        plugin.on_main_thread = [](const clap_plugin_t* p) {
            ++static_cast<FakePlugin*>(p->plugin_data)->mainThreadCalls;
        };
        plugin.get_extension = [](const clap_plugin_t* p, const char* id) -> const void* {
            auto* self = static_cast<FakePlugin*>(p->plugin_data);
            return std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0 ? &self->timerSupport : nullptr;
        };
        timerSupport.on_timer = [](const clap_plugin_t* p, clap_id id) {
            static_cast<FakePlugin*>(p->plugin_data)->timerCalls.push_back(id);
        };
    }
};

TEST(ClapHost, OffersExactlyTheConfiguredExtensions) {
    const char* ids[] = {CLAP_EXT_PARAMS, CLAP_EXT_STATE, CLAP_EXT_THREAD_CHECK, CLAP_EXT_TIMER_SUPPORT,
                         CLAP_EXT_LATENCY};
    const uint32_t bits[] = {claphost::Host::Params, claphost::Host::State, claphost::Host::ThreadCheck,
                             claphost::Host::TimerSupport, claphost::Host::Latency};
    for (uint32_t offered : {claphost::Host::kNoExtensions, claphost::Host::kAllExtensions,
                             uint32_t(claphost::Host::Params | claphost::Host::TimerSupport)}) {
        claphost::Host::Config config;
        config.extensions = offered;
        claphost::Host host(config);
        const clap_host_t* record = host.clapHost();
        for (size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(record->get_extension(record, ids[i]) != nullptr, (offered & bits[i]) != 0)
                << ids[i] << " with extension set " << offered;
        EXPECT_EQ(record->get_extension(record, "clap.gui"), nullptr);
        EXPECT_EQ(host.queriedExtensions().size(), std::size(ids) + 1);
    }
}

TEST(ClapHost, CountsCallbacksAndDeliversMainThreadWorkWhenPumped) {
    claphost::Host host;
    FakePlugin fake;
    host.bind(&fake.plugin);
    const clap_host_t* record = host.clapHost();
    EXPECT_EQ(std::string(record->name), host.config().name);

    EXPECT_FALSE(host.pumpMainThread());
    record->request_callback(record);
    record->request_callback(record);
    EXPECT_EQ(host.requestCallbackCount(), 2u);
    EXPECT_TRUE(host.pumpMainThread());
    EXPECT_FALSE(host.pumpMainThread());
    EXPECT_EQ(fake.mainThreadCalls, 1);

    const auto* params =
        static_cast<const clap_host_params_t*>(record->get_extension(record, CLAP_EXT_PARAMS));
    const auto* state = static_cast<const clap_host_state_t*>(record->get_extension(record, CLAP_EXT_STATE));
    ASSERT_TRUE(params && state);
    params->rescan(record, CLAP_PARAM_RESCAN_VALUES);
    params->rescan(record, CLAP_PARAM_RESCAN_INFO | CLAP_PARAM_RESCAN_TEXT);
    params->request_flush(record);
    state->mark_dirty(record);
    EXPECT_EQ(host.rescanFlags(), (std::vector<uint32_t>{CLAP_PARAM_RESCAN_VALUES,
                                                         CLAP_PARAM_RESCAN_INFO | CLAP_PARAM_RESCAN_TEXT}));
    EXPECT_EQ(host.rescanCount(CLAP_PARAM_RESCAN_VALUES), 1u);
    EXPECT_EQ(host.rescanCount(CLAP_PARAM_RESCAN_TEXT), 1u);
    EXPECT_EQ(host.requestFlushCount(), 1u);
    EXPECT_EQ(host.markDirtyCount(), 1u);
    EXPECT_EQ(host.threadViolationCount(), 0u);
    host.unbind();
}

TEST(ClapHost, TimersFireUntilUnregistered) {
    claphost::Host host;
    FakePlugin fake;
    host.bind(&fake.plugin);
    const clap_host_t* record = host.clapHost();
    const auto* timers =
        static_cast<const clap_host_timer_support_t*>(record->get_extension(record, CLAP_EXT_TIMER_SUPPORT));
    ASSERT_TRUE(timers);
    clap_id first = CLAP_INVALID_ID, second = CLAP_INVALID_ID;
    ASSERT_TRUE(timers->register_timer(record, 20, &first));
    ASSERT_TRUE(timers->register_timer(record, 30, &second));
    EXPECT_NE(first, second);
    EXPECT_EQ(host.fireTimers(), 2u);
    EXPECT_TRUE(timers->unregister_timer(record, first));
    EXPECT_FALSE(timers->unregister_timer(record, first));
    EXPECT_EQ(host.unknownTimerCount(), 1u);
    EXPECT_EQ(host.fireTimers(), 1u);
    EXPECT_EQ(fake.timerCalls, (std::vector<clap_id>{first, second, second}));
    ASSERT_EQ(host.timers().size(), 1u);
    EXPECT_EQ(host.timers()[0].periodMs, 30u);
    host.unbind();
}

TEST(ClapHost, ThreadCheckFollowsTheThreadsAndCountsForbiddenCalls) {
    claphost::Host host;
    const clap_host_t* record = host.clapHost();
    const auto* check =
        static_cast<const clap_host_thread_check_t*>(record->get_extension(record, CLAP_EXT_THREAD_CHECK));
    const auto* params =
        static_cast<const clap_host_params_t*>(record->get_extension(record, CLAP_EXT_PARAMS));
    ASSERT_TRUE(check && params);
    EXPECT_TRUE(check->is_main_thread(record));
    EXPECT_FALSE(check->is_audio_thread(record));

    bool mainSeen = true, audioSeen = false;
    std::thread audio([&] {
        host.enterAudioThread();
        mainSeen = check->is_main_thread(record);
        audioSeen = check->is_audio_thread(record);
        params->request_flush(record);                    // forbidden on the audio thread
        params->rescan(record, CLAP_PARAM_RESCAN_VALUES); // main thread only
        host.leaveAudioThread();
    });
    audio.join();
    EXPECT_FALSE(mainSeen);
    EXPECT_TRUE(audioSeen);
    EXPECT_EQ(host.threadViolationCount(), 2u);
}

TEST(ClapHostModule, ExplainsWhyAFileDoesNotLoad) {
    std::filesystem::path notALibrary = std::filesystem::temp_directory_path() / "lumenor-not-a-plugin.clap";
    std::ofstream(notALibrary) << "this is text, not a shared library\n";
    const std::string paths[] = {(std::filesystem::temp_directory_path() / "lumenor-missing.clap").string(),
                                 notALibrary.string()};
    for (const std::string& path : paths) {
        std::string error;
        EXPECT_EQ(claphost::PluginModule::load(path, error), nullptr) << path;
        EXPECT_NE(error.find("lumenor-"), std::string::npos) << "the error names the file: " << error;
    }
    std::filesystem::remove(notALibrary);
}

} // namespace
