// The audio-thread half of a plug-in instance: the processing frame around the product's signal graph.
// It splits each call at MIDI events and into pieces of at most the environment's block size, applies
// queued parameter changes at piece boundaries, skips the graph while the input is silent and the output
// has died away, flushes denormals, and hands clean samples to the host.
#pragma once

#include "core/GenericPluginBase.h"
#include "core/LockFreeQueue.h"
#include "midi/MidiMessage.h"
#include "persistence/BinaryDataWriter.h"
#include "wave/Environment.h"
#include "wave/Input.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class GenericPluginProcessor : public GenericPluginBase {
public:
    // The processor's link back to the plug-in shell.
    class ProcessorAdapter {
    public:
        virtual ~ProcessorAdapter() = default;
        // Audio thread: a MIDI program change arrived.
        virtual void programChange(int bank, int program) = 0;
        // Audio thread: the number of the last MIDI controller received in a call.
        virtual void controllerActivity(int number) = 0;
        // Audio thread: the processor changed one of its own parameters; the model and the host follow.
        virtual void processorParameterChanged(int index) = 0;
    };

    // One audio channel: its main and side-chain inputs and the output producer the product sets.
    class Channel {
    public:
        Channel(wave::Environment& environment, int index);
        virtual ~Channel() = default;
        // Audio thread: a queued parameter change has been applied.
        virtual void parameterChanged(int parameterIndex) { (void)parameterIndex; }
        virtual void sampleRateChanged() {}

        int index;
        wave::Input mainInput;
        wave::Input sideChainInput;
        wave::Producer* output = nullptr;
    };

    // Runs one piece of a call: silence and tail handling, pulling the graph, the final copy.
    class BypassProcessor {
    public:
        static constexpr int kMaxChannels = 16;
        bool resetPending = false;
        int tailState = 0; // -1 sounding, 0 finished
        const float* outputs[kMaxChannels] = {};
    };

    struct ChannelLayout {
        int index;
        const char* name;
        int channelCount;
        const char* portType;
    };
    static constexpr int kLayoutCount = 2;
    // 0 "Mono", 1 "Stereo"; any other index answers the stereo layout.
    static const ChannelLayout& channelLayout(int index);

    // Bits of the status word passed through process.
    static constexpr uint32_t kInputSilent = 1;
    static constexpr uint32_t kOutputSilent = 2;

    // Control records of the parameter change queue.
    static constexpr int kJumpRecord = -1;
    static constexpr int kResetRecord = -2;

    // Builds a processor and runs the once-per-process step, which needs the finished object.
    template <typename T, typename... Args> static std::unique_ptr<T> create(Args&&... args) {
        auto processor = std::make_unique<T>(std::forward<Args>(args)...);
        processor->runSharedConstruction();
        return processor;
    }

    GenericPluginProcessor(const GenericPluginInfo& info, int layoutIndex);
    ~GenericPluginProcessor() override;

    // Main thread, while the audio thread is idle.
    void setProcessorAdapter(ProcessorAdapter* adapter) { adapter_ = adapter; }
    ProcessorAdapter* processorAdapter() const { return adapter_; }
    wave::Environment& environment() { return *environment_; }
    const ChannelLayout& layout() const { return channelLayout(layoutIndex_); }
    int channelCount() const { return static_cast<int>(channels_.size()); }
    int inputCount() const { return 2 * channelCount(); } // main input, then the side chain
    int outputCount() const { return channelCount(); }

    // Any thread.
    void beginParameterBatch() override { ++batchDepth_; }
    void endParameterBatch() override { --batchDepth_; }
    void requestParameterJump() { queueParameterChange(kJumpRecord, 0.0f); }
    void requestReset() { queueParameterChange(kResetRecord, 0.0f); }
    // Called by a parameter after it accepted a value (any thread). Changes not from the shell are
    // reported to it so that the model and the host follow.
    void parameterChanged(int index, float value, int flags) override;
    // Main thread, audio thread idle: queues every parameter's value, so the graph starts from them.
    void queueAllParameters();
    // Main thread under the adapter lock: tempo, transport history (the model reads them back).
    virtual void writeDisplayData(BinaryDataWriter& writer);
    // Any thread; answers false when the MIDI input queue is full and the message was dropped.
    bool pushMidi(const MidiMessage& message) { return midiInput_.push(message); }
    // Whether host MIDI should reach the MIDI input ("Receive MIDI" not Disabled).
    bool receivesMidi() const;

    // -1 = infinite, which is what an effect with resonant filters answers.
    virtual int tailSamples() const { return -1; }
    int maxBlockSize() const { return environment_->processingBlockSize; }

    // Audio thread: the frame's entry. Inputs are the main-input channels followed by the side-chain
    // channels; status bit 0 in = the input is silent, bit 1 out = the output of this call is silent.
    virtual void process(const float* const* inputs, int inputCount, float* const* outputs, int outputCount,
                         int frames, uint32_t& status);
    // Audio thread: host reset and start of processing.
    virtual void reset();
    // Audio thread: once per host block, before the first piece.
    void setTransport(float tempo, float positionBeats, int64_t steadyTime, bool playing);
    virtual void transportChanged(float tempo, double positionBeats) {
        (void)tempo;
        (void)positionBeats;
    }
    virtual void transportStarted(float tempo, double positionBeats, int64_t steadyTime) {
        (void)tempo;
        (void)positionBeats;
        (void)steadyTime;
    }

    float tempo() const { return tempo_.load(std::memory_order_relaxed); }
    double songPosition() const { return freePosition_; }
    int64_t transportHistory(int index) const { return transportHistory_[index].load(std::memory_order_relaxed); }

    static bool isSilent(const float* const* channels, int count, int frames);

