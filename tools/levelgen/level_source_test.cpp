// The level source reader: what a designer may write and what it refuses.
#include "level_source.h"

#include <gtest/gtest.h>

namespace {

const char* kBoard =
    "board:\n"
    "aaaaaaaaaaaaaaaaaa\n"
    "a.@..............a\n"
    "a................a\n"
    "a.......@.......Da\n"
    "a................a\n"
    "a................a\n"
    "a................a\n"
    "a................a\n"
    "a................a\n"
    "a................a\n"
    "a...........y....a\n"
    "aaaaaaaaaaaaaaaaaa\n";

std::string MakeSource(const std::string& keys) { return keys + kBoard; }

const char* kKeys =
    "# a comment\n"
    "title: Pierwsze kroki\n"
    "hint: Strzałki prowadzą wszystkie roboty naraz\n"
    "time: none\n"
    "par: 4\n";

std::string ParseError(const std::string& text) {
  LevelSource level;
  std::string error;
  EXPECT_FALSE(ParseLevelSource(text, &level, &error)) << text;
  return error;
}

TEST(LevelSourceTest, ReadsKeysBoardAndRobotsInFileOrder) {
  LevelSource level;
  std::string error;
  std::string text = MakeSource(std::string(kKeys) + "robot: 12 10\nsolution: RRDL\n");
  ASSERT_TRUE(ParseLevelSource(text, &level, &error)) << error;
  EXPECT_EQ(level.title, "Pierwsze kroki");
  EXPECT_EQ(level.hint, "Strzałki prowadzą wszystkie roboty naraz");
  EXPECT_EQ(level.timeLimitSeconds, 0);
  EXPECT_EQ(level.par, 4);
  EXPECT_EQ(level.solution, "RRDL");
  ASSERT_EQ(level.rows.size(), 12u);
  EXPECT_EQ(level.rows[1], "a0000000000000000a");  // '.' and '@' are floor
  EXPECT_EQ(level.rows[3][16], 'D');
  // A robot given by coordinates joins the drawn ones in row-by-row order.
  ASSERT_EQ(level.robots.size(), 3u);
  EXPECT_EQ(level.robots[0].x, 2);
  EXPECT_EQ(level.robots[0].y, 1);
  EXPECT_EQ(level.robots[1].x, 8);
  EXPECT_EQ(level.robots[1].y, 3);
  EXPECT_EQ(level.robots[2].x, 12);
  EXPECT_EQ(level.robots[2].y, 10);
}

TEST(LevelSourceTest, AcceptsCrLfLinesAndATimeInSeconds) {
  std::string text = "title: T\r\nhint: H\r\ntime: 90\r\npar: 2\r\n";
  std::string board = kBoard;
  for (size_t at = board.find('\n'); at != std::string::npos; at = board.find('\n', at + 2)) {
    board.replace(at, 1, "\r\n");
  }
  LevelSource level;
  std::string error;
  ASSERT_TRUE(ParseLevelSource(text + board, &level, &error)) << error;
  EXPECT_EQ(level.timeLimitSeconds, 90);
  EXPECT_EQ(level.rows[11], "aaaaaaaaaaaaaaaaaa");
}

TEST(LevelSourceTest, RefusesBadBoards) {
  std::string shortRow = MakeSource(kKeys);
  shortRow.replace(shortRow.find("a.@"), 3, "a@");
  EXPECT_NE(ParseError(shortRow).find("18 characters"), std::string::npos);

  std::string elevenRows = MakeSource(kKeys);
  elevenRows.erase(elevenRows.rfind("aaaaaaaaaaaaaaaaaa\n"));
  EXPECT_NE(ParseError(elevenRows).find("12 rows"), std::string::npos);

  std::string thirteenRows = MakeSource(kKeys) + "a................a\n";
  EXPECT_NE(ParseError(thirteenRows).find("last thing"), std::string::npos);

  std::string tab = MakeSource(kKeys);
  tab[tab.find("a.@") + 1] = '\t';
  EXPECT_NE(ParseError(tab).find("unprintable"), std::string::npos);

  EXPECT_FALSE(ParseError(std::string(kKeys)).empty());  // no board at all

  std::string noRobot = MakeSource(kKeys);
  for (size_t at; (at = noRobot.find('@')) != std::string::npos;) noRobot[at] = '.';
  EXPECT_NE(ParseError(noRobot).find("robot"), std::string::npos);
}

// Each refusal names what is wrong.
TEST(LevelSourceTest, RefusesBadOrMissingKeys) {
  const std::string base = "title: T\nhint: H\n", keys = base + "time: none\npar: 3\n";
  const std::pair<std::string, const char*> cases[] = {
      {base + "par: 3\n", "required"},          {base + "time: none\n", "required"},
      {base + "time: -5\npar: 3\n", "time"},     {base + "time: 10s\npar: 3\n", "time"},
      {base + "time: none\npar: 0\n", "par"},    {base + "time: none\npar: 99999999999\n", "par"},
      {keys + "colour: red\n", "unknown"},       {keys + "solution: RX\n", "letters"},
      {keys + "solution: RR\n", "par moves"},    {keys + "robot: 18 0\n", "column"},
      {keys + "need: 3 12 exit\n", "need"},      {keys + "need: 3 4\n", "need"},
      {"title T\n", "key: value"},
  };
  for (const auto& [text, word] : cases) EXPECT_NE(ParseError(MakeSource(text)).find(word), std::string::npos) << text;
}

// Card texts are counted in characters, not bytes, and must be whole UTF-8.
TEST(LevelSourceTest, CardTextsMustBeShortUtf8) {
  std::string tail = "time: none\npar: 3\n";
  EXPECT_NE(ParseError(MakeSource("title: T\nhint: caf\xC3\n" + tail)).find("UTF-8"),
            std::string::npos);
  EXPECT_EQ(CountUtf8Chars("a\x80"), -1);     // stray continuation byte
  EXPECT_EQ(CountUtf8Chars("a\tb"), -1);      // control characters are not card text
  // 64 Polish letters fit on a card (they are two bytes each), 65 do not.
  std::string fits, tooLong;
  for (int i = 0; i < 64; ++i) fits += "ł";
  tooLong = fits + "a";
  LevelSource level;
  std::string error;
  EXPECT_TRUE(ParseLevelSource(MakeSource("title: T\nhint: " + fits + "\n" + tail), &level, &error))
      << error;
  EXPECT_NE(ParseError(MakeSource("title: T\nhint: " + tooLong + "\n" + tail)).find("hint"),
            std::string::npos);
}

}  // namespace
