// Module lookups with the dynamic linker: a module is known by its link-map handle.
#include "platform/Module.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>

namespace {

// The address of code that certainly lives in this module.
void* addressInThisModule() {
    return reinterpret_cast<void*>(&addressInThisModule);
}

std::string canonicalPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// dlopen never finds the main program by its path, so that one is compared by hand.
bool isMainProgram(const std::string& path) {
    return canonicalPath(path) == canonicalPath("/proc/self/exe");
}

} // namespace

ModuleHandle ownModuleHandle() {
    Dl_info info{};
    link_map* module = nullptr;
    if (dladdr1(addressInThisModule(), &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) == 0)
        return nullptr;
    return module;
}

ModuleHandle findLoadedModule(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!handle && isMainProgram(path)) handle = dlopen(nullptr, RTLD_LAZY);
    // Drop the reference dlopen just took; the handle stays valid while the module stays loaded.
    if (handle) dlclose(handle);
    return handle;
}

std::string libraryFilePath() {
    Dl_info info{};
    if (dladdr(addressInThisModule(), &info) == 0 || !info.dli_fname || !info.dli_fname[0])
        return canonicalPath("/proc/self/exe");
    return canonicalPath(info.dli_fname);
}

bool retainOwnModule() {
    // dlopen of the program itself by path fails; the program never unloads anyway.
    const std::string path = libraryFilePath();
    return isMainProgram(path) || dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD) != nullptr;
}

void releaseOwnModule() {
    const std::string path = libraryFilePath();
    if (isMainProgram(path)) return;
    if (void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD)) {
        dlclose(handle);
        dlclose(handle);
    }
}
