// Producer: registration with the environment's lists and the default operations.
#include "wave/Producer.h"

namespace wave {

Producer::Producer(Environment& owner, OwnBlock block)
    : environment(&owner),
      ownBlock(block == OwnBlock::Create ? std::make_unique<BasicBlock<float>>(owner) : nullptr),
      // One frame behind, so the first pull computes whenever the producer was created.
      lastFrame(static_cast<int>(static_cast<unsigned>(owner.frameCounter) - 1u)),
      currentBlock(&owner.zeroBlock) {
    owner.registerProducerCapacity();
}

Producer::~Producer() {
    if (environment->shuttingDown) return;
    if (registered && active) environment->removeProducer(this);
    if (stateful) environment->removeStatefulProducer(this);
}

float Producer::currentValue() {
    if (currentBlock == nullptr || currentBlock->count <= 0) return 0.0f;
    return currentBlock->data[0];
}

bool Producer::isIdle() {
    return true;
}

void Producer::setActive(bool on) {
    if ((active != 0) == on) return;
    active = on ? 1 : 0;
    if (registered) {
        if (on)
            environment->addProducer(this, order);
        else
            environment->removeProducer(this);
    }
    if (on && stateful) reset();
}

void Producer::pull(BasicBlock<float>* block, int count, int mode) {
    produce(block, count, mode);
}

void Producer::reset() {}

void Producer::sampleRateReset() {
    reset();
}

void Producer::setOrder(int newOrder) {
    order = newOrder;
    if (active) {
        if (registered) environment->removeProducer(this);
        environment->addProducer(this, newOrder);
    }
    registered = 1;
}

void Producer::setStateful(bool on) {
    if ((stateful != 0) == on) return;
    stateful = on ? 1 : 0;
    if (on)
        environment->addStatefulProducer(this);
    else
        environment->removeStatefulProducer(this);
}

} // namespace wave
