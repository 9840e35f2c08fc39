// The user's folders after the XDG base-directory and user-directory conventions.
#include "platform/StandardFolders.h"

#include "platform/Files.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// An environment value that names an absolute folder, or empty.
std::string absoluteFolderFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = absoluteFolderFromEnvironment("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
            home = user->pw_dir;
    }
    return withSeparator(home.empty() ? "/tmp" : home);
}

// The XDG_DOCUMENTS_DIR entry of user-dirs.dirs: a quoted path, absolute or starting with $HOME.
std::string documentsFolderFromUserDirs(const std::string& home) {
    std::string configFolder = absoluteFolderFromEnvironment("XDG_CONFIG_HOME");
    configFolder = configFolder.empty() ? home + ".config/" : withSeparator(configFolder);
    std::ifstream file(configFolder + "user-dirs.dirs");
    const std::string key = "XDG_DOCUMENTS_DIR=";
    for (std::string line; std::getline(file, line);) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        const std::string homeVariable = "$HOME";
        if (value.compare(0, homeVariable.size(), homeVariable) == 0)
            value =
                home + value.substr(value.size() > homeVariable.size() && value[homeVariable.size()] == '/'
                                        ? homeVariable.size() + 1
                                        : homeVariable.size());
        return value.empty() || value.front() != '/' ? std::string() : value;
    }
    return {};
}

} // namespace

std::string applicationDataFolder() {
    const std::string dataHome = absoluteFolderFromEnvironment("XDG_DATA_HOME");
    return dataHome.empty() ? homeFolder() + ".local/share/" : withSeparator(dataHome);
}

std::string documentsFolder() {
    std::string documents = absoluteFolderFromEnvironment("XDG_DOCUMENTS_DIR");
    const std::string home = homeFolder();
    if (documents.empty()) documents = documentsFolderFromUserDirs(home);
    return documents.empty() ? home + "Documents/" : withSeparator(documents);
}
