// Driving one plug-in instance: lifecycle, process calls and the extension wrappers.
#include "tools/claphost/PluginInstance.h"

#include "tools/claphost/ByteStreams.h"

#include <algorithm>

namespace claphost {
namespace {

bool sameBuffer(const clap_audio_buffer_t& a, const clap_audio_buffer_t& b, bool compareMask) {
    return a.data32 == b.data32 && a.data64 == b.data64 && a.channel_count == b.channel_count &&
           a.latency == b.latency && (!compareMask || a.constant_mask == b.constant_mask);
}

bool sameProcess(const clap_process_t& a, const clap_process_t& b) {
    return a.steady_time == b.steady_time && a.frames_count == b.frames_count && a.transport == b.transport &&
           a.audio_inputs == b.audio_inputs && a.audio_outputs == b.audio_outputs &&
           a.audio_inputs_count == b.audio_inputs_count && a.audio_outputs_count == b.audio_outputs_count &&
           a.in_events == b.in_events && a.out_events == b.out_events;
}

} // namespace

std::unique_ptr<PluginInstance> PluginInstance::create(const PluginModule& module, Host& host,
                                                       const std::string& pluginId, std::string& error) {
    const clap_plugin_factory_t* factory = module.pluginFactory();
    if (!factory || !factory->create_plugin) {
        error = "'" + module.path() + "' has no plug-in factory";
        return nullptr;
    }
    const clap_plugin_t* plugin = factory->create_plugin(factory, host.clapHost(), pluginId.c_str());
    if (!plugin) {
        error = "the factory of '" + module.path() + "' cannot create the plug-in '" + pluginId + "'";
        return nullptr;
    }
    return std::unique_ptr<PluginInstance>(new PluginInstance(module, host, plugin));
}

PluginInstance::PluginInstance(const PluginModule& module, Host& host, const clap_plugin_t* plugin)
    : module_(module), host_(host), plugin_(plugin) {
    host_.bind(plugin_);
}

PluginInstance::~PluginInstance() {
    if (processing_) stopProcessing();
    if (active_) deactivate();
    plugin_->destroy(plugin_);
    host_.unbind();
}

bool PluginInstance::init() {
    return plugin_->init(plugin_);
}

bool PluginInstance::activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames) {
    active_ = plugin_->activate(plugin_, sampleRate, minFrames, maxFrames);
    return active_;
}

void PluginInstance::deactivate() {
    // Hosts may deactivate without stopping first; the plug-in must cope, so so does this wrapper.
    processing_ = false;
    plugin_->deactivate(plugin_);
    active_ = false;
}

bool PluginInstance::startProcessing() {
    host_.enterAudioThread();
    processing_ = plugin_->start_processing(plugin_);
    host_.leaveAudioThread();
    return processing_;
}

void PluginInstance::stopProcessing() {
    host_.enterAudioThread();
    plugin_->stop_processing(plugin_);
    host_.leaveAudioThread();
    processing_ = false;
}

void PluginInstance::reset() {
    host_.enterAudioThread();
    plugin_->reset(plugin_);
    host_.leaveAudioThread();
}

PluginInstance::ProcessResult PluginInstance::process(const ProcessRequest& request) {
    size_t channelTotal = 0;
    for (const AudioBus& bus : request.inputs)
        channelTotal += bus.channels.size();
    for (const AudioBus& bus : request.outputs)
        channelTotal += bus.channels.size();
    // Sized once to the largest call seen, so steady-state calls do not allocate.
    pointers_.resize(channelTotal);
    inputs_.resize(request.inputs.size());
    outputs_.resize(request.outputs.size());

    size_t next = 0;
    auto fill = [&](clap_audio_buffer_t& buffer, const AudioBus& bus) {
        float** first = pointers_.data() + next;
        for (float* channel : bus.channels)
            pointers_[next++] = channel;
        buffer.data32 = bus.channels.empty() ? nullptr : first;
        buffer.data64 = nullptr;
        buffer.channel_count = uint32_t(bus.channels.size());
        buffer.latency = bus.latency;
        buffer.constant_mask = bus.constantMask;
    };
    for (size_t i = 0; i < request.inputs.size(); ++i)
        fill(inputs_[i], request.inputs[i]);
    for (size_t i = 0; i < request.outputs.size(); ++i)
        fill(outputs_[i], request.outputs[i]);

    OutputEventList* out = request.outputEvents;
    if (!out) {
        ownOutputEvents_.clear();
        out = &ownOutputEvents_;
    }
    process_ = clap_process_t{};
    process_.steady_time = request.steadyTime.value_or(framesProcessed_);
    process_.frames_count = request.frameCount;
    process_.transport = request.transport;
    process_.audio_inputs = inputs_.empty() ? nullptr : inputs_.data();
    process_.audio_outputs = outputs_.empty() ? nullptr : outputs_.data();
    process_.audio_inputs_count = uint32_t(inputs_.size());
    process_.audio_outputs_count = uint32_t(outputs_.size());
    process_.in_events = (request.inputEvents ? request.inputEvents : &noEvents_)->clapEvents();
    process_.out_events = out->clapEvents();

    processCopy_ = process_;
    pointersCopy_ = pointers_;
    inputsCopy_ = inputs_;
    outputsCopy_ = outputs_;

    ProcessResult result;
    host_.enterAudioThread();
    result.status = plugin_->process(plugin_, &process_);
    host_.leaveAudioThread();
    result.hostRecordsIntact = recordsIntact();
    framesProcessed_ += request.frameCount;
    return result;
}

