// Every shipped level needs the cells its idea rests on, and the levels of a
// difficulty come in order of rising difficulty.
#include "level_needs.h"

#include <gtest/gtest.h>


namespace {

LevelSource MakeLevel(const std::vector<std::string>& rows, int par) {
  LevelSource level;
  level.rows = rows;
  level.par = par;
  for (int y = 0; y < kBoardHeight; ++y) {
    for (int x = 0; x < kBoardWidth; ++x) {
      if (level.rows[y][x] == '@') {
        level.rows[y][x] = '0';
        level.robots.push_back({x, y});
      }
    }
  }
  return level;
}

// A far exit nobody needs beside a near one that saves moves; and a door that
// is the only way out: walling it up must not count as opening it.
TEST(LevelNeedsTest, TellsNeededCellsFromSpareOnes) {
  std::vector<std::string> rows(kBoardHeight, std::string(kBoardWidth, 'a'));
  rows[3] = "aD0000@00000000D0a";
  LevelSource level = MakeLevel(rows, 5);
  level.needs = {{1, 3, "exit"}, {15, 3, "exit"}};
  std::vector<NeedVerdict> verdicts = CheckNeeds(level, kNeedSearchStates);
  ASSERT_EQ(verdicts.size(), 2u);
  EXPECT_TRUE(verdicts[0].needed);
  EXPECT_EQ(verdicts[0].without.moves, "RRRRRRRRR");
  EXPECT_FALSE(verdicts[1].needed);
  EXPECT_EQ(verdicts[1].without.moves, "LLLLL");

  rows[3] = "a@0w0Daaaaaaaaaaaa";
  rows[4] = "ay0aaaaaaaaaaaaaaa";
  level = MakeLevel(rows, 6);  // down onto the switch, up, then right through the door
  level.needs = {{3, 3, "blue door"}, {1, 4, "blue switch"}, {5, 3, "exit"}};
  verdicts = CheckNeeds(level, kNeedSearchStates);
  ASSERT_EQ(verdicts.size(), 3u);
  for (const NeedVerdict& v : verdicts) {
    EXPECT_TRUE(v.needed) << v.need.name;
    EXPECT_EQ(v.without.outcome, kUnsolvable) << v.need.name;
  }
}

}  // namespace
