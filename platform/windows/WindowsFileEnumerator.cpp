// Folder enumeration with FindFirstFileW/FindNextFileW.
#include "platform/FileEnumerator.h"

#include "platform/windows/WindowsText.h"

#include <windows.h>

namespace {

// FILETIME counts 100 ns units since 1601-01-01.
std::int64_t unixSeconds(const FILETIME& time) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000u) - 11644473600;
}

class WindowsFileEnumerator final : public FileEnumerator {
public:
    WindowsFileEnumerator(const std::string& pattern, Kind kind)
        : m_kind(kind), m_search(FindFirstFileW(toWide(pattern).c_str(), &m_found)), m_haveFound(true) {}

    ~WindowsFileEnumerator() override {
        if (m_search != INVALID_HANDLE_VALUE) FindClose(m_search);
    }

    bool next() override {
        if (m_search == INVALID_HANDLE_VALUE) return false;
        for (;;) {
            if (!m_haveFound && !FindNextFileW(m_search, &m_found)) return false;
            m_haveFound = false;
            const bool isFolder = (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (isFolder == (m_kind == Kind::Folders)) {
                m_name = toUtf8(m_found.cFileName);
                m_modificationTime = unixSeconds(m_found.ftLastWriteTime);
                return true;
            }
        }
    }

    const std::string& name() const override { return m_name; }
    std::int64_t modificationTime() const override { return m_modificationTime; }

private:
    Kind m_kind;
    WIN32_FIND_DATAW m_found{};
    HANDLE m_search;
    // FindFirstFileW already fetched the first entry.
    bool m_haveFound;
    std::string m_name;
    std::int64_t m_modificationTime = 0;
};

} // namespace

std::unique_ptr<FileEnumerator> createFileEnumerator(const std::string& pattern, FileEnumerator::Kind kind) {
    return std::make_unique<WindowsFileEnumerator>(pattern, kind);
}
