#include "core/GenericPluginProcessor.h"

#include "core/DenormalGuard.h"
#include "core/OutputCleaner.h"
#include "platform/NamedMemoryBlock.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

const GenericPluginProcessor::ChannelLayout kLayouts[GenericPluginProcessor::kLayoutCount] = {
    {0, "Mono", 1, "mono"},
    {1, "Stereo", 2, "stereo"},
};

constexpr float kTransportTolerance = 1.1920929e-7f;
constexpr double kWrapBeats = 256.0;
constexpr float kSilenceThreshold = 1e-7f;

std::mutex& processorCountLock() {
    static std::mutex lock;
    return lock;
}
int processorCount = 0;

} // namespace

GenericPluginProcessor::Channel::Channel(wave::Environment& environment, int channelIndex)
    : index(channelIndex),
      mainInput(environment),
      sideChainInput(environment) {}

const GenericPluginProcessor::ChannelLayout& GenericPluginProcessor::channelLayout(int index) {
    return kLayouts[index == 0 ? 0 : 1];
}

GenericPluginProcessor::GenericPluginProcessor(const GenericPluginInfo& info, int layoutIndex)
    : GenericPluginBase(info),
      layoutIndex_(layoutIndex == 0 ? 0 : 1),
      environment_(std::make_unique<wave::Environment>()) {
    environment_->sampleRateHandler = [this](wave::Environment&) { sampleRateChanged(); };
    for (int c = 0; c < channelLayout(layoutIndex_).channelCount; ++c)
        channels_.push_back(std::make_unique<Channel>(*environment_, c));
}

GenericPluginProcessor::~GenericPluginProcessor() {
    // Producers of the graph may outlive the environment's lists during destruction.
    environment_->shutDown();
    channels_.clear();
}

void GenericPluginProcessor::runSharedConstruction() {
    std::lock_guard<std::mutex> guard(processorCountLock());
    processBlock_ = static_cast<uint32_t*>(processNamedBlock("QuorvaneProcess2", 32));
    if (processorCount++ == 0) initialiseOnce();
}

void GenericPluginProcessor::parameterChanged(int index, float value, int flags) {
    queueParameterChange(index, value);
    if (!(flags & 1) && adapter_) adapter_->processorParameterChanged(index);
}

void GenericPluginProcessor::queueParameterChange(int index, float value) {
    parameterChanges_.push(ParameterChange{index, value});
}

void GenericPluginProcessor::queueAllParameters() {
    for (int i = 0; i < parameterCount(); ++i) queueParameterChange(i, parameterValue(i));
}

void GenericPluginProcessor::writeDisplayData(BinaryDataWriter& writer) {
    samplesSinceDisplay_.store(0);
    writer.writeFloat(tempo());
    for (const auto& entry : transportHistory_) writer.writeInt64(entry.load(std::memory_order_relaxed));
}

bool GenericPluginProcessor::receivesMidi() const {
    if (midiStateParameter_ < 0) return true;
    return std::lround(parameterValue(midiStateParameter_)) == 0;
}

void GenericPluginProcessor::setTransport(float tempo, float positionBeats, int64_t steadyTime, bool playing) {
    const float beatsPerMinute = std::fabs(tempo) > kTransportTolerance && std::isfinite(tempo) ? tempo : 120.0f;
    tempo_.store(beatsPerMinute, std::memory_order_relaxed);
    if (!std::isfinite(positionBeats)) positionBeats = 0.0f;
    if (std::fabs(positionBeats - previousPosition_) > kTransportTolerance || playing) {
        freePosition_ = positionBeats;
        if (playing && !wasPlaying_) transportStarted(beatsPerMinute, freePosition_, steadyTime);
    } else {
        const double rate = environment_->sampleRate;
        freePosition_ += double(samplesSinceTransport_) * beatsPerMinute / 60.0 / rate;
        // Truncating remainder: a negative position wraps towards zero, into (-256, 0].
        freePosition_ = kWrapBeats * std::fmod(freePosition_ / kWrapBeats, 1.0);
    }

    if (processBlock_) {
        const uint32_t call = std::atomic_ref<uint32_t>(processBlock_[0]).fetch_add(1) + 1;
        if (playing) {
            for (auto& entry : transportHistory_)
                if (entry.load(std::memory_order_relaxed) == -1) {
                    entry.store(int64_t((uint64_t(call) << 32) | 0xFFFFFFFEull), std::memory_order_relaxed);
                    break;
                }
        } else {
            for (auto& entry : transportHistory_) entry.store(-1, std::memory_order_relaxed);
        }
    }

    previousPosition_ = positionBeats;
    wasPlaying_ = playing;
    transportChanged_ = true;
    samplesSinceTransport_ = 0;
}

