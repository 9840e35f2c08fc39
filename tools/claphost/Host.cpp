// The host record, its extension tables and the bookkeeping behind every callback.
#include "tools/claphost/Host.h"

#include <algorithm>
#include <cstring>

namespace claphost {

Host::Host() : Host(Config{}) {}

Host::Host(Config config) : config_(std::move(config)), mainThread_(std::this_thread::get_id()) {
    host_.clap_version = config_.clapVersion;
    host_.host_data = this;
    host_.name = config_.name.c_str();
    host_.vendor = config_.vendor.c_str();
    host_.url = config_.url.c_str();
    host_.version = config_.version.c_str();
    host_.get_extension = &Host::getExtension;
    host_.request_restart = &Host::requestRestart;
    host_.request_process = &Host::requestProcess;
    host_.request_callback = &Host::requestCallback;
}

const void* Host::getExtension(const clap_host_t* host, const char* extensionId) {
    static const clap_host_params_t params = {&Host::paramsRescan, &Host::paramsClear,
                                              &Host::paramsRequestFlush};
    static const clap_host_state_t state = {&Host::stateMarkDirty};
    static const clap_host_thread_check_t threadCheck = {&Host::isMainThread, &Host::isAudioThread};
    static const clap_host_timer_support_t timerSupport = {&Host::registerTimer, &Host::unregisterTimer};
    static const clap_host_latency_t latency = {&Host::latencyChanged};
    struct Offer {
        Extension extension;
        const char* id;
        const void* table;
    };
    static const Offer offers[] = {
        {Params, CLAP_EXT_PARAMS, &params},
        {State, CLAP_EXT_STATE, &state},
        {ThreadCheck, CLAP_EXT_THREAD_CHECK, &threadCheck},
        {TimerSupport, CLAP_EXT_TIMER_SUPPORT, &timerSupport},
        {Latency, CLAP_EXT_LATENCY, &latency},
    };

    if (!extensionId) return nullptr;
    Host& self = from(host);
    {
        std::lock_guard lock(self.mutex_);
        self.queried_.emplace_back(extensionId);
    }
    for (const Offer& offer : offers)
        if ((self.config_.extensions & offer.extension) && std::strcmp(extensionId, offer.id) == 0)
            return offer.table;
    return nullptr;
}

void Host::requestRestart(const clap_host_t* host) {
    ++from(host).requestRestartCount_;
}
void Host::requestProcess(const clap_host_t* host) {
    ++from(host).requestProcessCount_;
}

void Host::requestCallback(const clap_host_t* host) {
    Host& self = from(host);
    ++self.requestCallbackCount_;
    self.callbackRequested_.store(true);
}

void Host::expectMainThread() {
    if (!onMainThread()) ++threadViolations_;
}

void Host::paramsRescan(const clap_host_t* host, uint32_t flags) {
    Host& self = from(host);
    self.expectMainThread();
    std::lock_guard lock(self.mutex_);
    self.rescans_.push_back(flags);
}

void Host::paramsClear(const clap_host_t* host, clap_id, uint32_t) {
    Host& self = from(host);
    self.expectMainThread();
    ++self.clearCount_;
}

void Host::paramsRequestFlush(const clap_host_t* host) {
    Host& self = from(host);
    // Any thread but the audio thread: a plug-in that is processing delivers its events itself.
    if (self.onAudioThread()) ++self.threadViolations_;
    ++self.requestFlushCount_;
}

void Host::stateMarkDirty(const clap_host_t* host) {
    Host& self = from(host);
    self.expectMainThread();
    ++self.markDirtyCount_;
}

void Host::latencyChanged(const clap_host_t* host) {
    Host& self = from(host);
    self.expectMainThread();
    ++self.latencyChangedCount_;
}

bool Host::isMainThread(const clap_host_t* host) {
    return from(host).onMainThread();
}
bool Host::isAudioThread(const clap_host_t* host) {
    return from(host).onAudioThread();
}

bool Host::registerTimer(const clap_host_t* host, uint32_t periodMs, clap_id* timerId) {
    Host& self = from(host);
    self.expectMainThread();
    if (!timerId) return false;
    std::lock_guard lock(self.mutex_);
    *timerId = self.nextTimerId_++;
    self.timers_.push_back({*timerId, periodMs});
    return true;
}

bool Host::unregisterTimer(const clap_host_t* host, clap_id timerId) {
    Host& self = from(host);
    self.expectMainThread();
    std::lock_guard lock(self.mutex_);
    auto found = std::find_if(self.timers_.begin(), self.timers_.end(),
                              [timerId](const Timer& timer) { return timer.id == timerId; });
    if (found == self.timers_.end()) {
        ++self.unknownTimers_;
        return false;
    }
    self.timers_.erase(found);
    return true;
}

bool Host::pumpMainThread() {
    if (!plugin_ || !callbackRequested_.exchange(false)) return false;
    plugin_->on_main_thread(plugin_);
    return true;
}

uint32_t Host::fireTimers() {
    if (!plugin_) return 0;
    const auto* support = static_cast<const clap_plugin_timer_support_t*>(
        plugin_->get_extension(plugin_, CLAP_EXT_TIMER_SUPPORT));
    if (!support || !support->on_timer) return 0;
    // The plug-in may unregister timers from inside on_timer: walk a copy.
    std::vector<Timer> due = timers();
    for (const Timer& timer : due)
        support->on_timer(plugin_, timer.id);
    return uint32_t(due.size());
}

void Host::enterAudioThread() {
    audioThread_.store(std::this_thread::get_id());
}
void Host::leaveAudioThread() {
    audioThread_.store(std::thread::id{});
}

std::vector<std::string> Host::queriedExtensions() const {
    std::lock_guard lock(mutex_);
    return queried_;
}

std::vector<uint32_t> Host::rescanFlags() const {
    std::lock_guard lock(mutex_);
    return rescans_;
}

uint32_t Host::rescanCount(uint32_t anyOfFlags) const {
    std::lock_guard lock(mutex_);
    return uint32_t(std::count_if(rescans_.begin(), rescans_.end(),
                                  [anyOfFlags](uint32_t flags) { return (flags & anyOfFlags) != 0; }));
}

std::vector<Host::Timer> Host::timers() const {
    std::lock_guard lock(mutex_);
    return timers_;
}

} // namespace claphost
