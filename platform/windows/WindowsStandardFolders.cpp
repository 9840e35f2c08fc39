// The user's folders from the shell's known folders, with the registry and fixed paths as fallbacks.
#include "platform/StandardFolders.h"

#include "platform/windows/WindowsText.h"

#include <windows.h>
// The shell's headers need windows.h first.
#include <shlobj.h>

namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) folder += '\\';
    return folder;
}

std::string knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::string result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)) && path) result = toUtf8(path);
    CoTaskMemFree(path);
    return result;
}

std::string programFilesFromRegistry() {
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir",
                     RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return toUtf8(value);
}

} // namespace

std::string applicationDataFolder() {
    std::string folder = knownFolder(FOLDERID_RoamingAppData);
    if (folder.empty()) folder = programFilesFromRegistry();
    return withSeparator(folder.empty() ? "C:\\Program Files" : folder);
}

std::string documentsFolder() {
    const std::string folder = knownFolder(FOLDERID_Documents);
    return withSeparator(folder.empty() ? "C:\\My Documents" : folder);
}
