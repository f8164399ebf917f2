// The program's options: what each asks for, and every mistake refused with
// status 2 and one line.  That they touch no folder and open no window is
// tests/scripts/command_line.sh's business (the real program).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/language.h"

namespace {

CommandLine read(std::vector<std::string> arguments) {
    return readCommandLine(arguments);
}

// A refusal: no play, status 2, exactly one line on standard error.
void expectRefused(const std::vector<std::string>& arguments) {
    CommandLine got = read(arguments);
    std::string shown = arguments.empty() ? "" : arguments.back();
    EXPECT_FALSE(got.play) << shown;
    EXPECT_EQ(got.exitStatus, COMMAND_LINE_REFUSED) << shown;
    EXPECT_TRUE(got.answerIsError) << shown;
    EXPECT_EQ(got.answer.rfind("meadow_mosaics: ", 0), 0u) << got.answer;
    EXPECT_EQ(got.answer.find('\n'), got.answer.size() - 1) << got.answer;
}

} // namespace

TEST(CommandLine, NoOptionsPlaysInTheEnvironmentsLanguage) {
    CommandLine got = read({});
    EXPECT_TRUE(got.play);
    EXPECT_EQ(got.options.language, "");
    EXPECT_EQ(got.answer, "");
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    CommandLine help = read({"--help"});
    EXPECT_FALSE(help.play);
    EXPECT_EQ(help.exitStatus, COMMAND_LINE_ANSWERED);
    EXPECT_FALSE(help.answerIsError);
    EXPECT_EQ(help.answer.rfind("Usage: meadow_mosaics", 0), 0u);
    for (const char* option : {"--language=LL", "--help", "--version"})
        EXPECT_NE(help.answer.find(option), std::string::npos) << option;
    for (const char* language : GAME_LANGUAGES)
        EXPECT_NE(help.answer.find(std::string(" ") + language), std::string::npos) << language;

    CommandLine version = read({"--version"});
    EXPECT_FALSE(version.play);
    EXPECT_EQ(version.exitStatus, COMMAND_LINE_ANSWERED);
    EXPECT_FALSE(version.answerIsError);
    EXPECT_EQ(version.answer.rfind("meadow_mosaics (Meadow Mosaics) ", 0), 0u) << version.answer;
    std::string number = version.answer.substr(32, version.answer.find('\n') - 32);
    EXPECT_EQ(std::count(number.begin(), number.end(), '.'), 2) << number;

    // Abbreviated as GNU programs allow; help wins over version.
    EXPECT_EQ(read({"--vers"}).answer, version.answer);
    EXPECT_EQ(read({"--version", "--help"}).answer, help.answer);
}

TEST(CommandLine, LanguageChoosesEachOfTheTen) {
    for (const char* language : GAME_LANGUAGES) {
        CommandLine joined = read({std::string("--language=") + language});
        EXPECT_TRUE(joined.play) << language;
        EXPECT_EQ(joined.options.language, language);
        CommandLine apart = read({"--language", language});
        EXPECT_TRUE(apart.play) << language;
        EXPECT_EQ(apart.options.language, language);
    }
    // A locale's name gives its language, as from the environment.
    EXPECT_EQ(read({"--language=pt"}).options.language, "pt_BR");
    EXPECT_EQ(read({"--language=uk_UA.UTF-8"}).options.language, "uk");
    EXPECT_EQ(read({"--lang=de"}).options.language, "de");
    // The last one given counts.
    EXPECT_EQ(read({"--language=de", "--language=fr"}).options.language, "fr");
}

TEST(CommandLine, UnknownLanguageIsRefusedWithTheList) {
    for (const char* wrong : {"--language=xx", "--language=", "--language=C", "--language=sv_SE"})
        expectRefused({wrong});
    std::string answer = read({"--language=xx"}).answer;
    EXPECT_NE(answer.find("'xx'"), std::string::npos) << answer;
    for (const char* language : GAME_LANGUAGES)
        EXPECT_NE(answer.find(std::string(" ") + language), std::string::npos) << answer;
}

TEST(CommandLine, AnythingElseIsRefused) {
    expectRefused({"--fullscreen"});
    expectRefused({"-x"});
    expectRefused({"-h"});
    expectRefused({"picture.png"});
    expectRefused({"--language"});        // no value
    expectRefused({"--help=all"});        // a value where none is taken
    expectRefused({"--help", "--bogus"}); // a mistake wins over help
    expectRefused({"--language=de", "extra"});
    EXPECT_NE(read({"--bogus"}).answer.find("'--bogus'"), std::string::npos);
    EXPECT_NE(read({"picture.png"}).answer.find("'picture.png'"), std::string::npos);
    EXPECT_NE(read({"--language"}).answer.find("needs a value"), std::string::npos);
    // After a refusal the next reading starts afresh.
    EXPECT_TRUE(read({"--language=ru"}).play);
}
