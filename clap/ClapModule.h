// The module-wide state behind the entry record: the initialisation count under a process-wide mutex,
// this library's module handle and the descriptors, built at the first init and freed at the last
// deinit. Main thread.
#pragma once

#include "clap/ClapDescriptors.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

class ClapModule {
public:
    // Answers the handle of an already-loaded module by its path, or null.
    using ModuleLookup = std::function<void*(const std::string& path)>;
    using DescriptorFactory = std::function<std::unique_ptr<ClapDescriptors>()>;

    ClapModule(ModuleLookup lookup, DescriptorFactory makeDescriptors);

    // The module of this library, built from the product identity and the platform's services.
    static ClapModule& instance();

    bool init(const char* pluginPath);
    void deinit();

    // Null while the module is not initialised.
    const ClapDescriptors* descriptors() const { return descriptors_.get(); }
    void* moduleHandle() const { return moduleHandle_; }
    int initCount() const;

private:
    ModuleLookup lookup_;
    DescriptorFactory makeDescriptors_;
    mutable std::mutex mutex_;
    int32_t count_ = 0;
    void* moduleHandle_ = nullptr;
    std::unique_ptr<ClapDescriptors> descriptors_;
};
