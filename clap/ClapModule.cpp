#include "clap/ClapModule.h"

ClapModule::ClapModule(ModuleLookup lookup, DescriptorFactory makeDescriptors)
    : lookup_(std::move(lookup)),
      makeDescriptors_(std::move(makeDescriptors)) {}

bool ClapModule::init(const char* pluginPath) {
    std::lock_guard<std::mutex> guard(mutex_);
    if (++count_ != 1) return true;
    void* handle = pluginPath ? lookup_(pluginPath) : nullptr;
    if (!handle) {
        count_ = 0;
        return false;
    }
    moduleHandle_ = handle;
    try {
        descriptors_ = makeDescriptors_();
    } catch (...) {
        // Nothing half-built stays behind.
        count_ = 0;
        moduleHandle_ = nullptr;
        throw;
    }
    return true;
}

void ClapModule::deinit() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (count_ <= 0) return;
    if (--count_ == 0) {
        descriptors_.reset();
        moduleHandle_ = nullptr;
    }
}

int ClapModule::initCount() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return count_;
}
