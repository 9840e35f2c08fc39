// Filling, running and checking one process call.
#include "ProcessRig.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>

namespace claptest {
namespace {

uint32_t portChannels(const claphost::PluginInstance& instance, uint32_t index, bool isInput) {
    std::optional<clap_audio_port_info_t> port = instance.audioPortInfo(index, isInput);
    return port ? port->channel_count : 2;
}

uint64_t allChannelsMask(uint32_t channels) {
    return channels >= 64 ? ~0ull : (1ull << channels) - 1;
}

} // namespace

ProcessRig::ProcessRig(claphost::PluginInstance& instance, uint32_t maxFrames)
    : instance_(instance), mainIn_(portChannels(instance, 0, true), maxFrames),
      sideIn_(portChannels(instance, 1, true), maxFrames), out_(portChannels(instance, 0, false), maxFrames) {
}

void ProcessRig::fill(GuardedChannels& channels, Input input, uint32_t frames) {
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (uint32_t c = 0; c < channels.channelCount(); ++c) {
        float* samples = channels.channel(c);
        for (uint32_t i = 0; i < frames; ++i) {
            double t = double(position_ + i) / 48000.0;
            switch (input) {
            case Input::Music:
                samples[i] = float(0.3 * std::sin(2.0 * std::numbers::pi * (110.0 + 55.0 * c) * t) +
                                   0.2 * noise(random_));
                break;
            case Input::Silence:
                samples[i] = 0.0f;
                break;
            case Input::Subnormal: {
                // Every magnitude of the subnormal range, both signs, with occasional zeros.
                float magnitude = std::ldexp(1.0f, -126 - int(random_() % 24));
                samples[i] = (i % 7 == 0) ? 0.0f : ((i & 1) ? magnitude : -magnitude);
                break;
            }
            case Input::NonFinite: {
                const float values[] = {std::numeric_limits<float>::quiet_NaN(),
                                        std::numeric_limits<float>::infinity(),
                                        -std::numeric_limits<float>::infinity(), 0.5f, -0.25f};
                samples[i] = values[random_() % 5];
                break;
            }
            case Input::Extreme: {
                const float values[] = {FLT_MAX, -FLT_MAX, 1e30f, -1e30f, FLT_TRUE_MIN, 1e-38f, 1.0f, -1.0f};
                samples[i] = values[random_() % 8];
                break;
            }
            }
        }
    }
}

testing::AssertionResult ProcessRig::run(const Call& call) {
    if (call.frames > out_.maxFrames()) return testing::AssertionFailure() << "block larger than the rig";
    fill(mainIn_, call.input, call.frames);
    fill(sideIn_, call.input, call.frames);
    out_.markUnwritten();
    position_ += call.frames;

    const uint64_t constantIn = call.input == Input::Silence && call.flagSilenceConstant ? ~0ull : 0;
    claphost::PluginInstance::AudioBus inputs[2] = {
        {mainIn_.pointers(), constantIn & allChannelsMask(inputChannels())},
        {sideIn_.pointers(), constantIn & allChannelsMask(sideIn_.channelCount())}};
    claphost::PluginInstance::AudioBus output{out_.pointers(), 0};
    size_t inputCount = call.sideChain ? 2 : (call.mainInput ? 1 : 0);

    claphost::OutputEventList events;
    claphost::PluginInstance::ProcessRequest request;
    request.frameCount = call.frames;
    request.inputs = {inputs, inputCount};
    request.outputs = {&output, call.output ? 1u : 0u};
    request.transport = call.transport;
    request.inputEvents = call.events;
    request.outputEvents = &events;

    const std::vector<uint32_t> mainBefore = mainIn_.bits(), sideBefore = sideIn_.bits();
    claphost::PluginInstance::ProcessResult result = instance_.process(request);

    if (result.status < CLAP_PROCESS_CONTINUE || result.status > CLAP_PROCESS_SLEEP)
        return testing::AssertionFailure() << "process answered status " << result.status;
    if (!result.hostRecordsIntact)
        return testing::AssertionFailure() << "the plug-in changed the process record or a buffer record";
    if (mainIn_.bits() != mainBefore || sideIn_.bits() != sideBefore)
        return testing::AssertionFailure() << "the plug-in wrote into an input buffer";
    std::string where;
    if (!out_.guardsIntact(where))
        return testing::AssertionFailure() << "output guard overwritten at " << where;

    const uint32_t written = call.output ? call.frames : 0;
    for (uint32_t c = 0; c < out_.channelCount(); ++c) {
        const float* samples = out_.channel(c);
        for (uint32_t i = 0; i < out_.maxFrames(); ++i) {
            uint32_t bits = std::bit_cast<uint32_t>(samples[i]);
            bool unwritten = bits == GuardedChannels::kUnwrittenBits;
            if (i >= written) {
                if (!unwritten)
                    return testing::AssertionFailure() << "output channel " << c << " sample " << i
                                                       << " written past the " << written << "-frame block";
                continue;
            }
            if (unwritten)
                return testing::AssertionFailure()
                       << "output channel " << c << " sample " << i << " not written";
            int kind = std::fpclassify(samples[i]);
            if (kind == FP_NAN || kind == FP_INFINITE || kind == FP_SUBNORMAL)
                return testing::AssertionFailure()
                       << "output channel " << c << " sample " << i << " is " << samples[i]
                       << (kind == FP_SUBNORMAL ? " (subnormal)" : "");
        }
    }

    const uint64_t mask = call.output ? instance_.outputConstantMask(0) : 0;
    for (uint32_t c = 0; c < out_.channelCount() && c < 64; ++c) {
        if (!(mask & (1ull << c))) continue;
        const float* samples = out_.channel(c);
        for (uint32_t i = 1; i < written; ++i)
            if (std::bit_cast<uint32_t>(samples[i]) != std::bit_cast<uint32_t>(samples[0]))
                return testing::AssertionFailure() << "constant-mask bit " << c << " set but sample " << i
                                                   << " is " << samples[i] << " after " << samples[0];
    }

    uint32_t previous = 0;
    for (uint32_t i = 0; i < events.size(); ++i) {
        uint32_t time = events.get(i)->time;
        if (time < previous)
            return testing::AssertionFailure()
                   << "output event " << i << " at " << time << " follows one at " << previous;
        if (time >= std::max<uint32_t>(call.frames, 1))
            return testing::AssertionFailure() << "output event " << i << " at " << time
                                               << " lies outside the " << call.frames << "-frame block";
        previous = time;
    }
    if (events.malformedCount() > 0)
        return testing::AssertionFailure() << events.malformedCount() << " malformed output events";
    return testing::AssertionSuccess();
}

clap_event_transport_t randomTransport(std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    clap_event_transport_t transport{};
    transport.header = {sizeof transport, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_TRANSPORT, 0};
    transport.flags = random() & 0xff;
    transport.tempo = 1.0 + 998.0 * unit(random);
    transport.tempo_inc = unit(random) - 0.5;
    auto beats = [&] {
        return clap_beattime((unit(random) * 2000.0 - 100.0) * double(CLAP_BEATTIME_FACTOR));
    };
    auto seconds = [&] {
        return clap_sectime((unit(random) * 2000.0 - 100.0) * double(CLAP_SECTIME_FACTOR));
    };
    transport.song_pos_beats = beats();
    transport.song_pos_seconds = seconds();
    transport.loop_start_beats = beats();
    transport.loop_end_beats = beats();
    transport.loop_start_seconds = seconds();
    transport.loop_end_seconds = seconds();
    transport.bar_start = beats();
    transport.bar_number = int32_t(random() % 2000) - 100;
    transport.tsig_num = uint16_t(1 + random() % 16);
    transport.tsig_denom = uint16_t(1u << (random() % 5));
    return transport;
}

} // namespace claptest
