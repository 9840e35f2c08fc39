// The main-thread half of a plug-in instance: the model that the editor edits and the host automates.
// It owns its own copy of every parameter, the sample rate and channel layout the host chose, and the
// deferral of events from other threads to the main thread.
#pragma once

#include "core/GenericPluginBase.h"
#include "midi/MidiMessage.h"

#include <cstdint>
#include <functional>
#include <memory>

class AsyncEventQueue;

class GenericPlugin : public GenericPluginBase {
public:
    // The model's link to the plug-in shell.
    class Adapter {
    public:
        virtual ~Adapter() = default;
        // Main thread (audio thread for changes the processor made): the user changed a parameter.
        virtual void performEdit(int index, float value) = 0;
        // Main thread: the shared MIDI controller map changed.
        virtual void updateControllerMap() = 0;
        // Main thread: a control gesture ended.
        virtual void endEdit(int index) = 0;
        // Main thread: hands a MIDI message to the processor as if the host had sent it.
        virtual void sendMidiToProcessor(const MidiMessage& message) = 0;
        // Main thread: index >= 0 one parameter; -1 all values, -2 all with a jump, -3 all with a reset.
        virtual void parametersChanged(int index) = 0;
        // Main thread: flag 0 a preset was loaded; any flag marks the host's project dirty.
        virtual void presetChanged(int flag) = 0;
        // Main thread: the display-data exchange with the processor.
        virtual void exchangeDisplayData() = 0;
        // Main thread: a control gesture began.
        virtual void beginEdit(int index) = 0;
    };

    // Kinds of events posted to the main thread.
    enum MainThreadEvent : int32_t { ProgramChangeEvent = 1, ParameterChangedEvent = 2 };

    explicit GenericPlugin(const GenericPluginInfo& info);
    ~GenericPlugin() override;

    // Main thread.
    void setAdapter(Adapter* adapter) { adapter_ = adapter; }
    Adapter* adapter() const { return adapter_; }
    float sampleRate() const { return sampleRate_; }
    virtual void sampleRateChanged(float rate) { sampleRate_ = rate; }
    virtual void processorReady() {}
    virtual bool hasEditor() const { return false; }
    int channelLayout() const { return channelLayout_; }
    virtual void setChannelLayout(int index) { channelLayout_ = index; }
    int latencySamples() const { return 0; }

    // Any thread: queues an event for the main thread.
    void postToMainThread(int32_t kind, int64_t value);
    // Main thread: delivers the queued events. Hosts drive it through their timer and callback, since
    // some never honour one of the two.
    void dispatchMainThreadEvents();
    // Setup: called (from any thread) whenever an event was posted, so the shell can ask for a callback.
    void setMainThreadWakeHandler(std::function<void()> handler);

protected:
    // Main thread: one deferred event.
    virtual void mainThreadEvent(int32_t kind, int64_t value);

private:
    void onAsyncEvent(int32_t kind, int64_t value);

    Adapter* adapter_ = nullptr;
    float sampleRate_ = 44100.0f;
    int channelLayout_ = 1;
    std::unique_ptr<AsyncEventQueue> eventQueue_;
};
