#include "core/GenericPlugin.h"

#include "persistence/BinaryDataReader.h"
#include "persistence/BinaryDataWriter.h"
#include "persistence/CustomSettingsBlock.h"
#include "persistence/ICustomSettingsTarget.h"
#include "persistence/IParameterSnapshotTarget.h"
#include "persistence/ParameterSnapshot.h"
#include "platform/AsyncEventQueue.h"
#include "platform/ILock.h"
#include "platform/IntervalTimer.h"

namespace {
constexpr uint32_t kDisplayIntervalMs = 5;
}

// The model as the snapshot block sees it.
class GenericPlugin::SnapshotTarget : public IParameterSnapshotTarget {
public:
    explicit SnapshotTarget(GenericPlugin& model) : model_(model) {}
    int parameterCount() const override { return model_.parameterCount(); }
    float parameterValue(int index) const override { return model_.parameterValue(index); }
    float parameterDefaultValue(int index) const override { return model_.parameter(index)->defaultValue(); }
    void setParameterValue(int index, float value, int flags) override { model_.setParameterValue(index, value, flags); }
    void beginParameterBatch() override { model_.beginParameterBatch(); }
    void endParameterBatch() override { model_.endParameterBatch(); }
    void parametersReplaced() override { model_.parametersReplaced(); }

private:
    GenericPlugin& model_;
};

// The model as the settings block sees it.
class GenericPlugin::SettingsTarget : public ICustomSettingsTarget {
public:
    explicit SettingsTarget(GenericPlugin& model) : model_(model) {}
    std::map<std::string, std::string>& settingsMap() override { return model_.settings_; }
    int perTrackIndex() const override { return model_.perTrackIndex_; }
    void setPerTrackIndex(int index) override { model_.perTrackIndex_ = index; }
    void settingsChanged() override { model_.notifyListener(SettingsChangedNotification, 0); }

private:
    GenericPlugin& model_;
};

GenericPlugin::GenericPlugin(const GenericPluginInfo& info)
    : GenericPluginBase(info),
      mainThread_(std::this_thread::get_id()),
      displayTimer_(createIntervalTimer()) {}

GenericPlugin::~GenericPlugin() = default;

void GenericPlugin::setChannelLayout(int index) {
    if (index == channelLayout_) return;
    channelLayout_ = index;
    notifyListener(LayoutChangedNotification, index);
}

void GenericPlugin::parameterChanged(int id, float value, int flags) {
    if (AbstractPluginParameter* p = parameter(id)) p->notifyListeners(value);
    linkChanged(id);
    ++modificationCount_;
    presetModified_.store(true);

    if (batchDepth_.load() > 0) {
        if (!(flags & 1))
            batchKind_.store(1);
        else {
            int none = 0;
            batchKind_.compare_exchange_strong(none, 2);
        }
        return;
    }
    if (!(flags & 1)) reportToShell(id);
    notifyListener(ParameterChangedNotification, id);
}

void GenericPlugin::reportToShell(int index) {
    if (!adapter_) return;
    if (onMainThread())
        adapter_->parametersChanged(index);
    else
        postToMainThread(ParameterChangedEvent, index);
}

void GenericPlugin::endParameterBatch() {
    if (--batchDepth_ != 0) return;
    const int kind = batchKind_.exchange(0);
    const int scope = batchScope_.exchange(-1);
    if (kind == 0) return;
    if (kind == 1 && adapter_) adapter_->parametersChanged(scope);
    notifyListener(ParameterChangedNotification, -1);
}

void GenericPlugin::requestParameterJump() {
    int all = -1;
    batchScope_.compare_exchange_strong(all, -2);
}

void GenericPlugin::requestReset() { batchScope_.store(-3); }

void GenericPlugin::setListener(Listener* listener) {
    listener_.store(listener);
    // A notification that picked up the previous listener finishes before it may go away.
    while (listenerBusy_.load() != 0) std::this_thread::yield();
}

void GenericPlugin::notifyListener(int code, intptr_t value) {
    ++listenerBusy_;
    if (Listener* listener = listener_.load()) listener->modelNotification(code, value);
    --listenerBusy_;
}

void GenericPlugin::setMainThreadWakeHandler(std::function<void()> handler) {
    // The queue belongs to the thread that sets up the shell, which is the main thread.
    eventQueue_ = createAsyncEventQueue(std::move(handler));
    eventQueue_->listeners.setPrimaryHandler(
        [this](const AsyncEventQueue::Event& event) { mainThreadEvent(event.type, event.value); });
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

void GenericPlugin::mainThreadEvent(int32_t kind, int64_t value) {
    switch (kind) {
    case ParameterChangedEvent:
        if (adapter_ && value >= 0 && value < parameterCount()) adapter_->parametersChanged(int(value));
        break;
    case ControllerActivityEvent: notifyListener(ControllerActivityNotification, intptr_t(value)); break;
    default: break;
    }
}

void GenericPlugin::readDisplayData(BinaryDataReader& reader) {
    tempo_ = reader.readFloat();
    for (int64_t& entry : transportHistory_) entry = reader.readInt64();
}

void GenericPlugin::receiveDisplayData(BinaryDataReader& reader) {
    ++listenerBusy_;
    Listener* listener = listener_.load();
    ILock* lock = listener ? listener->displayLock() : nullptr;
    if (lock) lock->lock();
    readDisplayData(reader);
    if (lock) lock->unlock();
    --listenerBusy_;
}

void GenericPlugin::updateDisplayData(Listener* caller) {
    if (!caller || caller != listener_.load() || !adapter_) return;
    if (displayExchanged_ && displayTimer_->elapsedMilliseconds() < kDisplayIntervalMs) return;
    displayTimer_->reset();
    displayExchanged_ = true;
    ++listenerBusy_;
    adapter_->exchangeDisplayData();
    --listenerBusy_;
}

bool GenericPlugin::writeParameterSnapshot(BinaryDataWriter& writer) const {
    SnapshotTarget target(const_cast<GenericPlugin&>(*this));
    return ::writeParameterSnapshot(target, writer);
}

bool GenericPlugin::readParameterSnapshot(BinaryDataReader& reader) {
    SnapshotTarget target(*this);
    return ::readParameterSnapshot(target, reader);
}

bool GenericPlugin::writeSettingsBlock(BinaryDataWriter& writer, bool forPreset) {
    SettingsTarget target(*this);
    return writeCustomSettingsBlock(target, writer, forPreset);
}

bool GenericPlugin::readSettingsBlock(BinaryDataReader& reader) {
    SettingsTarget target(*this);
    return readCustomSettingsBlock(target, reader);
}
