#include "core/GenericPlugin.h"

#include "platform/AsyncEventQueue.h"

GenericPlugin::GenericPlugin(const GenericPluginInfo& info) : GenericPluginBase(info) {}

GenericPlugin::~GenericPlugin() = default;

void GenericPlugin::setMainThreadWakeHandler(std::function<void()> handler) {
    // The queue belongs to the thread that sets up the shell, which is the main thread.
    eventQueue_ = createAsyncEventQueue(std::move(handler));
    eventQueue_->listeners.setPrimaryHandler(
        [this](const AsyncEventQueue::Event& event) { onAsyncEvent(event.type, event.value); });
}

void GenericPlugin::postToMainThread(int32_t kind, int64_t value) {
    if (eventQueue_)
        eventQueue_->post(kind, value);
    else
        mainThreadEvent(kind, value); // no shell yet: we are on the thread that owns the model
}

void GenericPlugin::dispatchMainThreadEvents() {
    if (eventQueue_) eventQueue_->dispatchPending();
}

void GenericPlugin::onAsyncEvent(int32_t kind, int64_t value) { mainThreadEvent(kind, value); }

void GenericPlugin::mainThreadEvent(int32_t kind, int64_t value) {
    if (kind == ParameterChangedEvent && adapter_ && value >= 0 && value < parameterCount())
        adapter_->parametersChanged(int(value));
}
