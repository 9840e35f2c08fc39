#include "clap/ClapPluginAdapter.h"

#include "clap/ClapExtensions.h"
#include "persistence/BinaryMemoryReader.h"
#include "persistence/BinaryMemoryWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr float kRateTolerance = 1.1920929e-7f;
// The smallest zero buffer: hosts that announce a tiny maximum still get whole sub-blocks.
constexpr uint32_t kMinimumZeroFrames = 1024;

ClapPluginAdapter* self(const clap_plugin_t* plugin) { return ClapPluginAdapter::from(plugin); }

bool clapInit(const clap_plugin_t* plugin) { return self(plugin)->init(); }
void clapDestroy(const clap_plugin_t* plugin) { delete self(plugin); }
bool clapActivate(const clap_plugin_t* plugin, double rate, uint32_t minFrames, uint32_t maxFrames) {
    return self(plugin)->activate(rate, minFrames, maxFrames);
}
void clapDeactivate(const clap_plugin_t* plugin) { self(plugin)->deactivate(); }
bool clapStartProcessing(const clap_plugin_t* plugin) { return self(plugin)->startProcessing(); }
void clapStopProcessing(const clap_plugin_t* plugin) { self(plugin)->stopProcessing(); }
void clapReset(const clap_plugin_t* plugin) { self(plugin)->reset(); }
clap_process_status clapProcess(const clap_plugin_t* plugin, const clap_process_t* process) {
    return self(plugin)->process(process);
}
const void* clapGetExtension(const clap_plugin_t* plugin, const char* id) { return self(plugin)->extension(id); }
void clapOnMainThread(const clap_plugin_t* plugin) { self(plugin)->onMainThread(); }

clap_event_param_value_t makeParamValueEvent(int index, double value) {
    clap_event_param_value_t event;
    std::memset(&event, 0, sizeof event);
    event.header.size = sizeof(clap_event_param_value_t);
    event.header.type = CLAP_EVENT_PARAM_VALUE;
    event.param_id = static_cast<clap_id>(index);
    event.note_id = -1;
    event.port_index = -1;
    event.channel = -1;
    event.key = -1;
    event.value = value;
    return event;
}

uint8_t velocityByte(double velocity, bool noteOn) {
    // Hosts send velocities in 0..1; anything else, NaN included, is clamped before the conversion.
    double scaled = std::isfinite(velocity) ? std::clamp(velocity, 0.0, 1.0) * 127.0 : 0.0;
    if (noteOn) scaled = std::max(scaled, 1.0);
    return static_cast<uint8_t>(scaled);
}

} // namespace

ClapPluginAdapter::ClapPluginAdapter(const clap_host_t* host, const clap_plugin_descriptor_t* descriptor,
                                     const PluginInstanceFactory& factory)
    : UnifiedPluginAdapter(factory),
      host_(host),
      outgoing_(kOutgoingInitialNodes, kOutgoingMaximumNodes) {
    plugin_.desc = descriptor;
    plugin_.plugin_data = this;
    plugin_.init = clapInit;
    plugin_.destroy = clapDestroy;
    plugin_.activate = clapActivate;
    plugin_.deactivate = clapDeactivate;
    plugin_.start_processing = clapStartProcessing;
    plugin_.stop_processing = clapStopProcessing;
    plugin_.reset = clapReset;
    plugin_.process = clapProcess;
    plugin_.get_extension = clapGetExtension;
    plugin_.on_main_thread = clapOnMainThread;
}

ClapPluginAdapter::~ClapPluginAdapter() {
    if (hostTimers_ && timerId_ != CLAP_INVALID_ID && hostTimers_->unregister_timer)
        hostTimers_->unregister_timer(host_, timerId_);
    destroyHalves();
}

ClapPluginAdapter* ClapPluginAdapter::from(const clap_plugin_t* plugin) {
    return static_cast<ClapPluginAdapter*>(plugin->plugin_data);
}

