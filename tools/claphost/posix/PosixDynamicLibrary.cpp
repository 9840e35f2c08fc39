// The dlopen realisation of IDynamicLibrary. RTLD_NOW makes a library with unresolved symbols fail at
// load, as real hosts see it; RTLD_LOCAL keeps its symbols out of the global namespace.
#include "tools/claphost/DynamicLibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace claphost {
namespace {

class PosixDynamicLibrary final : public IDynamicLibrary {
public:
    PosixDynamicLibrary(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~PosixDynamicLibrary() override { dlclose(handle_); }
    PosixDynamicLibrary(const PosixDynamicLibrary&) = delete;
    PosixDynamicLibrary& operator=(const PosixDynamicLibrary&) = delete;

    void* symbol(const char* name) const override { return dlsym(handle_, name); }
    const std::string& nativePath() const override { return path_; }

private:
    void* handle_;
    std::string path_;
};

} // namespace

std::unique_ptr<IDynamicLibrary> openDynamicLibrary(const std::string& path, std::string& error) {
    // dlopen searches the library path for a bare file name: always hand it a path with a slash.
    std::error_code failure;
    std::string absolute = std::filesystem::absolute(path, failure).string();
    if (failure || path.empty()) {
        error = "cannot resolve the path '" + path + "'";
        return nullptr;
    }
    dlerror();
    void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = "cannot load '" + absolute + "': " + (reason ? reason : "unknown error");
        return nullptr;
    }
    return std::make_unique<PosixDynamicLibrary>(handle, std::move(absolute));
}

} // namespace claphost