void GenericPluginProcessor::process(const float* const* inputs, int inputCount, float* const* outputs,
                                     int outputCount, int frames, uint32_t& status) {
    const DenormalGuard denormals;

    int previous = samplesSinceDisplay_.load();
    while (!samplesSinceDisplay_.compare_exchange_weak(previous, std::min(previous + frames, kDisplayCounterLimit))) {
    }
    environment_->setDisplayWatched(samplesSinceDisplay_.load() < environment_->sampleRate);
    samplesSinceTransport_ += frames;

    lastController_ = -1;
    if (batchDepth_.load() == 0) applyParameterChanges();
    if (transportChanged_) {
        transportChanged(tempo(), freePosition_);
        transportChanged_ = false;
    }

    outputCount = std::clamp(outputCount, 0, std::min(channelCount(), BypassProcessor::kMaxChannels));
    bindInputs(inputs, inputCount, frames);
    uint32_t local = (status & kInputSilent) ? (kInputSilent | kOutputSilent) : 0;

    bool decoded = false;
    int position = 0;
    while (position < frames) {
        MidiMessage next;
        const bool waiting = midiInput_.peek(next) && next.timeOffset >= 0 && next.timeOffset < frames;
        const int boundary = waiting ? std::max(next.timeOffset, position) : frames;
        runPieces(position, boundary, outputs, outputCount, local);
        if (waiting) {
            midiInput_.pop(next);
            decodeMidi(next);
            decoded = true;
        }
        if (batchDepth_.load() == 0) applyParameterChanges();
        position = boundary;
    }
    status = local;

    // Messages timed beyond this call still count: they are decoded now.
    MidiMessage late;
    while (midiInput_.pop(late)) {
        decodeMidi(late);
        decoded = true;
    }
    if (decoded && adapter_) adapter_->controllerActivity(lastController_);
}

void GenericPluginProcessor::runPieces(int start, int end, float* const* outputs, int outputCount,
                                       uint32_t& status) {
    while (start < end) {
        const int frames = std::min(end - start, std::max(1, maxBlockSize()));
        runPiece(start, frames, outputs, outputCount, status);
        start += frames;
    }
}

void GenericPluginProcessor::runPiece(int start, int frames, float* const* outputs, int outputCount,
                                      uint32_t& status) {
    environment_->beginFrame();
    if (bypass_.resetPending) {
        bypass_.resetPending = false;
        bypass_.tailState = 0;
    }

    const bool inputSilent = (status & kInputSilent) != 0;
    bool skip = false;
    if (inputSilent && bypass_.tailState == 0) {
        for (int c = 0; c < outputCount; ++c)
            bypass_.outputs[c] = c < callInputCount_ && callInputs_[c] ? callInputs_[c] + start
                                                                        : environment_->zeroBlock.data;
        skip = true;
    } else {
        if (!inputSilent) bypass_.tailState = -1;
        channelOutputs(bypass_.outputs, outputCount, frames);
        if (inputSilent && tailSamples() == -1 && environment_->allIdle() &&
            isSilent(bypass_.outputs, outputCount, frames))
            bypass_.tailState = 0;
        else
            status &= ~kOutputSilent;
    }

    environment_->advance(frames, skip);
    for (int c = 0; c < outputCount; ++c) copyClean(bypass_.outputs[c], outputs[c] + start, frames);
}

void GenericPluginProcessor::channelOutputs(const float** outputs, int count, int frames) {
    for (int c = 0; c < count; ++c) {
        wave::Producer* producer = c < channelCount() ? channels_[size_t(c)]->output : nullptr;
        outputs[c] = producer ? wave::pullBlock(*producer, frames)->data : environment_->zeroBlock.data;
    }
}

void GenericPluginProcessor::bindInputs(const float* const* inputs, int inputCount, int frames) {
    callInputs_ = inputs;
    callInputCount_ = inputCount;
    const int count = channelCount();
    for (int c = 0; c < count; ++c) {
        Channel& ch = *channels_[size_t(c)];
        ch.mainInput.bind(c < inputCount ? inputs[c] : nullptr, frames);
        ch.sideChainInput.bind(c + count < inputCount ? inputs[c + count] : nullptr, frames);
    }
}

bool GenericPluginProcessor::isSilent(const float* const* channels, int count, int frames) {
    for (int c = 0; c < count; ++c)
        for (int i = 0; i < frames; ++i)
            if (!(std::fabs(channels[c][i]) <= kSilenceThreshold)) return false;
    return true;
}

void GenericPluginProcessor::reset() {
    environment_->notify(wave::Environment::Reset);
    bypass_.resetPending = true;
    freePosition_ = 0.0;
    samplesSinceTransport_ = 0;
    if (batchDepth_.load() == 0) applyParameterChanges();
}

void GenericPluginProcessor::applyParameterChanges() {
    ParameterChange change{};
    while (parameterChanges_.pop(change)) {
        if (change.index >= 0) {
            if (AbstractPluginParameter* p = parameter(change.index)) p->notifyListeners(change.value);
            parameterApplied(change.index);
        } else if (change.index == kJumpRecord) {
            environment_->notify(wave::Environment::ParameterJump);
        } else if (change.index == kResetRecord) {
            environment_->notify(wave::Environment::Reset);
        }
    }
}

void GenericPluginProcessor::parameterApplied(int index) {
    for (auto& ch : channels_) ch->parameterChanged(index);
    if (index == midiStateParameter_) {
        midiState_ = int(std::lround(parameterValue(index)));
        if (midiState_ == int(MidiState::Disabled)) allNotesOff();
    }
}

void GenericPluginProcessor::sampleRateChanged() {
    for (auto& ch : channels_) ch->sampleRateChanged();
}
