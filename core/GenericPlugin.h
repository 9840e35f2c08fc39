// The main-thread half of a plug-in instance: the model that the editor edits and the host automates.
// It owns its own copy of every parameter, reports changes made inside the plug-in to the shell (which
// passes them to the processor and the host), gathers changes of a batch into one report, notifies its
// listener (the editor), defers events from other threads to the main thread, and keeps the display data
// the processor hands over.
#pragma once

#include "core/GenericPluginBase.h"
#include "midi/MidiMessage.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>

class AsyncEventQueue;
class BinaryDataReader;
class BinaryDataWriter;
class ILock;
class IntervalTimer;

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

    // The one listener of the model: the editor, while it is open.
    class Listener {
    public:
        virtual ~Listener() = default;
        // Main thread (parameter changes from host automation may arrive on the audio thread).
        virtual void modelNotification(int code, intptr_t value) = 0;
        // Held while the model reads display data; null when the listener needs no lock.
        virtual ILock* displayLock() { return nullptr; }
    };

    // Notification codes sent to the listener.
    enum Notification : int {
        ParameterChangedNotification = -1025, // the id, or -1 after a batch
        PresetChangedNotification = -1026,
        ControllerActivityNotification = -1027, // the last controller number
        InstanceDataChangedNotification = -1028,
        ControllerMapChangedNotification = -1029,
        LayoutChangedNotification = -1030,
        InstanceNameChangedNotification = -1031,
        SettingsChangedNotification = -1032,
    };

    // Kinds of events posted to the main thread.
    enum MainThreadEvent : int32_t {
        ProgramChangeEvent = 1,      // bank × 256 + program
        ParameterChangedEvent = 2,   // the id
        ControllerActivityEvent = 3, // the controller number
    };

    // What was loaded last, as the editor shows it.
    struct PresetRecord {
        std::string name;
        std::string path;
    };

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
    void setChannelLayout(int index);
    int latencySamples() const { return 0; }
    const PresetRecord& presetRecord() const { return preset_; }
    // Any thread: whether a parameter changed since the preset was loaded.
    bool presetModified() const { return presetModified_.load(); }
    int modificationCount() const { return modificationCount_.load(); }

    // Batches (any thread): changes inside are reported once, when the outermost batch closes.
    void beginParameterBatch() override { ++batchDepth_; }
    void endParameterBatch() override;
    // The report at the end of the current batch also asks the processor to jump (or reset).
    void requestParameterJump();
    void requestReset();
    // Called by a parameter after it accepted a value (main thread, or the audio thread for host automation).
    void parameterChanged(int id, float value, int flags) override;
    // Product hook: linked parameters follow a change.
    virtual void linkChanged(int id) { (void)id; }

    // Main thread: attach or detach the listener; detaching waits for a notification in progress.
    void setListener(Listener* listener);
    void notifyListener(int code, intptr_t value);

    // Any thread: queues an event for the main thread.
    void postToMainThread(int32_t kind, int64_t value);
    // Main thread: delivers the queued events. Hosts drive it through their timer and callback, since
    // some never honour one of the two.
    void dispatchMainThreadEvents();
    // Setup (main thread): called from any thread whenever an event was posted, so the shell can ask
    // for a callback.
    void setMainThreadWakeHandler(std::function<void()> handler);

    // Display data: the model's side of the exchange (main thread, under the adapter lock).
    virtual void readDisplayData(BinaryDataReader& reader);
    // Main thread, under the adapter lock: reads the display data while the listener's lock is held.
    void receiveDisplayData(BinaryDataReader& reader);
    // Main thread: the caller (the editor) asks for fresh display data, at most every 5 ms.
    void updateDisplayData(Listener* caller);
    float tempo() const { return tempo_; }
    const int64_t* transportHistory() const { return transportHistory_; }

    // Persistence blocks (main thread).
    bool writeParameterSnapshot(BinaryDataWriter& writer) const;
    bool readParameterSnapshot(BinaryDataReader& reader);
    bool writeSettingsBlock(BinaryDataWriter& writer, bool forPreset);
    bool readSettingsBlock(BinaryDataReader& reader);
    std::map<std::string, std::string>& settingsMap() { return settings_; }
    int perTrackIndex() const { return perTrackIndex_; }
    void setPerTrackIndex(int index) { perTrackIndex_ = index; }

protected:
    // Main thread: one deferred event.
    virtual void mainThreadEvent(int32_t kind, int64_t value);
    // Main thread: a parameter snapshot has been applied.
    virtual void parametersReplaced() {}

private:
    class SnapshotTarget;
    class SettingsTarget;

    bool onMainThread() const { return std::this_thread::get_id() == mainThread_; }
    void reportToShell(int index);

    Adapter* adapter_ = nullptr;
    std::atomic<Listener*> listener_{nullptr};
    std::atomic<int> listenerBusy_{0};
    float sampleRate_ = 44100.0f;
    int channelLayout_ = 1;
    std::thread::id mainThread_;

    std::atomic<int> batchDepth_{0};
    std::atomic<int> batchKind_{0}; // 0 none, 1 a change not from the shell, 2 only shell changes
    std::atomic<int> batchScope_{-1};
    std::atomic<int> modificationCount_{0};
    PresetRecord preset_;
    std::atomic<bool> presetModified_{false};
    std::map<std::string, std::string> settings_;
    int perTrackIndex_ = -1;

    float tempo_ = 120.0f;
    int64_t transportHistory_[4] = {-1, -1, -1, -1};
    std::unique_ptr<IntervalTimer> displayTimer_;
    bool displayExchanged_ = false;

    std::unique_ptr<AsyncEventQueue> eventQueue_;
};
