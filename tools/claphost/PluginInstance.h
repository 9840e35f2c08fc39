// One plug-in instance created through a module's plug-in factory and driven as a host drives it: the
// lifecycle calls, process calls with planar 32-bit buffers (the pointer arrays the plug-in sees are the
// instance's own copies, checked after every call), and typed access to the plug-in's extensions. The
// module and the host must outlive the instance; the destructor stops, deactivates and destroys.
// Lifecycle and extension calls belong to the main thread, process and the processing calls to the audio
// thread, as the standard assigns them.
#pragma once

#include "clap/abi/Extensions.h"
#include "tools/claphost/Host.h"
#include "tools/claphost/InputEventList.h"
#include "tools/claphost/OutputEventList.h"
#include "tools/claphost/PluginModule.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace claphost {

class PluginInstance {
public:
    // One audio port's buffer for a process call: planar channels of at least frameCount samples.
    struct AudioBus {
        std::span<float* const> channels;
        uint64_t constantMask = 0;
        uint32_t latency = 0;
    };

    struct ProcessRequest {
        uint32_t frameCount = 0;
        std::span<const AudioBus> inputs;  // main input first, then the side chain; may be empty
        std::span<const AudioBus> outputs; // main output first; may be empty
        const clap_event_transport_t* transport = nullptr;
        const InputEventList* inputEvents = nullptr; // null: an empty list
        OutputEventList* outputEvents = nullptr;     // null: the instance's own list, cleared per call
        std::optional<int64_t> steadyTime;           // default: frames processed so far
    };

    struct ProcessResult {
        clap_process_status status = CLAP_PROCESS_ERROR;
        // False when the plug-in changed what it may only read: the process record, the channel pointer
        // arrays, the input buffer records or any field of the output records but constant_mask.
        bool hostRecordsIntact = true;
    };

    // Creates the plug-in with this id (init is left to the caller); null and a readable error when the
    // factory refuses. Main thread.
    static std::unique_ptr<PluginInstance> create(const PluginModule& module, Host& host,
                                                  const std::string& pluginId, std::string& error);
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    const clap_plugin_t* plugin() const { return plugin_; }
    Host& host() const { return host_; }
    const PluginModule& module() const { return module_; }

    // Lifecycle, main thread.
    bool init();
    bool activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
    void deactivate();
    bool isActive() const { return active_; }

    // Processing, audio thread.
    bool startProcessing();
    void stopProcessing();
    void reset();
    bool isProcessing() const { return processing_; }
    ProcessResult process(const ProcessRequest& request);
    // After a process call: the constant mask the plug-in left on an output buffer (0 past the end).
    uint64_t outputConstantMask(uint32_t port) const;
    // The instance's own output event list, filled by process calls that name no list of their own.
    const OutputEventList& outputEvents() const { return ownOutputEvents_; }

    // The plug-in's extension table, or null. Any thread.
    const void* extension(const char* id) const;
    template <class Table> const Table* extension(const char* id) const {
        return static_cast<const Table*>(extension(id));
    }

    // Audio ports, their configurations and note ports; counts are 0 and records empty without the
    // extension. Main thread.
    uint32_t audioPortCount(bool isInput) const;
    std::optional<clap_audio_port_info_t> audioPortInfo(uint32_t index, bool isInput) const;
    uint32_t audioPortsConfigCount() const;
    std::optional<clap_audio_ports_config_t> audioPortsConfig(uint32_t index) const;
    bool selectAudioPortsConfig(clap_id configId);
    uint32_t notePortCount(bool isInput) const;
    std::optional<clap_note_port_info_t> notePortInfo(uint32_t index, bool isInput) const;

    // Parameters. Main thread; flushParams also on the audio thread while processing.
    uint32_t paramCount() const;
    std::optional<clap_param_info_t> paramInfo(uint32_t index) const;
    std::optional<double> paramValue(clap_id paramId) const;
    std::optional<std::string> valueToText(clap_id paramId, double value, uint32_t capacity = 256) const;
    std::optional<double> textToValue(clap_id paramId, const std::string& text) const;
    // False when the plug-in has no parameters extension.
    bool flushParams(const InputEventList& in, OutputEventList& out);

    // Latency and tail in samples, or nothing without the extension. Main thread.
    std::optional<uint32_t> latency() const;
    std::optional<uint32_t> tail() const;

    // State through streams that move at most maxBytesPerCall bytes per call. Main thread.
    std::optional<std::vector<uint8_t>> saveState(uint64_t maxBytesPerCall = UINT64_MAX) const;
    bool loadState(std::span<const uint8_t> bytes, uint64_t maxBytesPerCall = UINT64_MAX);

private:
    PluginInstance(const PluginModule& module, Host& host, const clap_plugin_t* plugin);

    bool recordsIntact() const;

    const PluginModule& module_;
    Host& host_;
    const clap_plugin_t* plugin_;
    bool active_ = false;
    bool processing_ = false;
    int64_t framesProcessed_ = 0;

    // What the plug-in gets for a process call, and the copies to check it against afterwards.
    clap_process_t process_{};
    clap_process_t processCopy_{};
    std::vector<float*> pointers_, pointersCopy_;
    std::vector<clap_audio_buffer_t> inputs_, inputsCopy_, outputs_, outputsCopy_;
    InputEventList noEvents_;
    OutputEventList ownOutputEvents_;
};

} // namespace claphost
