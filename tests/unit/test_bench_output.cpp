// The benchmark's start-up figure: read from a child that may say other
// things first, and never taken from a line that is not a number.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "bench/bench_session.h"

TEST(BenchOutput, LastLineIsTheFigure) {
    double ms = -1;
    EXPECT_TRUE(lastLineNumber("meadow_mosaics: 0 photos to play; put photos in /tmp/x\n312.500\n", ms));
    EXPECT_DOUBLE_EQ(312.5, ms);
    ms = -1;
    EXPECT_TRUE(lastLineNumber("41.25", ms)); // no newline at the end
    EXPECT_DOUBLE_EQ(41.25, ms);
    ms = -1;
    EXPECT_TRUE(lastLineNumber("7\n\n  \n", ms)); // blank lines after it
    EXPECT_DOUBLE_EQ(7, ms);
}

TEST(BenchOutput, NoFigureLeavesTheValueAlone) {
    double ms = -1;
    EXPECT_FALSE(lastLineNumber("", ms));
    EXPECT_FALSE(lastLineNumber("\n\n", ms));
    // The child died after its greeting, before its figure.
    EXPECT_FALSE(lastLineNumber("meadow_mosaics: 0 photos to play\n", ms));
    EXPECT_FALSE(lastLineNumber("12.5 ms\n", ms)); // trailing words
    EXPECT_FALSE(lastLineNumber("12.5\nnan\n", ms));
    EXPECT_DOUBLE_EQ(-1, ms);
}

TEST(BenchOutput, StartUpGivesTheFrameShownThenDone) {
    double shown = -1, done = -1;
    EXPECT_TRUE(shownAndDone("meadow_mosaics: 0 photos to play\n290.5\n321.25\n", shown, done));
    EXPECT_DOUBLE_EQ(290.5, shown);
    EXPECT_DOUBLE_EQ(321.25, done);
    // One figure only, or the greeting where the first should be: no pair.
    shown = done = -1;
    EXPECT_FALSE(shownAndDone("321.25\n", shown, done));
    EXPECT_FALSE(shownAndDone("meadow_mosaics: 0 photos to play\n321.25\n", shown, done));
    EXPECT_DOUBLE_EQ(-1, done);
}

TEST(BenchOutput, ReadsPastTheFirstWrite) {
    int ends[2];
    ASSERT_EQ(0, pipe(ends));
    // Two writes and more than one read's worth: a single read would stop early.
    std::string greeting(700, 'g');
    greeting += '\n';
    ASSERT_EQ((ssize_t)greeting.size(), write(ends[1], greeting.data(), greeting.size()));
    ASSERT_EQ(4, write(ends[1], "9.5\n", 4));
    close(ends[1]);
    std::string text = readUntilEnd(ends[0]);
    close(ends[0]);
    EXPECT_EQ(greeting + "9.5\n", text);
    double ms = 0;
    EXPECT_TRUE(lastLineNumber(text, ms));
    EXPECT_DOUBLE_EQ(9.5, ms);
}
