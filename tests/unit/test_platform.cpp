// The Linux layer: where the settings folder goes, where the archives are
// looked for, the end signals, and opening a web page through a stand-in
// xdg-open that records what it was given.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/platform.h"
#include "tests/support/test_files.h"

namespace {

// Sets environment variables for one test and puts the old values back.
struct EnvironmentGuard {
    std::vector<std::pair<std::string, std::string>> saved;
    std::vector<std::string> unset;
    void set(const char* name, const char* value) {
        remember(name);
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    void remember(const char* name) {
        for (auto& entry : saved)
            if (entry.first == name) return;
        for (auto& entry : unset)
            if (entry == name) return;
        const char* old = getenv(name);
        if (old)
            saved.emplace_back(name, old);
        else
            unset.push_back(name);
    }
    ~EnvironmentGuard() {
        for (auto& [name, value] : saved)
            setenv(name.c_str(), value.c_str(), 1);
        for (auto& name : unset)
            unsetenv(name.c_str());
    }
};

bool isFolder(const std::string& path, mode_t* mode = nullptr) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (mode) *mode = info.st_mode & 0777;
    return true;
}

} // namespace

TEST(Platform, SettingsFolderFollowsXdgThenHome) {
    TempFolder temp;
    const std::string& dir = temp.path;
    EnvironmentGuard env;

    env.set("XDG_DATA_HOME", (dir + "xdg/deep").c_str()); // parents are made too
    std::string folder = settingsFolder();
    EXPECT_EQ(folder, dir + "xdg/deep/meadow_mosaics/");
    mode_t mode = 0;
    EXPECT_TRUE(isFolder(folder, &mode));
    EXPECT_EQ(mode, 0700u);
    EXPECT_EQ(settingsFolder(), folder); // already there: the same answer

    env.set("HOME", (dir + "home").c_str());
    for (const char* ignored : {"", "relative/path"}) {
        env.set("XDG_DATA_HOME", ignored);
        EXPECT_EQ(settingsFolder(), dir + "home/.local/share/meadow_mosaics/") << ignored;
    }
    env.set("XDG_DATA_HOME", nullptr);
    EXPECT_TRUE(isFolder(dir + "home/.local/share/meadow_mosaics/"));

    env.set("HOME", nullptr);
    EXPECT_EQ(settingsFolder(), "");
    // A file where a folder should be: no folder can be had.
    std::ofstream(dir + "blocker") << "x";
    env.set("HOME", (dir + "blocker").c_str());
    EXPECT_EQ(settingsFolder(), "");
}

TEST(Platform, EnvironmentKeepsRenderingInTheWindow) {
    EnvironmentGuard env;
    env.set("SDL12COMPAT_OPENGL_SCALING", "1");
    preparePlatformEnvironment();
    EXPECT_STREQ(getenv("SDL12COMPAT_OPENGL_SCALING"), "0");
}

TEST(Platform, WebPageGoesToXdgOpenAsOneArgumentWithoutAShell) {
    TempFolder temp;
    const std::string& dir = temp.path;
    std::string log = dir + "argv.txt";
    std::string script = dir + "xdg-open";
    std::ofstream(script) << "#!/bin/sh\n"
                             "printf '%s\\n' \"$#\" \"$@\" > \"$MEADOW_XDG_LOG.part\"\n"
                             "mv \"$MEADOW_XDG_LOG.part\" \"$MEADOW_XDG_LOG\"\n";
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);
    EnvironmentGuard env;
    env.set("PATH", (dir.substr(0, dir.size() - 1) + ":" + getenv("PATH")).c_str());
    env.set("MEADOW_XDG_LOG", log.c_str());

    // Shell syntax in the address must reach the browser as plain text.
    const std::string url = "https://example.org/a b?x=1&y=$(touch " + dir + "pwned);'\"";
    openWebPage(url);
    // The middle child has been reaped already: no zombie, nothing to wait for.
    int status;
    errno = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);

    std::string text;
    for (int i = 0; i < 500 && text.empty(); i++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(log);
        std::stringstream content;
        content << in.rdbuf();
        text = content.str();
    }
    EXPECT_EQ(text, "1\n" + url + "\n");
    EXPECT_FALSE(access((dir + "pwned").c_str(), F_OK) == 0);
}

TEST(Platform, MissingBrowserIsSilent) {
    TempFolder temp;
    const std::string& dir = temp.path;
    EnvironmentGuard env;
    env.set("PATH", dir.c_str()); // no xdg-open anywhere
    openWebPage("https://example.org/");
    int status;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
}

TEST(Platform, ArchivesAreFoundBesideTheProgramBeforeTheCurrentFolder) {
    TempFolder temp;
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(chdir(temp.path.c_str()), 0);
    std::string program = std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
    std::string name = "meadow_platform_test_" + std::to_string(getpid()) + ".pak";
    std::ofstream(name) << "x";
    EXPECT_EQ(archivePath(name), name); // only in the current folder
    std::ofstream(program + name) << "x";
    EXPECT_EQ(archivePath(name), program + name); // beside the program wins
    std::filesystem::remove(program + name);
    std::filesystem::remove(name);
    std::filesystem::create_directory(name); // a folder is no archive
    EXPECT_EQ(archivePath(name), "");
    EXPECT_EQ(archivePath(temp.path + "none.pak"), "");
    EXPECT_NE(archiveSearchText().find(program), std::string::npos);
    ASSERT_EQ(chdir(here), 0);
}

TEST(Platform, EndSignalsOnlyRaiseTheFlag) {
    struct sigaction saved[3];
    const int signals[] = {SIGTERM, SIGINT, SIGHUP};
    for (int i = 0; i < 3; i++)
        sigaction(signals[i], nullptr, &saved[i]);
    catchEndSignals();
    for (int signal : signals) {
        clearEndRequest();
        EXPECT_FALSE(endRequested());
        raise(signal); // the test goes on: the signal no longer ends the process
        EXPECT_TRUE(endRequested()) << signal;
    }
    clearEndRequest();
    for (int i = 0; i < 3; i++)
        sigaction(signals[i], &saved[i], nullptr);
    signal(SIGPIPE, SIG_DFL);
}
