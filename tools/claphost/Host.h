// A configurable CLAP host record for one plug-in instance: it answers the host extensions it is told to
// offer (or none at all), counts and records every callback the plug-in makes, and delivers requested
// main-thread callbacks and registered timers when its owner pumps them. The thread that constructs the
// Host is its main thread; the thread inside PluginInstance::process is its audio thread.
#pragma once

#include "clap/abi/Extensions.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace claphost {

class Host {
public:
    // The host extensions a Host may offer; combine them as a bit set.
    enum Extension : uint32_t {
        Params = 1u << 0,
        State = 1u << 1,
        ThreadCheck = 1u << 2,
        TimerSupport = 1u << 3,
        Latency = 1u << 4,
    };
    static constexpr uint32_t kNoExtensions = 0;
    static constexpr uint32_t kAllExtensions = Params | State | ThreadCheck | TimerSupport | Latency;

    struct Config {
        std::string name = "Lumenor host";
        std::string vendor = "Quorvane";
        std::string url = "https://www.quorvane.com";
        std::string version = "1.0";
        clap_version_t clapVersion = CLAP_VERSION_1_2_5;
        uint32_t extensions = kAllExtensions;
    };

    struct Timer {
        clap_id id;
        uint32_t periodMs;
    };

    Host();
    explicit Host(Config config);
    virtual ~Host() = default;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The record to hand to create_plugin; valid for the lifetime of the Host. Any thread.
    const clap_host_t* clapHost() const { return &host_; }
    const Config& config() const { return config_; }

    // The plug-in that main-thread callbacks and timers go to; PluginInstance binds itself. Main thread.
    void bind(const clap_plugin_t* plugin) { plugin_ = plugin; }
    void unbind() { plugin_ = nullptr; }

    // Calls the plug-in's on_main_thread if it asked for a callback since the last pump; answers whether
    // it did. Main thread.
    bool pumpMainThread();
    // Calls the plug-in's on_timer once for every registered timer (whatever their periods); answers the
    // number of calls. Main thread.
    uint32_t fireTimers();

    // Marks the calling thread as the audio thread while a process call runs. Audio thread.
    void enterAudioThread();
    void leaveAudioThread();

    // Observations; read them on the main thread while the plug-in is idle.
    std::vector<std::string> queriedExtensions() const;
    std::vector<uint32_t> rescanFlags() const;
    uint32_t rescanCount(uint32_t anyOfFlags) const;
    uint32_t clearCount() const { return clearCount_.load(); }
    uint32_t requestFlushCount() const { return requestFlushCount_.load(); }
    uint32_t markDirtyCount() const { return markDirtyCount_.load(); }
    uint32_t latencyChangedCount() const { return latencyChangedCount_.load(); }
    uint32_t requestCallbackCount() const { return requestCallbackCount_.load(); }
    uint32_t requestRestartCount() const { return requestRestartCount_.load(); }
    uint32_t requestProcessCount() const { return requestProcessCount_.load(); }
    std::vector<Timer> timers() const;
    // Callbacks made on a thread the standard forbids for them (main-thread-only calls off the main
    // thread, request_flush on the audio thread), and timer ids unregistered that were never registered.
    uint32_t threadViolationCount() const { return threadViolations_.load(); }
    uint32_t unknownTimerCount() const { return unknownTimers_.load(); }

private:
    static Host& from(const clap_host_t* host) { return *static_cast<Host*>(host->host_data); }
    static const void* getExtension(const clap_host_t* host, const char* extensionId);
    static void requestRestart(const clap_host_t* host);
    static void requestProcess(const clap_host_t* host);
    static void requestCallback(const clap_host_t* host);
    static void paramsRescan(const clap_host_t* host, uint32_t flags);
    static void paramsClear(const clap_host_t* host, clap_id paramId, uint32_t flags);
    static void paramsRequestFlush(const clap_host_t* host);
    static void stateMarkDirty(const clap_host_t* host);
    static void latencyChanged(const clap_host_t* host);
    static bool isMainThread(const clap_host_t* host);
    static bool isAudioThread(const clap_host_t* host);
    static bool registerTimer(const clap_host_t* host, uint32_t periodMs, clap_id* timerId);
    static bool unregisterTimer(const clap_host_t* host, clap_id timerId);

    bool onMainThread() const { return std::this_thread::get_id() == mainThread_; }
    bool onAudioThread() const { return std::this_thread::get_id() == audioThread_.load(); }
    void expectMainThread();

    Config config_;
    clap_host_t host_{};
    std::thread::id mainThread_;
    std::atomic<std::thread::id> audioThread_{};
    const clap_plugin_t* plugin_ = nullptr;

    mutable std::mutex mutex_; // guards the lists below; callers of the host extensions may be anywhere
    std::vector<std::string> queried_;
    std::vector<uint32_t> rescans_;
    std::vector<Timer> timers_;
    clap_id nextTimerId_ = 0;

    std::atomic<bool> callbackRequested_{false};
    std::atomic<uint32_t> clearCount_{0}, requestFlushCount_{0}, markDirtyCount_{0}, latencyChangedCount_{0};
    std::atomic<uint32_t> requestCallbackCount_{0}, requestRestartCount_{0}, requestProcessCount_{0};
    std::atomic<uint32_t> threadViolations_{0}, unknownTimers_{0};
};

} // namespace claphost
