// Runs audio through an initialised plug-in instance in blocks, as a host's offline export does: the
// plug-in is activated for the block size, gets a playing transport and is stopped and deactivated after.
#pragma once

#include "tools/claphost/PluginInstance.h"
#include "tools/render/AudioData.h"

#include <functional>
#include <string>

class Renderer {
public:
    // Adds the events of one block (times relative to the block start) to the list. Main thread.
    using EventSource =
        std::function<void(uint64_t blockStart, uint32_t frames, claphost::InputEventList& events)>;

    struct Result {
        AudioData output;
        double cpuSeconds = 0.0; // processor time spent inside process calls
    };

    Renderer(claphost::PluginInstance& instance, uint32_t blockSize);

    void setEventSource(EventSource source) { eventSource_ = std::move(source); }

    // Processes the whole input; false with a readable error when the plug-in refuses to activate or
    // answers a process call with the error status.
    bool render(const AudioData& input, Result& result, std::string& error);

private:
    claphost::PluginInstance& instance_;
    uint32_t blockSize_;
    EventSource eventSource_;
};

// Peak and RMS over every sample of every channel, as linear values.
struct Levels {
    double peak = 0.0;
    double rms = 0.0;

    static Levels measure(const AudioData& audio);
};