bool ClapPluginAdapter::init() {
    if (initialised_) return true;
    createHalves();
    buildPortDescriptions();
    queryHostExtensions();
    model_->setMainThreadWakeHandler([this] {
        if (host_ && host_->request_callback) host_->request_callback(host_);
    });
    initialised_ = true;
    return true;
}

void ClapPluginAdapter::queryHostExtensions() {
    hostThreadCheck_ = hostExtension<clap_host_thread_check_t>(CLAP_EXT_THREAD_CHECK);
    hostContextMenu_ = hostExtension<void>(CLAP_EXT_CONTEXT_MENU);
    hostParams_ = hostExtension<clap_host_params_t>(CLAP_EXT_PARAMS);
    hostState_ = hostExtension<clap_host_state_t>(CLAP_EXT_STATE);
    hostLatency_ = hostExtension<clap_host_latency_t>(CLAP_EXT_LATENCY);
    hostTrackInfo_ = hostExtension<void>(CLAP_EXT_TRACK_INFO);
    hostPresetLoad_ = hostExtension<void>(CLAP_EXT_PRESET_LOAD);
    if (model_->hasEditor()) hostGui_ = hostExtension<void>(CLAP_EXT_GUI);
    // Some hosts never call on_main_thread: a timer delivers main-thread work as well.
    hostTimers_ = hostExtension<clap_host_timer_support_t>(CLAP_EXT_TIMER_SUPPORT);
    if (hostTimers_ && hostTimers_->register_timer &&
        !hostTimers_->register_timer(host_, kMainThreadTimerMs, &timerId_))
        timerId_ = CLAP_INVALID_ID;
}

void ClapPluginAdapter::buildPortDescriptions() {
    inputPorts_.clear();
    totalInputChannels_ = 0;
    tailSamples_ = processor_->tailSamples();
    const auto& layout = processor_->layout();
    channelsPerPort_ = layout.channelCount;
    inputPorts_.push_back({"Main In", 0, CLAP_AUDIO_PORT_IS_MAIN, uint32_t(layout.channelCount), layout.portType});
    totalInputChannels_ += layout.channelCount;
    inputPorts_.push_back({"Sidechain In", 1, 0, uint32_t(layout.channelCount), layout.portType});
    totalInputChannels_ += layout.channelCount;
}

bool ClapPluginAdapter::activate(double sampleRate, uint32_t /*minFrames*/, uint32_t maxFrames) {
    if (!initialised_) return false;
    float rate = static_cast<float>(sampleRate);
    if (!std::isfinite(rate) || rate <= 0.0f) rate = model_->sampleRate();
    if (std::fabs(rate - model_->sampleRate()) > kRateTolerance) model_->sampleRateChanged(rate);
    processor_->environment().setSampleRate(rate);
    zeroBuffer_.assign(std::max(maxFrames, kMinimumZeroFrames), 0.0f);
    active_ = true;
    return true;
}

void ClapPluginAdapter::deactivate() { active_ = false; }

bool ClapPluginAdapter::startProcessing() {
    processor_->reset();
    processing_ = true;
    return true;
}

void ClapPluginAdapter::stopProcessing() { processing_ = false; }

void ClapPluginAdapter::reset() { processor_->reset(); }

