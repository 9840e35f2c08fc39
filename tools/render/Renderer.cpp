// The block loop of the renderer and the level measurement.
#include "tools/render/Renderer.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace {

constexpr double kTempo = 120.0;

clap_event_transport_t playingTransport(uint64_t frame, double sampleRate) {
    clap_event_transport_t transport{};
    transport.header = {sizeof transport, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_TRANSPORT, 0};
    transport.flags = CLAP_TRANSPORT_HAS_TEMPO | CLAP_TRANSPORT_HAS_BEATS_TIMELINE |
                      CLAP_TRANSPORT_HAS_SECONDS_TIMELINE | CLAP_TRANSPORT_HAS_TIME_SIGNATURE |
                      CLAP_TRANSPORT_IS_PLAYING;
    double seconds = double(frame) / sampleRate;
    double beats = seconds * kTempo / 60.0;
    transport.song_pos_beats = clap_beattime(std::llround(beats * double(CLAP_BEATTIME_FACTOR)));
    transport.song_pos_seconds = clap_sectime(std::llround(seconds * double(CLAP_SECTIME_FACTOR)));
    transport.tempo = kTempo;
    transport.bar_start = clap_beattime(std::floor(beats / 4.0) * 4.0) * CLAP_BEATTIME_FACTOR;
    transport.bar_number = int32_t(beats / 4.0);
    transport.tsig_num = 4;
    transport.tsig_denom = 4;
    return transport;
}

uint32_t mainPortChannels(const claphost::PluginInstance& instance, bool isInput) {
    std::optional<clap_audio_port_info_t> port = instance.audioPortInfo(0, isInput);
    return port ? port->channel_count : 2;
}

} // namespace

Renderer::Renderer(claphost::PluginInstance& instance, uint32_t blockSize)
    : instance_(instance), blockSize_(std::max<uint32_t>(blockSize, 1)) {}

bool Renderer::render(const AudioData& input, Result& result, std::string& error) {
    const size_t frames = input.frameCount();
    const uint32_t inputChannels = mainPortChannels(instance_, true);
    const uint32_t outputChannels = mainPortChannels(instance_, false);
    if (input.channelCount() == 0 || inputChannels == 0 || outputChannels == 0) {
        error = "nothing to render: the input or the plug-in's main ports have no channels";
        return false;
    }

    result.output.sampleRate = input.sampleRate;
    result.output.channels.assign(outputChannels, std::vector<float>(frames, 0.0f));
    result.cpuSeconds = 0.0;

    if (!instance_.activate(input.sampleRate, 1, blockSize_)) {
        error = "the plug-in refused to activate at " + std::to_string(input.sampleRate) + " Hz";
        return false;
    }
    instance_.startProcessing();

    // A mono file feeds every input channel; extra file channels are left out.
    std::vector<float*> in(inputChannels), out(outputChannels);
    claphost::PluginInstance::AudioBus inputBus{in}, outputBus{out};
    claphost::InputEventList events;
    bool failed = false;
    for (size_t start = 0; start < frames && !failed; start += blockSize_) {
        uint32_t count = uint32_t(std::min<size_t>(blockSize_, frames - start));
        // CLAP's buffer record has no const pointers for inputs; the plug-in only reads them.
        for (uint32_t c = 0; c < inputChannels; ++c)
            in[c] = const_cast<float*>(input.channels[std::min<size_t>(c, input.channelCount() - 1)].data()) +
                    start;
        for (uint32_t c = 0; c < outputChannels; ++c)
            out[c] = result.output.channels[c].data() + start;
        events.clear();
        if (eventSource_) eventSource_(start, count, events);
        clap_event_transport_t transport = playingTransport(start, input.sampleRate);

        claphost::PluginInstance::ProcessRequest request;
        request.frameCount = count;
        request.inputs = {&inputBus, 1};
        request.outputs = {&outputBus, 1};
        request.transport = &transport;
        request.inputEvents = &events;

        std::clock_t before = std::clock();
        claphost::PluginInstance::ProcessResult processed = instance_.process(request);
        result.cpuSeconds += double(std::clock() - before) / CLOCKS_PER_SEC;
        if (processed.status == CLAP_PROCESS_ERROR) {
            error =
                "the plug-in answered a process call with the error status at frame " + std::to_string(start);
            failed = true;
        }
    }
    instance_.stopProcessing();
    instance_.deactivate();
    return !failed;
}

Levels Levels::measure(const AudioData& audio) {
    Levels levels;
    double sumOfSquares = 0.0;
    size_t count = 0;
    for (const std::vector<float>& channel : audio.channels) {
        for (float sample : channel) {
            double value = sample;
            levels.peak = std::max(levels.peak, std::fabs(value));
            sumOfSquares += value * value;
        }
        count += channel.size();
    }
    levels.rms = count ? std::sqrt(sumOfSquares / double(count)) : 0.0;
    return levels;
}
