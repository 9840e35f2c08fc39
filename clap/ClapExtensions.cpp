#include "clap/ClapExtensions.h"

#include "clap/ClapPluginAdapter.h"

#include "parameters/AbstractPluginParameter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

ClapPluginAdapter& self(const clap_plugin_t* plugin) { return *ClapPluginAdapter::from(plugin); }

void copyName(char* destination, size_t capacity, const char* text) {
    std::snprintf(destination, capacity, "%s", text);
}

// Audio ports: "Main In" and "Sidechain In", one "Main Out", all of the current layout's width.
uint32_t audioPortsCount(const clap_plugin_t* plugin, bool isInput) {
    return isInput ? uint32_t(self(plugin).inputPorts().size()) : 1;
}

bool audioPortsGet(const clap_plugin_t* plugin, uint32_t index, bool isInput, clap_audio_port_info_t* info) {
    if (!info) return false;
    const auto& layout = self(plugin).processor()->layout();
    std::memset(info, 0, sizeof *info);
    info->in_place_pair = CLAP_INVALID_ID;
    if (isInput) {
        const auto& ports = self(plugin).inputPorts();
        if (index >= ports.size()) return false;
        const auto& port = ports[index];
        info->id = port.id;
        copyName(info->name, sizeof info->name, port.name);
        info->flags = port.flags;
        info->channel_count = port.channelCount;
        info->port_type = port.portType;
        return true;
    }
    if (index != 0) return false;
    info->id = 0;
    copyName(info->name, sizeof info->name, "Main Out");
    info->flags = CLAP_AUDIO_PORT_IS_MAIN;
    info->channel_count = uint32_t(layout.channelCount);
    info->port_type = layout.portType;
    return true;
}

const clap_plugin_audio_ports_t kAudioPorts = {audioPortsCount, audioPortsGet};

// Configurations: the channel layouts.
uint32_t configCount(const clap_plugin_t*) { return GenericPluginProcessor::kLayoutCount; }

bool configGet(const clap_plugin_t*, uint32_t index, clap_audio_ports_config_t* config) {
    if (!config || index >= uint32_t(GenericPluginProcessor::kLayoutCount)) return false;
    const auto& layout = GenericPluginProcessor::channelLayout(int(index));
    std::memset(config, 0, sizeof *config);
    config->id = index;
    copyName(config->name, sizeof config->name, layout.name);
    config->input_port_count = 2;
    config->output_port_count = 1;
    config->has_main_input = true;
    config->main_input_channel_count = uint32_t(layout.channelCount);
    config->main_input_port_type = layout.portType;
    config->has_main_output = true;
    config->main_output_channel_count = uint32_t(layout.channelCount);
    config->main_output_port_type = layout.portType;
    return true;
}

bool configSelect(const clap_plugin_t* plugin, clap_id id) { return self(plugin).selectLayout(id); }

const clap_plugin_audio_ports_config_t kAudioPortsConfig = {configCount, configGet, configSelect};

// Note ports: one MIDI-preferring input.
uint32_t notePortsCount(const clap_plugin_t*, bool isInput) { return isInput ? 1 : 0; }

bool notePortsGet(const clap_plugin_t*, uint32_t index, bool isInput, clap_note_port_info_t* info) {
    if (!info || !isInput || index != 0) return false;
    std::memset(info, 0, sizeof *info);
    info->id = 0;
    info->supported_dialects = CLAP_NOTE_DIALECT_CLAP | CLAP_NOTE_DIALECT_MIDI;
    info->preferred_dialect = CLAP_NOTE_DIALECT_MIDI;
    copyName(info->name, sizeof info->name, "Note Port");
    return true;
}

const clap_plugin_note_ports_t kNotePorts = {notePortsCount, notePortsGet};

// Parameters: values live in the model.
uint32_t paramsCount(const clap_plugin_t* plugin) { return uint32_t(self(plugin).model()->parameterCount()); }