clap_process_status ClapPluginAdapter::process(const clap_process_t* process) {
    if (!process) return CLAP_PROCESS_CONTINUE;
    const uint32_t frames = process->frames_count;
    if (!active_) {
        // A host calling too early still gets every output sample written.
        for (uint32_t b = 0; process->audio_outputs && b < process->audio_outputs_count; ++b)
            for (uint32_t c = 0; process->audio_outputs[b].data32 && c < process->audio_outputs[b].channel_count; ++c)
                if (process->audio_outputs[b].data32[c]) std::fill_n(process->audio_outputs[b].data32[c], frames, 0.0f);
        return CLAP_PROCESS_CONTINUE;
    }

    // Inputs: Main In then Sidechain In; whatever the host does not give reads from the zero buffer.
    const float* inputs[kMaxInputChannels];
    float* outputs[kMaxOutputChannels];
    const int inputCount = std::min(processor_->inputCount(), kMaxInputChannels);
    bool inputSilent = true;
    bool usesZeroBuffer = false;
    for (int slot = 0; slot < inputCount; ++slot) inputs[slot] = nullptr;
    for (size_t port = 0; port < inputPorts_.size(); ++port) {
        if (!process->audio_inputs || port >= process->audio_inputs_count) break;
        const clap_audio_buffer_t& buffer = process->audio_inputs[port];
        const uint32_t channels = std::min(buffer.channel_count, inputPorts_[port].channelCount);
        for (uint32_t i = 0; i < channels && buffer.data32; ++i) {
            const int slot = int(port) * channelsPerPort_ + int(i);
            if (slot >= inputCount || !buffer.data32[i]) continue;
            inputs[slot] = buffer.data32[i];
            const bool constant = i < 64 && (buffer.constant_mask & (uint64_t(1) << i));
            if (!constant || (frames > 0 && inputs[slot][0] != 0.0f)) inputSilent = false;
        }
    }
    for (int slot = 0; slot < inputCount; ++slot)
        if (!inputs[slot]) {
            inputs[slot] = zeroBuffer_.data();
            usesZeroBuffer = true;
        }

    int outputCount = 0;
    clap_audio_buffer_t* outputBuffer =
        (process->audio_outputs && process->audio_outputs_count > 0) ? &process->audio_outputs[0] : nullptr;
    if (outputBuffer && outputBuffer->data32) {
        const int hostChannels = int(std::min<uint32_t>(outputBuffer->channel_count, kMaxOutputChannels));
        outputCount = std::min(hostChannels, processor_->outputCount());
        for (int c = 0; c < outputCount; ++c) outputs[c] = outputBuffer->data32[c];
        for (int c = 0; c < outputCount; ++c)
            if (!outputs[c]) outputCount = c; // a missing channel pointer ends the usable channels
        // Channels the processor does not feed still get every sample written.
        for (uint32_t c = uint32_t(outputCount); c < outputBuffer->channel_count; ++c)
            if (outputBuffer->data32[c]) std::fill_n(outputBuffer->data32[c], frames, 0.0f);
    }
    // With no output buffer the processor still runs, so its state follows the host's timeline.
    float* const* outputArray = outputs;

    // Transport.
    float tempo = 120.0f;
    float beats = 0.0f;
    bool playing = false;
    if (const clap_event_transport_t* transport = process->transport) {
        if (transport->flags & CLAP_TRANSPORT_HAS_TEMPO) tempo = static_cast<float>(transport->tempo);
        if (transport->flags & CLAP_TRANSPORT_HAS_BEATS_TIMELINE)
            beats = static_cast<float>(double(transport->song_pos_beats) / double(CLAP_BEATTIME_FACTOR));
        playing = (transport->flags & CLAP_TRANSPORT_IS_PLAYING) != 0;
    }
    processor_->setTransport(tempo, beats, process->steady_time, playing);

    // Sub-blocks end at parameter changes, and never run past the zero buffer when it is in use.
    const uint32_t zeroLimit = usesZeroBuffer ? uint32_t(zeroBuffer_.size()) : frames;
    subBlockStart_ = 0;
    eventReadIndex_ = 0;
    uint32_t silentStatus = GenericPluginProcessor::kOutputSilent;
    uint32_t start = 0;
    while (start < frames || (start == 0 && frames == 0)) {
        subBlockStart_ = start;
        uint32_t end = translateEvents(process->in_events, frames);
        end = std::min(end, start + zeroLimit);
        uint32_t status = inputSilent ? GenericPluginProcessor::kInputSilent : 0;
        const float* pieceInputs[kMaxInputChannels];
        float* pieceOutputs[kMaxOutputChannels];
        for (int slot = 0; slot < inputCount; ++slot)
            pieceInputs[slot] = inputs[slot] == zeroBuffer_.data() ? inputs[slot] : inputs[slot] + start;
        for (int c = 0; c < outputCount; ++c) pieceOutputs[c] = outputArray[c] + start;
        processor_->process(pieceInputs, inputCount, pieceOutputs, outputCount, int(end - start), status);
        silentStatus &= status;
        if (frames == 0) break;
        start = end;
    }

    if (outputBuffer && outputBuffer->channel_count == uint32_t(processor_->outputCount()))
        outputBuffer->constant_mask = (silentStatus & GenericPluginProcessor::kOutputSilent) ? 0xFFFFFFFFull : 0;

    drainOutgoing(process->out_events);
    return CLAP_PROCESS_CONTINUE;
}

