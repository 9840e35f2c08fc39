// CLAP ABI: extension ids and the extension records the plug-in offers or uses.
#pragma once

#include "clap/abi/Plugin.h"

inline constexpr char CLAP_EXT_AUDIO_PORTS[] = "clap.audio-ports";
inline constexpr char CLAP_EXT_AUDIO_PORTS_CONFIG[] = "clap.audio-ports-config";
inline constexpr char CLAP_EXT_NOTE_PORTS[] = "clap.note-ports";
inline constexpr char CLAP_EXT_PARAMS[] = "clap.params";
inline constexpr char CLAP_EXT_GUI[] = "clap.gui";
inline constexpr char CLAP_EXT_STATE[] = "clap.state";
inline constexpr char CLAP_EXT_LATENCY[] = "clap.latency";
inline constexpr char CLAP_EXT_TAIL[] = "clap.tail";
inline constexpr char CLAP_EXT_TRACK_INFO[] = "clap.track-info/1";
inline constexpr char CLAP_EXT_TRACK_INFO_COMPAT[] = "clap.track-info.draft/1";
inline constexpr char CLAP_EXT_PRESET_LOAD[] = "clap.preset-load/2";
inline constexpr char CLAP_EXT_PRESET_LOAD_COMPAT[] = "clap.preset-load.draft/2";
inline constexpr char CLAP_EXT_PROJECT_LOCATION[] = "clap.project-location/2";
inline constexpr char CLAP_EXT_THREAD_CHECK[] = "clap.thread-check";
inline constexpr char CLAP_EXT_CONTEXT_MENU[] = "clap.context-menu/1";
inline constexpr char CLAP_EXT_TIMER_SUPPORT[] = "clap.timer-support";
inline constexpr char CLAP_EXT_POSIX_FD_SUPPORT[] = "clap.posix-fd-support";

inline constexpr char CLAP_PORT_MONO[] = "mono";
inline constexpr char CLAP_PORT_STEREO[] = "stereo";

