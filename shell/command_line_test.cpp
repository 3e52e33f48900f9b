// The program arguments: where -windowed counts, and the leaving options.
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

TEST(CommandLineArguments, WindowedOnlyAsTheFirstArgument) {
  EXPECT_TRUE(Parse({"-windowed"}).windowed);
  EXPECT_TRUE(Parse({" -windowed"}).windowed);
  EXPECT_TRUE(Parse({"-windowed", "--level", "5"}).windowed);
  EXPECT_FALSE(Parse({}).windowed);
  EXPECT_FALSE(Parse({"--version", "-windowed"}).windowed);
  EXPECT_FALSE(Parse({"-Windowed"}).windowed);
  EXPECT_FALSE(Parse({"-windowed "}).windowed);
  EXPECT_FALSE(Parse({"  -windowed"}).windowed);
}

TEST(CommandLineArguments, HelpAndVersionAnywhere) {
  EXPECT_TRUE(Parse({"--help"}).showHelp);
  EXPECT_TRUE(Parse({"-windowed", "--help"}).showHelp);
  EXPECT_TRUE(Parse({"--version"}).showVersion);
  CommandLine plain = Parse({"-windowed"});
  EXPECT_FALSE(plain.showHelp);
  EXPECT_FALSE(plain.showVersion);
  EXPECT_EQ(plain.unknown, nullptr);
}

TEST(CommandLineArguments, FirstUnknownArgumentIsKeptForTheDiagnostic) {
  CommandLine line = Parse({"--fast", "--loud"});
  ASSERT_NE(line.unknown, nullptr);
  EXPECT_STREQ(line.unknown, "--fast");
  EXPECT_FALSE(line.windowed);
}

TEST(CommandLineArguments, NoArgumentsAtAllOrNullEntries) {
  const char* nothing[] = {nullptr};
  EXPECT_FALSE(ParseCommandLine(0, nothing).windowed);
  const char* holes[] = {"rivet-run", nullptr, "--help"};
  EXPECT_TRUE(ParseCommandLine(3, holes).showHelp);
}

}  // namespace
