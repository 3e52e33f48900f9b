// The command line: every option of the table with its values, -windowed
// wherever it stands, and what makes a command line unusable.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "shell/command_line.h"

namespace {

CommandLine Parse(std::initializer_list<const char*> arguments) {
  std::vector<const char*> argv = {"rivet-run"};
  argv.insert(argv.end(), arguments);
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, EveryOptionIsReadWithItsValues) {
  const CommandLine line = Parse({"--level", "7", "--script", "a.txt", "--virtual-clock", "16", "--shot", "1500",
                                  "a.png", "--shot", "3000", "b.png", "--quit-after", "4000", "-windowed"});
  ASSERT_EQ(line.error, "");
  EXPECT_TRUE(line.windowed);  // last, after the run options: still counts
  EXPECT_EQ(line.run.level, 7);
  EXPECT_EQ(line.run.scriptFile, "a.txt");
  EXPECT_EQ(line.run.virtualClockMs, 16u);
  ASSERT_EQ(line.run.shots.size(), 2u);
  EXPECT_EQ(line.run.shots[1].time, 3000u);
  EXPECT_EQ(line.run.shots[1].file, "b.png");
  EXPECT_TRUE(line.run.hasQuitAfter);
  EXPECT_EQ(line.run.quitAfter, 4000u);
  EXPECT_FALSE(line.showHelp || line.showVersion);

  const CommandLine sized = Parse({"--window", "320x240"});
  EXPECT_TRUE(sized.windowed);  // a window size means a window
  EXPECT_EQ(sized.run.windowWidth, 320);
  EXPECT_EQ(sized.run.windowHeight, 240);
  for (const char* windowed : {"--windowed", "-windowed", " -windowed"}) EXPECT_TRUE(Parse({windowed}).windowed);
  EXPECT_FALSE(Parse({}).windowed);
  EXPECT_TRUE(Parse({"-h"}).showHelp);
  EXPECT_TRUE(Parse({"--level", "3", "--version"}).showVersion);
}

TEST(CommandLine, UnknownOptionsAndBadOrMissingValuesAreErrors) {
  for (auto bad : std::vector<std::vector<const char*>>{
           {"--fast"}, {"-Windowed"}, {"-windowed "}, {"level"}, {"--level", "0"}, {"--level", "46"},
           {"--level", "5x"}, {"--level"}, {"--virtual-clock", "0"}, {"--virtual-clock", "-5"}, {"--shot", "100"},
           {"--shot", "100", ""}, {"--window", "320"}, {"--window", "8x8"}, {"--quit-after", "soon"},
           {"--script", ""}, {"-windowed", "--level", "2", "extra"}}) {
    std::vector<const char*> argv = {"rivet-run"};
    argv.insert(argv.end(), bad.begin(), bad.end());
    const CommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
    EXPECT_NE(line.error, "") << argv[1] << " " << (argv.size() > 2 ? argv[2] : "");
  }
  // The value is taken with its option, so "--script" here is a bad level,
  // not an option of its own.
  EXPECT_EQ(Parse({"--level", "--script", "x"}).error, "bad value for --level");
  EXPECT_EQ(Parse({"--fast", "--help"}).error, "unknown option --fast");
}

}  // namespace
