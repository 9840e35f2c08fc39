// One ClapPluginAdapter per plug-in instance a host creates: the CLAP plug-in record the host talks to.
// It turns CLAP calls into calls on the model and the processor, translates host events in time order,
// splits host blocks at parameter changes, and returns edits to the host through a lock-free queue.
#pragma once

#include "clap/abi/Extensions.h"
#include "core/LockFreeQueue.h"
#include "core/UnifiedPluginAdapter.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

class ClapPluginAdapter : public UnifiedPluginAdapter {
public:
    static constexpr int kMaxInputChannels = 32;
    static constexpr int kMaxOutputChannels = 16;
    static constexpr int kOutgoingInitialNodes = 1024;
    static constexpr int kOutgoingMaximumNodes = 65536;
    // How often the host timer delivers main-thread events.
    static constexpr uint32_t kMainThreadTimerMs = 20;

    // Main thread (the factory's create_plugin).
    ClapPluginAdapter(const clap_host_t* host, const clap_plugin_descriptor_t* descriptor,
                      const PluginInstanceFactory& factory);
    ~ClapPluginAdapter() override;

    const clap_plugin_t* clapPlugin() const { return &plugin_; }
    static ClapPluginAdapter* from(const clap_plugin_t* plugin);

    // GenericPlugin::Adapter
    void performEdit(int index, float value) override;
    void updateControllerMap() override;
    void endEdit(int index) override;
    void sendMidiToProcessor(const MidiMessage& message) override;
    void parametersChanged(int index) override;
    void presetChanged(int flag) override;
    void exchangeDisplayData() override;
    void beginEdit(int index) override;

    // GenericPluginProcessor::ProcessorAdapter
    void programChange(int bank, int program) override;
    void controllerActivity(int number) override;
    void processorParameterChanged(int index) override;

    // CLAP plug-in functions.
    bool init();
    bool activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
    void deactivate();
    bool startProcessing();
    void stopProcessing();
    void reset();
    clap_process_status process(const clap_process_t* process);
    const void* extension(const char* id) const;
    void onMainThread();

    // Extension support used by the extension tables.
    struct PortDescription {
        const char* name;
        clap_id id;
        uint32_t flags;
        uint32_t channelCount;
        const char* portType;
    };
    const std::vector<PortDescription>& inputPorts() const { return inputPorts_; }
    bool selectLayout(clap_id configId);
    void flush(const clap_input_events_t* in, const clap_output_events_t* out);
    int tailSamples() const { return tailSamples_; }
    void onTimer(clap_id timerId);

private:
    void queryHostExtensions();
    void buildPortDescriptions();
    // Translates input events from the read index on; answers the end of the next sub-block.
    uint32_t translateEvents(const clap_input_events_t* events, uint32_t blockEnd);
    void routeMidi(const MidiMessage& message);
    void applyHostValue(clap_id id, double value);
    void pushOutgoing(const clap_event_param_value_t& event);
    void pushGesture(uint16_t type, int index);
    void drainOutgoing(const clap_output_events_t* out);
    void requestFlush() const;

    template <typename T> const T* hostExtension(const char* id) const {
        if (!host_ || !host_->get_extension) return nullptr;
        return static_cast<const T*>(host_->get_extension(host_, id));
    }

    clap_plugin_t plugin_{};
    const clap_host_t* host_;
    const clap_host_params_t* hostParams_ = nullptr;
    const clap_host_thread_check_t* hostThreadCheck_ = nullptr;
    const clap_host_state_t* hostState_ = nullptr;
    const clap_host_latency_t* hostLatency_ = nullptr;
    const void* hostGui_ = nullptr;
    const void* hostTrackInfo_ = nullptr;
    const void* hostContextMenu_ = nullptr;
    const void* hostPresetLoad_ = nullptr;
    const clap_host_timer_support_t* hostTimers_ = nullptr;
    clap_id timerId_ = CLAP_INVALID_ID;

    std::vector<PortDescription> inputPorts_;
    int totalInputChannels_ = 0;
    int channelsPerPort_ = 0;
    bool active_ = false;
    bool processing_ = false;
    bool initialised_ = false;
    int tailSamples_ = -1;
    std::vector<float> zeroBuffer_;
    uint32_t eventReadIndex_ = 0;
    uint32_t subBlockStart_ = 0;
    LockFreeQueue<clap_event_param_value_t> outgoing_;
    std::vector<uint8_t> exchange_; // reused by every display-data exchange
};
