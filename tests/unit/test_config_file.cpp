// The config files: where they are looked for and in which order, how a
// later file and the command line override an earlier one, and each kind
// of bad line skipped with one problem naming its file and line.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/config_file.h"

namespace {

GameOptions fromText(const std::string& text, std::vector<std::string>& problems,
                     GameOptions options = GameOptions()) {
    readConfigText(text, "f.conf", options, problems);
    return options;
}

void writeFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Sets an environment variable for one test, and puts it back.
struct Variable {
    std::string name;
    std::string old;
    bool wasSet;
    Variable(const char* n, const std::string& value) : name(n) {
        const char* was = std::getenv(n);
        wasSet = was != nullptr;
        if (was) old = was;
        setenv(n, value.c_str(), 1);
    }
    ~Variable() {
        if (wasSet)
            setenv(name.c_str(), old.c_str(), 1);
        else
            unsetenv(name.c_str());
    }
};

} // namespace

TEST(ConfigFile, FoldersInOrderTheMostImportantSystemFolderLastTheUsersAfterAll) {
    EXPECT_EQ(configFilePaths(nullptr, nullptr, "/home/kim"),
              (std::vector<std::string>{"/etc/xdg/meadow_mosaics/meadow_mosaics.conf",
                                        "/home/kim/.config/meadow_mosaics/meadow_mosaics.conf"}));
    EXPECT_EQ(configFilePaths("/a:relative:/b:", "/u", "/home/kim"),
              (std::vector<std::string>{"/b/meadow_mosaics/meadow_mosaics.conf",
                                        "/a/meadow_mosaics/meadow_mosaics.conf",
                                        "/u/meadow_mosaics/meadow_mosaics.conf"}));
    EXPECT_EQ(configFilePaths("", "", ""),
              (std::vector<std::string>{"/etc/xdg/meadow_mosaics/meadow_mosaics.conf"}))
        << "no home: the system's file only";
}

TEST(ConfigFile, LinesSetOptionsCommentsAndBlanksAreNothing) {
    std::vector<std::string> problems;
    GameOptions got =
        fromText("# the school's\n\n  child-lock = yes  \nlanguage=de\r\n   # end", problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    EXPECT_TRUE(got.childLock);
    EXPECT_EQ(got.language, "de");
    got = fromText("no-child-lock = yes\n", problems, got);
    EXPECT_FALSE(got.childLock);
    got = fromText("child-lock = on\nchild-lock = no", problems, got);
    EXPECT_FALSE(got.childLock) << "the later line wins";
    EXPECT_TRUE(problems.empty());
}

TEST(ConfigFile, EachBadLineIsOneProblemWithItsFileAndLineAndIsSkipped) {
    std::string tooLong(CONFIG_LINE_MAX + 1, ' ');
    tooLong.replace(0, 14, "child-lock=yes");
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"colour = blue", "unknown name 'colour'"},
        {"child-lock = maybe", "yes or no"},
        {"language = xx", "no language 'xx'"},
        {"child-lock", "no '='"},
        {"help = yes", "command line only"},
        {"child-lock = y\xe9s", "not text"},
        {std::string("child-lock = yes\0", 17), "not text"},
        {"child-lock = \xed\xa0\x80", "not text"},
        {tooLong, "longer than 4096 bytes"},
    };
    for (const auto& [line, why] : bad) {
        std::vector<std::string> problems;
        GameOptions got = fromText("language = fr\n" + line + "\nchild-lock = no\n", problems);
        ASSERT_EQ(problems.size(), 1u) << line.substr(0, 40);
        EXPECT_EQ(problems[0].rfind("f.conf:2: ", 0), 0u) << problems[0];
        EXPECT_NE(problems[0].find(why), std::string::npos) << problems[0];
        EXPECT_EQ(got.language, "fr") << "the lines round it still count";
        EXPECT_FALSE(got.childLock);
    }
    std::vector<std::string> problems;
    fromText(std::string(CONFIG_LINE_MAX, 'x').replace(0, 2, "#") + "\n", problems);
    EXPECT_TRUE(problems.empty()) << "a line of exactly the limit is a line";
}

TEST(ConfigFile, SystemThenUserThenCommandLine) {
    std::string root =
        std::filesystem::temp_directory_path() / ("meadow_config_" + std::to_string(getpid()));
    writeFile(root + "/sys2/meadow_mosaics/meadow_mosaics.conf",
              "language = it\nchild-lock = yes\n");
    writeFile(root + "/sys1/meadow_mosaics/meadow_mosaics.conf", "language = nl\n");
    writeFile(root + "/user/meadow_mosaics/meadow_mosaics.conf", "language = pl\nbad\n");
    std::filesystem::create_directories(root + "/sys3/meadow_mosaics/meadow_mosaics.conf");
    Variable dirs("XDG_CONFIG_DIRS",
                  root + "/sys1:" + root + "/sys2:" + root + "/sys3:" + root + "/missing");
    Variable home("XDG_CONFIG_HOME", root + "/user");

    std::vector<std::string> problems;
    GameOptions files = readConfigFiles(problems);
    EXPECT_EQ(files.language, "pl") << "the user's file last";
    EXPECT_TRUE(files.childLock) << "from the school's file";
    ASSERT_EQ(problems.size(), 1u) << "a folder or a missing file is silent";
    EXPECT_EQ(problems[0], root + "/user/meadow_mosaics/meadow_mosaics.conf:2: no '=' (lines are "
                                  "\"name = value\"); skipped");

    CommandLine line = readCommandLine({"--no-child-lock", "--language=uk"}, files);
    EXPECT_TRUE(line.play);
    EXPECT_FALSE(line.options.childLock);
    EXPECT_EQ(line.options.language, "uk");
    line = readCommandLine({}, files);
    EXPECT_TRUE(line.options.childLock);
    EXPECT_EQ(line.options.language, "pl");
    EXPECT_TRUE(readCommandLine({"--child-lock"}).options.childLock);
    EXPECT_FALSE(readCommandLine({"--child-lock=yes"}).play) << "a flag takes no value";

    writeFile(root + "/user/meadow_mosaics/meadow_mosaics.conf",
              std::string(CONFIG_FILE_MAX + 10, '\n') + "child-lock = no\n");
    problems.clear();
    files = readConfigFiles(problems);
    EXPECT_TRUE(files.childLock) << "past the size read, nothing counts";
    EXPECT_EQ(problems.size(), 1u);
    std::filesystem::remove_all(root);
}

TEST(ConfigFile, HelpNamesEveryOptionOfTheTable) {
    std::string help = usageText();
    for (size_t i = 0; i < OPTION_COUNT; ++i)
        EXPECT_NE(help.find(std::string("--") + OPTIONS[i].name), std::string::npos)
            << OPTIONS[i].name;
    EXPECT_NE(help.find("meadow_mosaics.conf"), std::string::npos);
}
