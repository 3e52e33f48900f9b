// Tests for the log reader: every way a line of "uninstall.log" can end.
#include "uninstall_log.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct ReadResult {
  std::vector<std::string> paths;  // non-empty lines, in order
  int tooLong = 0;
};

// Reads a log the way the worker does, until the file is exhausted.
ReadResult ReadAllLines(std::FILE* file) {
  ReadResult result;
  int guard = 0;
  while (HasMoreLogLines(file) && guard++ < 10000) {
    LogLine line = ReadLogLine(file);
    if (line.tooLong) ++result.tooLong;
    if (!line.path.empty()) result.paths.push_back(line.path);
  }
  EXPECT_LT(guard, 10000) << "the reader never reached the end";
  return result;
}

ReadResult ReadBytes(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  ReadResult result = ReadAllLines(file);
  std::fclose(file);
  return result;
}

using Paths = std::vector<std::string>;

// CR, NUL and 0xFF end a line; an LF alone does not (the names around it
// run together); empty lines are skipped and the last line needs no end.
TEST(UninstallLog, LineEndsSplitPaths) {
  const std::pair<std::string, Paths> cases[] = {
      {"/a/first\r\n/a/second\r\n/a/last\r\n", {"/a/first", "/a/second", "/a/last"}},
      {"one\rtwo\r", {"one", "two"}},
      {"one\0two\xFFthree"s, {"one", "two", "three"}},
      {"data\nfile\n", {"datafile"}},
      {"\nda\nta\r\n\n", {"data"}},
      {"\r\n\r\nfirst\r\r\n\0\xFFlast"s, {"first", "last"}},
      {"", {}},
      {"\r\n\r\n", {}}};
  for (const auto& [bytes, paths] : cases) EXPECT_EQ(ReadBytes(bytes).paths, paths) << bytes;
}

TEST(UninstallLog, OverLongLineIsSkippedWhole) {
  std::string longest(kMaxLogPathBytes, 'a');
  std::string tooLong(kMaxLogPathBytes + 1, 'b');
  ReadResult result = ReadBytes("before\r\n" + tooLong + "\r\n" + longest +
                                "\r\n" + tooLong + "tail\r\nafter");
  EXPECT_EQ(result.paths, (Paths{"before", longest, "after"}));
  EXPECT_EQ(result.tooLong, 2);
  // LF does not count towards the length: it is not part of the path.
  std::string withFeeds = longest.substr(0, 400) + "\n" + longest.substr(400);
  EXPECT_EQ(ReadBytes(withFeeds).paths, (Paths{longest}));
}

TEST(UninstallLog, UnreadableLogEndsInsteadOfLooping) {
  // fopen accepts a directory; every read then fails without reaching EOF.
  char dir[] = "/tmp/rr_uninstall_logdir_XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::FILE* file = std::fopen(dir, "rb");
  if (file) {
    EXPECT_TRUE(ReadAllLines(file).paths.empty());
    std::fclose(file);
  }
  rmdir(dir);
}

}  // namespace