bool PluginInstance::recordsIntact() const {
    if (!sameProcess(process_, processCopy_) || pointers_ != pointersCopy_) return false;
    for (size_t i = 0; i < inputs_.size(); ++i)
        if (!sameBuffer(inputs_[i], inputsCopy_[i], true)) return false;
    for (size_t i = 0; i < outputs_.size(); ++i)
        if (!sameBuffer(outputs_[i], outputsCopy_[i], false)) return false;
    return true;
}

uint64_t PluginInstance::outputConstantMask(uint32_t port) const {
    return port < outputs_.size() ? outputs_[port].constant_mask : 0;
}

const void* PluginInstance::extension(const char* id) const {
    return plugin_->get_extension(plugin_, id);
}

uint32_t PluginInstance::audioPortCount(bool isInput) const {
    const auto* ports = extension<clap_plugin_audio_ports_t>(CLAP_EXT_AUDIO_PORTS);
    return ports ? ports->count(plugin_, isInput) : 0;
}

std::optional<clap_audio_port_info_t> PluginInstance::audioPortInfo(uint32_t index, bool isInput) const {
    const auto* ports = extension<clap_plugin_audio_ports_t>(CLAP_EXT_AUDIO_PORTS);
    clap_audio_port_info_t info{};
    if (!ports || !ports->get(plugin_, index, isInput, &info)) return std::nullopt;
    return info;
}

uint32_t PluginInstance::audioPortsConfigCount() const {
    const auto* configs = extension<clap_plugin_audio_ports_config_t>(CLAP_EXT_AUDIO_PORTS_CONFIG);
    return configs ? configs->count(plugin_) : 0;
}

std::optional<clap_audio_ports_config_t> PluginInstance::audioPortsConfig(uint32_t index) const {
    const auto* configs = extension<clap_plugin_audio_ports_config_t>(CLAP_EXT_AUDIO_PORTS_CONFIG);
    clap_audio_ports_config_t config{};
    if (!configs || !configs->get(plugin_, index, &config)) return std::nullopt;
    return config;
}

bool PluginInstance::selectAudioPortsConfig(clap_id configId) {
    const auto* configs = extension<clap_plugin_audio_ports_config_t>(CLAP_EXT_AUDIO_PORTS_CONFIG);
    return configs && configs->select(plugin_, configId);
}

uint32_t PluginInstance::notePortCount(bool isInput) const {
    const auto* ports = extension<clap_plugin_note_ports_t>(CLAP_EXT_NOTE_PORTS);
    return ports ? ports->count(plugin_, isInput) : 0;
}

std::optional<clap_note_port_info_t> PluginInstance::notePortInfo(uint32_t index, bool isInput) const {
    const auto* ports = extension<clap_plugin_note_ports_t>(CLAP_EXT_NOTE_PORTS);
    clap_note_port_info_t info{};
    if (!ports || !ports->get(plugin_, index, isInput, &info)) return std::nullopt;
    return info;
}

uint32_t PluginInstance::paramCount() const {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    return params ? params->count(plugin_) : 0;
}

std::optional<clap_param_info_t> PluginInstance::paramInfo(uint32_t index) const {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    clap_param_info_t info{};
    if (!params || !params->get_info(plugin_, index, &info)) return std::nullopt;
    return info;
}

std::optional<double> PluginInstance::paramValue(clap_id paramId) const {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    double value = 0.0;
    if (!params || !params->get_value(plugin_, paramId, &value)) return std::nullopt;
    return value;
}

std::optional<std::string> PluginInstance::valueToText(clap_id paramId, double value,
                                                       uint32_t capacity) const {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    if (!params || capacity == 0) return std::nullopt;
    std::vector<char> buffer(capacity, '\0');
    if (!params->value_to_text(plugin_, paramId, value, buffer.data(), capacity)) return std::nullopt;
    // A plug-in that fills the whole buffer without a terminator still gets a bounded read.
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
}

std::optional<double> PluginInstance::textToValue(clap_id paramId, const std::string& text) const {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    double value = 0.0;
    if (!params || !params->text_to_value(plugin_, paramId, text.c_str(), &value)) return std::nullopt;
    return value;
}

bool PluginInstance::flushParams(const InputEventList& in, OutputEventList& out) {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    if (!params) return false;
    if (processing_) host_.enterAudioThread();
    params->flush(plugin_, in.clapEvents(), out.clapEvents());
    if (processing_) host_.leaveAudioThread();
    return true;
}

std::optional<uint32_t> PluginInstance::latency() const {
    const auto* latency = extension<clap_plugin_latency_t>(CLAP_EXT_LATENCY);
    if (!latency) return std::nullopt;
    return latency->get(plugin_);
}

std::optional<uint32_t> PluginInstance::tail() const {
    const auto* tail = extension<clap_plugin_tail_t>(CLAP_EXT_TAIL);
    if (!tail) return std::nullopt;
    return tail->get(plugin_);
}

std::optional<std::vector<uint8_t>> PluginInstance::saveState(uint64_t maxBytesPerCall) const {
    const auto* state = extension<clap_plugin_state_t>(CLAP_EXT_STATE);
    if (!state) return std::nullopt;
    OutputByteStream stream(maxBytesPerCall);
    if (!state->save(plugin_, stream.clapStream())) return std::nullopt;
    return stream.bytes();
}

bool PluginInstance::loadState(std::span<const uint8_t> bytes, uint64_t maxBytesPerCall) {
    const auto* state = extension<clap_plugin_state_t>(CLAP_EXT_STATE);
    if (!state) return false;
    InputByteStream stream(bytes, maxBytesPerCall);
    return state->load(plugin_, stream.clapStream());
}

} // namespace claphost
