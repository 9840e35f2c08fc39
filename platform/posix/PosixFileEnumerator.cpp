// Folder enumeration with opendir/readdir, wildcard matching with fnmatch and entry details from stat.
#include "platform/FileEnumerator.h"

#include "platform/Files.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace {

class PosixFileEnumerator final : public FileEnumerator {
public:
    PosixFileEnumerator(const std::string& pattern, Kind kind)
        : m_folder(folderPart(pattern)), m_wildcard(pattern.substr(m_folder.size())), m_kind(kind),
          m_directory(opendir(m_folder.empty() ? "." : m_folder.c_str())) {}

    ~PosixFileEnumerator() override {
        if (m_directory) closedir(m_directory);
    }

    bool next() override {
        if (!m_directory) return false;
        while (const dirent* entry = readdir(m_directory)) {
            // Case-insensitive like the file systems the presets come from.
            if (fnmatch(m_wildcard.c_str(), entry->d_name, FNM_CASEFOLD) != 0) continue;
            struct stat status {};
            if (stat((m_folder + entry->d_name).c_str(), &status) != 0) continue;
            if (S_ISDIR(status.st_mode) != (m_kind == Kind::Folders)) continue;
            m_name = entry->d_name;
            m_modificationTime = static_cast<std::int64_t>(status.st_mtime);
            return true;
        }
        return false;
    }

    const std::string& name() const override { return m_name; }
    std::int64_t modificationTime() const override { return m_modificationTime; }

private:
    std::string m_folder;
    std::string m_wildcard;
    Kind m_kind;
    DIR* m_directory;
    std::string m_name;
    std::int64_t m_modificationTime = 0;
};

} // namespace

std::unique_ptr<FileEnumerator> createFileEnumerator(const std::string& pattern, FileEnumerator::Kind kind) {
    return std::make_unique<PosixFileEnumerator>(pattern, kind);
}