extern "C" {

enum : uint32_t {
    CLAP_AUDIO_PORT_IS_MAIN = 1u << 0,
    CLAP_AUDIO_PORT_SUPPORTS_64BITS = 1u << 1,
    CLAP_AUDIO_PORT_PREFERS_64BITS = 1u << 2,
    CLAP_AUDIO_PORT_REQUIRES_COMMON_SAMPLE_SIZE = 1u << 3,
};

typedef struct clap_audio_port_info {
    clap_id id;
    char name[CLAP_NAME_SIZE];
    uint32_t flags;
    uint32_t channel_count;
    const char* port_type;
    clap_id in_place_pair;
} clap_audio_port_info_t;

typedef struct clap_plugin_audio_ports {
    uint32_t (*count)(const clap_plugin_t* plugin, bool is_input);
    bool (*get)(const clap_plugin_t* plugin, uint32_t index, bool is_input, clap_audio_port_info_t* info);
} clap_plugin_audio_ports_t;

typedef struct clap_audio_ports_config {
    clap_id id;
    char name[CLAP_NAME_SIZE];
    uint32_t input_port_count;
    uint32_t output_port_count;
    bool has_main_input;
    uint32_t main_input_channel_count;
    const char* main_input_port_type;
    bool has_main_output;
    uint32_t main_output_channel_count;
    const char* main_output_port_type;
} clap_audio_ports_config_t;

typedef struct clap_plugin_audio_ports_config {
    uint32_t (*count)(const clap_plugin_t* plugin);
    bool (*get)(const clap_plugin_t* plugin, uint32_t index, clap_audio_ports_config_t* config);
    bool (*select)(const clap_plugin_t* plugin, clap_id config_id);
} clap_plugin_audio_ports_config_t;

enum : uint32_t {
    CLAP_NOTE_DIALECT_CLAP = 1u << 0,
    CLAP_NOTE_DIALECT_MIDI = 1u << 1,
    CLAP_NOTE_DIALECT_MIDI_MPE = 1u << 2,
    CLAP_NOTE_DIALECT_MIDI2 = 1u << 3,
};

typedef struct clap_note_port_info {
    clap_id id;
    uint32_t supported_dialects;
    uint32_t preferred_dialect;
    char name[CLAP_NAME_SIZE];
} clap_note_port_info_t;

typedef struct clap_plugin_note_ports {
    uint32_t (*count)(const clap_plugin_t* plugin, bool is_input);
    bool (*get)(const clap_plugin_t* plugin, uint32_t index, bool is_input, clap_note_port_info_t* info);
} clap_plugin_note_ports_t;

enum : uint32_t {
    CLAP_PARAM_IS_STEPPED = 1u << 0,
    CLAP_PARAM_IS_PERIODIC = 1u << 1,
    CLAP_PARAM_IS_HIDDEN = 1u << 2,
    CLAP_PARAM_IS_READONLY = 1u << 3,
    CLAP_PARAM_IS_BYPASS = 1u << 4,
    CLAP_PARAM_IS_AUTOMATABLE = 1u << 5,
};

typedef struct clap_param_info {
    clap_id id;
    uint32_t flags;
    void* cookie;
    char name[CLAP_NAME_SIZE];
    char module[CLAP_PATH_SIZE];
    double min_value;
    double max_value;
    double default_value;
} clap_param_info_t;

typedef struct clap_plugin_params {
    uint32_t (*count)(const clap_plugin_t* plugin);
    bool (*get_info)(const clap_plugin_t* plugin, uint32_t param_index, clap_param_info_t* param_info);
    bool (*get_value)(const clap_plugin_t* plugin, clap_id param_id, double* out_value);
    bool (*value_to_text)(const clap_plugin_t* plugin, clap_id param_id, double value, char* out_buffer,
                          uint32_t out_buffer_capacity);
    bool (*text_to_value)(const clap_plugin_t* plugin, clap_id param_id, const char* param_value_text,
                          double* out_value);
    void (*flush)(const clap_plugin_t* plugin, const clap_input_events_t* in, const clap_output_events_t* out);
} clap_plugin_params_t;

enum : uint32_t {
    CLAP_PARAM_RESCAN_VALUES = 1u << 0,
    CLAP_PARAM_RESCAN_TEXT = 1u << 1,
    CLAP_PARAM_RESCAN_INFO = 1u << 2,
    CLAP_PARAM_RESCAN_ALL = 1u << 3,
};

typedef struct clap_host_params {
    void (*rescan)(const clap_host_t* host, uint32_t flags);
    void (*clear)(const clap_host_t* host, clap_id param_id, uint32_t flags);
    void (*request_flush)(const clap_host_t* host);
} clap_host_params_t;

typedef struct clap_plugin_latency {
    uint32_t (*get)(const clap_plugin_t* plugin);
} clap_plugin_latency_t;

typedef struct clap_host_latency {
    void (*changed)(const clap_host_t* host);
} clap_host_latency_t;

typedef struct clap_plugin_tail {
    uint32_t (*get)(const clap_plugin_t* plugin);
} clap_plugin_tail_t;

typedef struct clap_plugin_state {
    bool (*save)(const clap_plugin_t* plugin, const clap_ostream_t* stream);
    bool (*load)(const clap_plugin_t* plugin, const clap_istream_t* stream);
} clap_plugin_state_t;

typedef struct clap_host_state {
    void (*mark_dirty)(const clap_host_t* host);
} clap_host_state_t;

typedef struct clap_plugin_timer_support {
    void (*on_timer)(const clap_plugin_t* plugin, clap_id timer_id);
} clap_plugin_timer_support_t;

typedef struct clap_host_timer_support {
    bool (*register_timer)(const clap_host_t* host, uint32_t period_ms, clap_id* timer_id);
    bool (*unregister_timer)(const clap_host_t* host, clap_id timer_id);
} clap_host_timer_support_t;

typedef struct clap_host_thread_check {
    bool (*is_main_thread)(const clap_host_t* host);
    bool (*is_audio_thread)(const clap_host_t* host);
} clap_host_thread_check_t;
}

static_assert(sizeof(clap_audio_port_info_t) == 288 && offsetof(clap_audio_port_info_t, flags) == 260 &&
              offsetof(clap_audio_port_info_t, port_type) == 272 &&
              offsetof(clap_audio_port_info_t, in_place_pair) == 280);
static_assert(sizeof(clap_audio_ports_config_t) == 304 &&
              offsetof(clap_audio_ports_config_t, input_port_count) == 260 &&
              offsetof(clap_audio_ports_config_t, has_main_input) == 268 &&
              offsetof(clap_audio_ports_config_t, main_input_channel_count) == 272 &&
              offsetof(clap_audio_ports_config_t, main_input_port_type) == 280 &&
              offsetof(clap_audio_ports_config_t, has_main_output) == 288 &&
              offsetof(clap_audio_ports_config_t, main_output_channel_count) == 292 &&
              offsetof(clap_audio_ports_config_t, main_output_port_type) == 296);
static_assert(sizeof(clap_note_port_info_t) == 268 && offsetof(clap_note_port_info_t, name) == 12);
static_assert(sizeof(clap_param_info_t) == 1320 && offsetof(clap_param_info_t, cookie) == 8 &&
              offsetof(clap_param_info_t, name) == 16 && offsetof(clap_param_info_t, module) == 272 &&
              offsetof(clap_param_info_t, min_value) == 1296 && offsetof(clap_param_info_t, default_value) == 1312);
static_assert(sizeof(clap_plugin_params_t) == 48 && sizeof(clap_host_params_t) == 24);
