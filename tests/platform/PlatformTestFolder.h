// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include "platform/Files.h"
#include "platform/NamedMemoryBlock.h"

#include <atomic>
#include <filesystem>
#include <string>

class PlatformTestFolder {
public:
    PlatformTestFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("lumenor-platform-" + std::to_string(currentProcessId()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~PlatformTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    // The folder's path, ending with the platform's separator.
    std::string path() const {
        const std::u8string utf8 = m_path.u8string();
        return joinPath(std::string(utf8.begin(), utf8.end()), "");
    }

    // `name` inside the folder, created with `content`.
    std::string writeFile(const std::string& name, const std::string& content = "x") const {
        const std::string file = joinPath(path(), name);
        std::fstream stream = openFileStream(file, FileMode::Write | FileMode::Truncate);
        stream << content;
        return file;
    }

private:
    std::filesystem::path m_path;
};
