// Version information from version resources: this library's own straight from its loaded image (no file
// access, so the plug-in's entry can ask for it cheaply), another file's through the version API.
#include "platform/VersionInfo.h"

#include "platform/windows/WindowsModule.h"
#include "platform/windows/WindowsText.h"

#include <vector>

namespace {

// `block` holds a whole version resource; the version API reads it in place.
std::string queryVersionValue(std::vector<std::uint8_t>& block, std::string_view key) {
    std::wstring language = L"040904E4";
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                       &length) &&
        length >= sizeof(Translation)) {
        const unsigned both = (static_cast<unsigned>(translations->language) << 16) | translations->codePage;
        const wchar_t* const digits = L"0123456789ABCDEF";
        for (int i = 0; i < 8; ++i)
            language[static_cast<std::size_t>(i)] = digits[(both >> (28 - 4 * i)) & 0xF];
    }

    const std::wstring query = L"\\StringFileInfo\\" + language + L"\\" + toWide(key);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value ||
        length == 0)
        return {};
    // The length counts the terminating zero when there is one.
    std::wstring_view text(value, length);
    if (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
    return toUtf8(text);
}

} // namespace

std::string fileVersionValue(const std::string& filePath, std::string_view key) {
    const std::wstring path = toWide(filePath);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};
    return queryVersionValue(block, key);
}

std::string libraryVersionValue(std::string_view key) {
    const HMODULE module = thisModule();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_VERSION);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) return {};
    // A writable copy: the version API may convert texts inside the block it is given.
    std::vector<std::uint8_t> block(data, data + SizeofResource(module, resource));
    return queryVersionValue(block, key);
}