protected:
    // Called once per process by the first processor constructed (the product loads shared tables).
    virtual void initialiseOnce() {}
    // Audio thread: a queued change was applied; the frame tells every channel and follows "Receive MIDI".
    virtual void parameterApplied(int index);
    // Audio thread: one MIDI message reaches the decoder.
    virtual void decodeMidi(const MidiMessage& message) { (void)message; }
    // Audio thread: releases held notes when MIDI is switched off.
    virtual void allNotesOff() {}
    virtual void sampleRateChanged();

    void addChannel(std::unique_ptr<Channel> channel) { channels_.push_back(std::move(channel)); }
    Channel& channel(int index) { return *channels_[static_cast<size_t>(index)]; }
    // The index of the product's "Receive MIDI" parameter, or -1.
    void setMidiStateParameter(int index) { midiStateParameter_ = index; }
    void setLastController(int number) { lastController_ = number; }

    void applyParameterChanges();
    void channelOutputs(const float** outputs, int count, int frames);

private:
    struct ParameterChange {
        int index;
        float value;
    };

    void runSharedConstruction();
    void queueParameterChange(int index, float value);
    void bindInputs(const float* const* inputs, int inputCount, int frames);
    void runPieces(int start, int end, float* const* outputs, int outputCount, uint32_t& status);
    void runPiece(int start, int frames, float* const* outputs, int outputCount, uint32_t& status);

    ProcessorAdapter* adapter_ = nullptr;
    int layoutIndex_;
    std::unique_ptr<wave::Environment> environment_;
    std::vector<std::unique_ptr<Channel>> channels_;
    BypassProcessor bypass_;

    // Read by the display exchange on the main thread while the audio thread writes them.
    std::atomic<float> tempo_{120.0f};
    float previousPosition_ = 0.0f;
    bool wasPlaying_ = false;
    bool transportChanged_ = false;
    int lastController_ = -1;
    int samplesSinceTransport_ = 0;
    double freePosition_ = 0.0;
    std::atomic<int64_t> transportHistory_[4] = {-1, -1, -1, -1};
    std::atomic<int> samplesSinceDisplay_{kDisplayCounterLimit};
    static constexpr int kDisplayCounterLimit = 12288000;

    int midiStateParameter_ = -1;
    int midiState_ = 0;
    LockFreeQueue<MidiMessage> midiInput_{1024, 65536};
    LockFreeQueue<ParameterChange> parameterChanges_{8192, 65536};
    std::atomic<int> batchDepth_{0};
    uint32_t* processBlock_ = nullptr; // the process-wide shared block; word 0 counts calls

    const float* const* callInputs_ = nullptr;
    int callInputCount_ = 0;
};
