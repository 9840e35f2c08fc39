// BasicBlock: construction, registration with the environment and resizing.
#include "wave/BasicBlock.h"

#include "wave/Environment.h"

namespace wave {

template <typename T> BasicBlock<T>::BasicBlock(Environment& owner) : environment(&owner) {
    this->allocate(owner.bufferSize());
    owner.addBlockListener(this);
}

template <typename T> void BasicBlock<T>::maxBlockSizeChanged(int newSize) {
    this->resize(newSize);
}

template <typename T> BasicBlock<T>::~BasicBlock() {
    if (!environment->shuttingDown) environment->removeBlockListener(this);
}

template class BasicBlock<float>;

} // namespace wave
