// The user's folders after the XDG conventions, driven by the environment.
#include "platform/StandardFolders.h"

#include "../PlatformTestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Sets (or, with nothing, removes) environment variables for one test and restores them afterwards.
class ScopedEnvironment {
public:
    ~ScopedEnvironment() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

    void set(const std::string& name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(PosixStandardFolders, ApplicationDataFollowsXdgDataHome) {
    struct Case {
        std::optional<std::string> dataHome;
        std::string expected;
    };
    const Case cases[] = {
        {"/data/home", "/data/home/"},
        {"/data/home/", "/data/home/"},
        {"relative/ignored", "/users/me/.local/share/"},
        {std::nullopt, "/users/me/.local/share/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment environment;
        environment.set("HOME", "/users/me");
        environment.set("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(applicationDataFolder(), c.expected) << c.dataHome.value_or("(unset)");
    }
}

TEST(PosixStandardFolders, DocumentsFollowXdgUserDirectories) {
    PlatformTestFolder home;
    struct Case {
        std::optional<std::string> documentsVariable;
        std::optional<std::string> userDirsLine;
        std::string expected;
    };
    const Case cases[] = {
        {"/elsewhere/Docs", "XDG_DOCUMENTS_DIR=\"$HOME/Ignored\"", "/elsewhere/Docs/"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", home.path() + "Dokumente/"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"/srv/documents\"", "/srv/documents/"},
        {std::nullopt, "XDG_MUSIC_DIR=\"$HOME/Music\"", home.path() + "Documents/"},
        {std::nullopt, std::nullopt, home.path() + "Documents/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment environment;
        environment.set("HOME", home.path());
        environment.set("XDG_CONFIG_HOME", std::nullopt);
        environment.set("XDG_DOCUMENTS_DIR", c.documentsVariable);
        createFolder(home.path() + ".config/");
        std::remove((home.path() + ".config/user-dirs.dirs").c_str());
        if (c.userDirsLine)
            home.writeFile(".config/user-dirs.dirs", "# written by a test\n" + *c.userDirsLine + "\n");
        EXPECT_EQ(documentsFolder(), c.expected) << c.userDirsLine.value_or("(no file)");
    }
}

} // namespace
