// Environment: frames, the run list, rate changes, notifications and the producer registry.
#include "wave/Environment.h"

#include "wave/Producer.h"

#include <algorithm>
#include <cmath>

namespace wave {

namespace {

int nextFrame(int frame) {
    // Wraps after 2^32 frames instead of overflowing; producers only compare frames for equality.
    return static_cast<int>(static_cast<unsigned>(frame) + 1u);
}

} // namespace

Environment::Environment()
    : scratchBlocks{BasicBlock<float>(*this), BasicBlock<float>(*this)}, zeroBlock(*this, 0.0f) {}

Environment::~Environment() {
    // The owned blocks must not call back into a half-destroyed environment.
    shuttingDown = 1;
    for (Environment* child : children)
        child->parent = nullptr;
    if (parent != nullptr) parent->removeChild(*this);
}

void Environment::beginFrame() {
    frameCounter = nextFrame(frameCounter);
    for (Environment* child : children)
        child->beginFrame();
}

void Environment::advance(int n, bool skip) {
    if (!skip) {
        // Indexed on purpose: a producer may (de)activate others while running; the list never reallocates.
        for (std::size_t i = 0; i < runList.size(); ++i) {
            Producer* producer = runList[i];
            if (producer->order == Producer::Front || producer->lastFrame != frameCounter) {
                producer->currentBlock = producer->ownBlock.get();
                producer->produce(producer->ownBlock.get(), n,
                                  producer->order == Producer::Front ? Producer::RunFront : Producer::Run);
                producer->lastFrame = frameCounter;
            }
        }
    }
    currentTime += n;
    for (Environment* child : children) {
        const double owed = n * static_cast<double>(child->rateFactor) + child->sampleRemainder;
        const int whole = static_cast<int>(owed);
        child->sampleRemainder = owed - whole;
        child->advance(whole, skip);
    }
}

void Environment::storeSampleRate(float rate) {
    sampleRate = rate;
    for (Environment* child : children)
        child->storeSampleRate(child->rateFactor * rate);
}

void Environment::setSampleRate(float rate) {
    if (!std::isfinite(rate) || rate <= 0.0f)
        return; // a nonsensical rate from a host keeps the last good one
    const float previous = sampleRate;
    storeSampleRate(rate);
    if (!(std::fabs(rate - previous) > rateTolerance)) return;
    discontinuityTime = currentTime;
    resetTime = currentTime;
    for (Producer* producer : statefulList)
        producer->sampleRateReset();
    for (Environment* child : children)
        child->notify(SampleRateChanged);
    if (sampleRateHandler) sampleRateHandler(*this);
}

void Environment::notify(Notification kind) {
    discontinuityTime = currentTime;
    if (kind != ParameterJump) resetTime = currentTime;
    if (kind == SampleRateChanged) {
        for (Producer* producer : statefulList)
            if (producer->active) producer->sampleRateReset();
    } else if (kind == Reset || kind == LocalReset) {
        for (Producer* producer : statefulList)
            if (producer->active) producer->reset();
    }
    if (kind == LocalReset) return;
    for (Environment* child : children)
        child->notify(kind);
}

bool Environment::allIdle() const {
    for (const Environment* child : children)
        if (!child->allIdle()) return false;
    for (Producer* producer : statefulList)
        if (!producer->isIdle()) return false;
    return true;
}

void Environment::shutDown() {
    shuttingDown = 1;
    for (Environment* child : children)
        child->shutDown();
}

void Environment::setDisplayWatched(bool watched) {
    displayWatched = watched ? 1 : 0;
    for (Environment* child : children)
        child->setDisplayWatched(watched);
}

void Environment::addChild(Environment& child, float factor) {
    if (child.parent != nullptr) child.parent->removeChild(child);
    children.push_back(&child);
    child.parent = this;
    child.rateFactor = factor;
    child.storeSampleRate(factor * sampleRate);
}

void Environment::removeChild(Environment& child) {
    const auto found = std::find(children.begin(), children.end(), &child);
    if (found == children.end()) return;
    children.erase(found);
    child.parent = nullptr;
}

void Environment::addProducer(Producer* producer, int order) {
    if (order == Producer::Front) {
        runList.insert(runList.begin(), producer);
        ++frontGroupSize;
    } else if (order == Producer::AfterFront) {
        runList.insert(runList.begin() + frontGroupSize, producer);
    } else {
        runList.push_back(producer);
    }
}

void Environment::removeProducer(Producer* producer) {
    const auto found = std::find(runList.begin(), runList.end(), producer);
    if (found == runList.end()) return;
    if (found - runList.begin() < frontGroupSize) --frontGroupSize;
    runList.erase(found);
}

void Environment::addStatefulProducer(Producer* producer) {
    statefulList.push_back(producer);
}

void Environment::removeStatefulProducer(Producer* producer) {
    const auto found = std::find(statefulList.begin(), statefulList.end(), producer);
    if (found != statefulList.end()) statefulList.erase(found);
}

void Environment::registerProducerCapacity() {
    ++producerCount;
    const std::size_t needed = static_cast<std::size_t>(producerCount);
    // Grow geometrically: graphs construct hundreds of producers during setup.
    if (runList.capacity() < needed) runList.reserve(std::max(needed, 2 * runList.capacity()));
    if (statefulList.capacity() < needed) statefulList.reserve(std::max(needed, 2 * statefulList.capacity()));
}

} // namespace wave
