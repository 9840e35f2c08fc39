// The module of this library: module lookup and version text come from the platform layer, the
// identity values from the product.
#include "clap/ClapModule.h"
#include "platform/Module.h"
#include "platform/VersionInfo.h"
#include "product/LumenorIdentity.h"

ClapModule& ClapModule::instance() {
    static ClapModule module([](const std::string& path) { return findLoadedModule(path); },
                             [] {
                                 return std::make_unique<ClapDescriptors>(lumenorPluginInfo(),
                                                                          libraryVersionValue("ProductVersion"),
                                                                          LUMENOR_MAKER_URL, LUMENOR_SUPPORT_URL);
                             });
    return module;
}
