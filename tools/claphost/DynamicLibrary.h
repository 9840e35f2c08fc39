// A loaded shared library (.so or DLL) seen only through its exported symbols. The realisation for each
// operating system lives in posix/ or windows/; the build picks one.
#pragma once

#include <memory>
#include <string>

namespace claphost {

class IDynamicLibrary {
public:
    virtual ~IDynamicLibrary() = default;

    // The address of an exported symbol, or null. Main thread.
    virtual void* symbol(const char* name) const = 0;
    // The path the library was loaded from, in the operating system's own form (UTF-8). Any thread.
    virtual const std::string& nativePath() const = 0;
};

// Loads the library at a UTF-8 path with every symbol bound now; answers null and a readable error when
// it cannot be loaded. The library is unloaded when the answer is destroyed. Main thread.
std::unique_ptr<IDynamicLibrary> openDynamicLibrary(const std::string& path, std::string& error);

} // namespace claphost