const AbstractPluginParameter* modelParameter(const clap_plugin_t* plugin, clap_id id) {
    return self(plugin).model()->parameter(int(std::min<clap_id>(id, INT32_MAX)));
}

bool paramsGetInfo(const clap_plugin_t* plugin, uint32_t index, clap_param_info_t* info) {
    const AbstractPluginParameter* p = modelParameter(plugin, index);
    if (!p || !info) return false;
    std::memset(info, 0, sizeof *info);
    info->id = clap_id(p->id());
    info->flags = (p->isAutomatable() ? uint32_t(CLAP_PARAM_IS_AUTOMATABLE) : 0u) |
                  (p->isStepped() ? uint32_t(CLAP_PARAM_IS_STEPPED) : 0u);
    info->cookie = nullptr;
    copyName(info->name, sizeof info->name, p->name().c_str());
    copyName(info->module, sizeof info->module, self(plugin).model()->modulePath(int(index)).c_str());
    info->min_value = p->minimum();
    info->max_value = p->maximum();
    info->default_value = p->defaultValue();
    return true;
}

bool paramsGetValue(const clap_plugin_t* plugin, clap_id id, double* value) {
    GenericPlugin* model = self(plugin).model();
    if (!value || id >= uint32_t(model->parameterCount())) return false;
    *value = model->parameterValue(int(id));
    return true;
}

bool paramsValueToText(const clap_plugin_t* plugin, clap_id id, double value, char* buffer, uint32_t size) {
    const AbstractPluginParameter* p = modelParameter(plugin, id);
    if (!p || !buffer || size == 0 || std::isnan(value)) return false;
    const double clamped = std::clamp(value, double(p->minimum()), double(p->maximum()));
    copyName(buffer, size, p->text(static_cast<float>(clamped)).c_str());
    return true;
}

bool paramsTextToValue(const clap_plugin_t* plugin, clap_id id, const char* text, double* value) {
    const AbstractPluginParameter* p = modelParameter(plugin, id);
    if (!p || !text || !value) return false;
    float parsed = p->value();
    if (!p->parseText(text, parsed)) return false;
    *value = parsed;
    return true;
}

void paramsFlush(const clap_plugin_t* plugin, const clap_input_events_t* in, const clap_output_events_t* out) {
    self(plugin).flush(in, out);
}

const clap_plugin_params_t kParams = {paramsCount,       paramsGetInfo,     paramsGetValue,
                                      paramsValueToText, paramsTextToValue, paramsFlush};

uint32_t latencyGet(const clap_plugin_t* plugin) { return uint32_t(self(plugin).model()->latencySamples()); }
const clap_plugin_latency_t kLatency = {latencyGet};

uint32_t tailGet(const clap_plugin_t* plugin) {
    const int tail = self(plugin).tailSamples();
    return tail >= 0 ? uint32_t(tail) : uint32_t(INT32_MAX);
}
const clap_plugin_tail_t kTail = {tailGet};

void timerFired(const clap_plugin_t* plugin, clap_id id) { self(plugin).onTimer(id); }
const clap_plugin_timer_support_t kTimerSupport = {timerFired};

} // namespace

const void* ClapExtensions::find(const char* id, const ClapPluginAdapter& adapter) {
    (void)adapter;
    if (!id) return nullptr;
    struct Entry {
        const char* id;
        const void* table;
    };
    static const Entry kEntries[] = {
        {CLAP_EXT_NOTE_PORTS, &kNotePorts},
        {CLAP_EXT_AUDIO_PORTS, &kAudioPorts},
        {CLAP_EXT_AUDIO_PORTS_CONFIG, &kAudioPortsConfig},
        {CLAP_EXT_PARAMS, &kParams},
        {CLAP_EXT_LATENCY, &kLatency},
        {CLAP_EXT_TAIL, &kTail},
        {CLAP_EXT_TIMER_SUPPORT, &kTimerSupport},
    };
    for (const Entry& entry : kEntries)
        if (std::strcmp(entry.id, id) == 0) return entry.table;
    return nullptr;
}