uint32_t ClapPluginAdapter::translateEvents(const clap_input_events_t* events, uint32_t blockEnd) {
    if (!events || !events->size || !events->get) return blockEnd;
    const uint32_t count = events->size(events);
    for (; eventReadIndex_ < count; ++eventReadIndex_) {
        const clap_event_header_t* header = events->get(events, eventReadIndex_);
        if (!header || header->space_id != CLAP_CORE_EVENT_SPACE_ID) continue;
        const uint32_t time = header->time;
        const int32_t offset = int32_t(int64_t(time) - int64_t(subBlockStart_));
        switch (header->type) {
        case CLAP_EVENT_MIDI:
            if (header->size >= sizeof(clap_event_midi_t)) {
                const auto* midi = reinterpret_cast<const clap_event_midi_t*>(header);
                routeMidi(MidiMessage{midi->data[0], midi->data[1], midi->data[2], 0, offset});
            }
            break;
        case CLAP_EVENT_NOTE_ON:
        case CLAP_EVENT_NOTE_OFF:
            if (header->size >= sizeof(clap_event_note_t)) {
                const auto* note = reinterpret_cast<const clap_event_note_t*>(header);
                if (note->key < 0 || note->key > 127) break; // wildcard keys have no MIDI form
                const bool on = header->type == CLAP_EVENT_NOTE_ON;
                routeMidi(MidiMessage{uint8_t((on ? 0x90 : 0x80) | (note->channel & 15)), uint8_t(note->key),
                                      velocityByte(note->velocity, on), 0, offset});
            }
            break;
        case CLAP_EVENT_PARAM_VALUE:
            if (header->size >= sizeof(clap_event_param_value_t)) {
                if (time == subBlockStart_) {
                    const auto* value = reinterpret_cast<const clap_event_param_value_t*>(header);
                    applyHostValue(value->param_id, value->value);
                } else if (time > subBlockStart_) {
                    return std::min(time, blockEnd);
                }
            }
            break;
        default: break;
        }
    }
    return blockEnd;
}

void ClapPluginAdapter::routeMidi(const MidiMessage& message) {
    if (processor_->receivesMidi()) processor_->pushMidi(message);
}

void ClapPluginAdapter::applyHostValue(clap_id id, double value) {
    if (id >= uint32_t(model_->parameterCount()) || !std::isfinite(value)) return;
    const int index = int(id);
    model_->setParameterValue(index, static_cast<float>(value), 1);
    processor_->setParameterValue(index, static_cast<float>(value), 1);
}

void ClapPluginAdapter::flush(const clap_input_events_t* in, const clap_output_events_t* out) {
    eventReadIndex_ = 0;
    subBlockStart_ = 0;
    translateEvents(in, 0);
    drainOutgoing(out);
}

void ClapPluginAdapter::pushOutgoing(const clap_event_param_value_t& event) { outgoing_.push(event); }

