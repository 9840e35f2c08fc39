// Drives process calls on an active plug-in instance with guarded buffers for its main input, side chain
// and main output, and checks after every call what hosts rely on: status, untouched inputs and host
// records, every output sample written, finite and normal, nothing written past the block, truthful
// constant masks and output events in time order inside the block.
#pragma once

#include "GuardedChannels.h"

#include "tools/claphost/PluginInstance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace claptest {

class ProcessRig {
public:
    enum class Input { Music, Silence, Subnormal, NonFinite, Extreme };

    struct Call {
        uint32_t frames = 0;
        Input input = Input::Music;
        bool sideChain = true;            // false: the process record holds the main input only
        bool mainInput = true;            // false (with sideChain false): no input buffers at all
        bool output = true;               // false: no output buffers
        bool flagSilenceConstant = false; // silent input buffers carry their constant-mask bits
        const clap_event_transport_t* transport = nullptr;
        const claphost::InputEventList* events = nullptr;
    };

    // Channel counts come from the plug-in's audio ports (main input, side chain, main output).
    ProcessRig(claphost::PluginInstance& instance, uint32_t maxFrames);

    testing::AssertionResult run(const Call& call);

    uint32_t inputChannels() const { return mainIn_.channelCount(); }
    uint32_t outputChannels() const { return out_.channelCount(); }

private:
    void fill(GuardedChannels& channels, Input input, uint32_t frames);

    claphost::PluginInstance& instance_;
    GuardedChannels mainIn_, sideIn_, out_;
    std::mt19937 random_{20240611};
    uint64_t position_ = 0;
};

// A transport record with random flags and values, as a host that jumps around may send.
clap_event_transport_t randomTransport(std::mt19937& random);

} // namespace claptest
