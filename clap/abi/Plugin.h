// CLAP ABI: entry record, plug-in factory, descriptor, host, plug-in, audio buffers, process record and
// streams.
#pragma once

#include "clap/abi/Events.h"

#if defined(_WIN32)
#define LUMENOR_CLAP_EXPORT __declspec(dllexport)
#else
#define LUMENOR_CLAP_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

typedef struct clap_plugin_descriptor {
    clap_version_t clap_version;
    const char* id;
    const char* name;
    const char* vendor;
    const char* url;
    const char* manual_url;
    const char* support_url;
    const char* version;
    const char* description;
    const char* const* features;
} clap_plugin_descriptor_t;

typedef struct clap_host {
    clap_version_t clap_version;
    void* host_data;
    const char* name;
    const char* vendor;
    const char* url;
    const char* version;
    const void* (*get_extension)(const struct clap_host* host, const char* extension_id);
    void (*request_restart)(const struct clap_host* host);
    void (*request_process)(const struct clap_host* host);
    void (*request_callback)(const struct clap_host* host);
} clap_host_t;

typedef struct clap_audio_buffer {
    float** data32;
    double** data64;
    uint32_t channel_count;
    uint32_t latency;
    uint64_t constant_mask;
} clap_audio_buffer_t;

typedef int32_t clap_process_status;
enum : int32_t {
    CLAP_PROCESS_ERROR = 0,
    CLAP_PROCESS_CONTINUE = 1,
    CLAP_PROCESS_CONTINUE_IF_NOT_QUIET = 2,
    CLAP_PROCESS_TAIL = 3,
    CLAP_PROCESS_SLEEP = 4,
};

typedef struct clap_process {
    int64_t steady_time;
    uint32_t frames_count;
    const clap_event_transport_t* transport;
    const clap_audio_buffer_t* audio_inputs;
    clap_audio_buffer_t* audio_outputs;
    uint32_t audio_inputs_count;
    uint32_t audio_outputs_count;
    const clap_input_events_t* in_events;
    const clap_output_events_t* out_events;
} clap_process_t;

typedef struct clap_plugin {
    const clap_plugin_descriptor_t* desc;
    void* plugin_data;
    bool (*init)(const struct clap_plugin* plugin);
    void (*destroy)(const struct clap_plugin* plugin);
    bool (*activate)(const struct clap_plugin* plugin, double sample_rate, uint32_t min_frames_count,
                     uint32_t max_frames_count);
    void (*deactivate)(const struct clap_plugin* plugin);
    bool (*start_processing)(const struct clap_plugin* plugin);
    void (*stop_processing)(const struct clap_plugin* plugin);
    void (*reset)(const struct clap_plugin* plugin);
    clap_process_status (*process)(const struct clap_plugin* plugin, const clap_process_t* process);
    const void* (*get_extension)(const struct clap_plugin* plugin, const char* id);
    void (*on_main_thread)(const struct clap_plugin* plugin);
} clap_plugin_t;

typedef struct clap_plugin_factory {
    uint32_t (*get_plugin_count)(const struct clap_plugin_factory* factory);
    const clap_plugin_descriptor_t* (*get_plugin_descriptor)(const struct clap_plugin_factory* factory,
                                                             uint32_t index);
    const clap_plugin_t* (*create_plugin)(const struct clap_plugin_factory* factory, const clap_host_t* host,
                                          const char* plugin_id);
} clap_plugin_factory_t;

typedef struct clap_plugin_entry {
    clap_version_t clap_version;
    bool (*init)(const char* plugin_path);
    void (*deinit)(void);
    const void* (*get_factory)(const char* factory_id);
} clap_plugin_entry_t;

typedef struct clap_istream {
    void* ctx;
    int64_t (*read)(const struct clap_istream* stream, void* buffer, uint64_t size);
} clap_istream_t;

typedef struct clap_ostream {
    void* ctx;
    int64_t (*write)(const struct clap_ostream* stream, const void* buffer, uint64_t size);
} clap_ostream_t;
}

inline constexpr char CLAP_PLUGIN_FACTORY_ID[] = "clap.plugin-factory";
inline constexpr char CLAP_PRESET_DISCOVERY_FACTORY_ID[] = "clap.preset-discovery-factory/2";
inline constexpr char CLAP_PRESET_DISCOVERY_FACTORY_ID_COMPAT[] = "clap.preset-discovery-factory/draft-2";

static_assert(sizeof(clap_plugin_descriptor_t) == 88 && offsetof(clap_plugin_descriptor_t, id) == 16 &&
              offsetof(clap_plugin_descriptor_t, features) == 80);
static_assert(sizeof(clap_host_t) == 88 && offsetof(clap_host_t, host_data) == 16 &&
              offsetof(clap_host_t, get_extension) == 56 && offsetof(clap_host_t, request_callback) == 80);
static_assert(sizeof(clap_audio_buffer_t) == 32 && offsetof(clap_audio_buffer_t, channel_count) == 16 &&
              offsetof(clap_audio_buffer_t, constant_mask) == 24);
static_assert(sizeof(clap_process_t) == 64 && offsetof(clap_process_t, transport) == 16 &&
              offsetof(clap_process_t, audio_inputs_count) == 40 && offsetof(clap_process_t, in_events) == 48);
static_assert(sizeof(clap_plugin_t) == 96 && offsetof(clap_plugin_t, process) == 72 &&
              offsetof(clap_plugin_t, on_main_thread) == 88);
static_assert(sizeof(clap_plugin_factory_t) == 24);
static_assert(sizeof(clap_plugin_entry_t) == 40 && offsetof(clap_plugin_entry_t, init) == 16);
static_assert(sizeof(clap_istream_t) == 16 && sizeof(clap_ostream_t) == 16);