void ClapPluginAdapter::pushGesture(uint16_t type, int index) {
    clap_event_param_value_t slot;
    std::memset(&slot, 0, sizeof slot);
    slot.header.size = sizeof(clap_event_param_gesture_t);
    slot.header.type = type;
    slot.param_id = static_cast<clap_id>(index);
    pushOutgoing(slot);
}

void ClapPluginAdapter::drainOutgoing(const clap_output_events_t* out) {
    // Without an output list the edits wait for the next call that has one.
    if (!out || !out->try_push) return;
    clap_event_param_value_t event;
    while (outgoing_.pop(event)) out->try_push(out, &event.header);
}

void ClapPluginAdapter::requestFlush() const {
    if (hostParams_ && hostParams_->request_flush) hostParams_->request_flush(host_);
}

void ClapPluginAdapter::performEdit(int index, float value) {
    if (index < 0 || index >= model_->parameterCount()) return;
    model_->setParameterValue(index, value, 1);
    processor_->setParameterValue(index, value, 1);
    pushOutgoing(makeParamValueEvent(index, value));
}

void ClapPluginAdapter::updateControllerMap() {}

void ClapPluginAdapter::beginEdit(int index) {
    pushGesture(CLAP_EVENT_PARAM_GESTURE_BEGIN, index);
    requestFlush();
}

void ClapPluginAdapter::endEdit(int index) {
    pushGesture(CLAP_EVENT_PARAM_GESTURE_END, index);
    requestFlush();
}

void ClapPluginAdapter::sendMidiToProcessor(const MidiMessage& message) {
    std::lock_guard<std::recursive_mutex> guard(adapterLock_);
    routeMidi(message);
}

void ClapPluginAdapter::parametersChanged(int index) {
    if (!hostParams_) return;
    {
        std::lock_guard<std::recursive_mutex> guard(adapterLock_);
        if (index < 0) {
            copyParametersToProcessor(index);
            if (hostParams_->rescan) hostParams_->rescan(host_, CLAP_PARAM_RESCAN_VALUES);
        } else {
            performEdit(index, model_->parameterValue(index));
        }
    }
    requestFlush();
}

void ClapPluginAdapter::presetChanged(int flag) {
    if (flag == 0 && hostParams_) requestFlush();
    if (hostState_ && hostState_->mark_dirty) hostState_->mark_dirty(host_);
}

void ClapPluginAdapter::exchangeDisplayData() {
    std::lock_guard<std::recursive_mutex> guard(adapterLock_);
    exchange_.clear();
    BinaryMemoryWriter writer(exchange_);
    processor_->writeDisplayData(writer);
    BinaryMemoryReader reader(exchange_);
    model_->receiveDisplayData(reader);
}

void ClapPluginAdapter::programChange(int bank, int program) {
    model_->postToMainThread(GenericPlugin::ProgramChangeEvent, int64_t(bank) * 256 + program);
}

void ClapPluginAdapter::controllerActivity(int number) {
    model_->postToMainThread(GenericPlugin::ControllerActivityEvent, number);
}

void ClapPluginAdapter::processorParameterChanged(int index) {
    performEdit(index, processor_->parameterValue(index));
}

const void* ClapPluginAdapter::extension(const char* id) const { return ClapExtensions::find(id, *this); }

void ClapPluginAdapter::onMainThread() {
    if (model_) model_->dispatchMainThreadEvents();
}

void ClapPluginAdapter::onTimer(clap_id timerId) {
    if (timerId == timerId_ && model_) model_->dispatchMainThreadEvents();
}

bool ClapPluginAdapter::selectLayout(clap_id configId) {
    if (configId >= uint32_t(GenericPluginProcessor::kLayoutCount)) return false;
    if (active_) return false; // hosts may only change ports while the plug-in is inactive
    if (int(configId) != model_->channelLayout()) {
        const float rate = model_->sampleRate();
        replaceProcessor(int(configId));
        processor_->environment().setSampleRate(rate);
    }
    buildPortDescriptions();
    return true;
}
