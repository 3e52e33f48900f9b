// Every shipped level needs the cells its idea rests on, and the levels of a
// difficulty come in order of rising difficulty.
#include "level_needs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "level_catalogue.h"


namespace {

std::string SourceDir() {
  const char* value = std::getenv("RR_SOURCE_DIR");
  std::string tree = value != nullptr && *value != '\0' ? value : RR_BUILT_SOURCE_DIR;
  return tree + "/content/levels";
}

const std::vector<LevelSource>& ShippedLevels() {
  static const std::vector<LevelSource> levels = [] {
    std::vector<LevelSource> loaded;
    std::string error;
    EXPECT_TRUE(LoadLevelCatalogue(SourceDir(), &loaded, &error)) << error;
    return loaded;
  }();
  return levels;
}

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

// What the generator writes is what the game's loader reads: every cell as
// drawn, the robots in order (one in the last cell of the board) and the time
// limit in milliseconds.
TEST(LevelNeedsTest, TheGameLoadsTheLevelTheSourceDraws) {
  std::vector<std::string> rows(kBoardHeight, std::string(kBoardWidth, '0'));
  rows[0] = "aaaaaaaaaaaaaaaaaa";
  rows[3] = "a0000000000ywzABCD";
  rows[7] = "EFGHIJKLOPmlopqrNM";
  rows[11] = "QRSTbcdefghijkUVX@";
  LevelSource level = MakeLevel(rows, 1);
  level.robots.insert(level.robots.begin(), {8, 4});
  level.timeLimitSeconds = 90;
  std::string error;
  std::unique_ptr<Board> board = LoadSourceBoard(level, &error);
  ASSERT_NE(board, nullptr) << error;
  for (int y = 0; y < kBoardHeight; ++y) {
    for (int x = 0; x < kBoardWidth; ++x) {
      ASSERT_EQ(board->cellChars[x][y], level.rows[y][x]) << x << " " << y;
    }
  }
  ASSERT_EQ(board->robotCount, 2);
  EXPECT_EQ(board->robots[0].x, 8);
  EXPECT_EQ(board->robots[0].y, 4);
  EXPECT_EQ(board->robots[1].x, 17);
  EXPECT_EQ(board->robots[1].y, 11);
  EXPECT_EQ(board->timeLimit, 90000);
  level.timeLimitSeconds = 0;
  EXPECT_EQ(LoadSourceBoard(level, &error)->timeLimit, 0);
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

class ShippedLevelNeedsTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedLevelNeedsTest, EveryNamedCellIsNeeded) {
  int n = GetParam();
  ASSERT_GE(static_cast<int>(ShippedLevels().size()), n);
  const LevelSource& level = ShippedLevels()[n - 1];
  EXPECT_FALSE(level.needs.empty()) << "level " << n << " names no cell its idea needs";
  for (const NeedVerdict& v : CheckNeeds(level, kNeedSearchStates)) {
    std::string found = v.without.outcome == kSolved     ? std::to_string(v.without.moves.size()) + " moves"
                        : v.without.outcome == kGaveUp ? "no answer within the search limit"
                                                       : "unsolvable";
    EXPECT_TRUE(v.needed) << "level " << n << " (par " << level.par << ") without the " << v.need.name
                          << " at " << v.need.x << " " << v.need.y << ": " << found;
  }
}

// One test per level, so the test run checks them side by side.
INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevelNeedsTest, ::testing::Range(1, kShippedLevels + 1));

std::vector<double> RateLevels(int first, int last) {
  std::vector<double> ratings;
  for (int n = first; n <= last; ++n) {
    SolveResult result = SolveSource(ShippedLevels()[n - 1], kDefaultMaxStates);
    EXPECT_EQ(result.outcome, kSolved) << "level " << n;
    ratings.push_back(RateDifficulty(static_cast<int>(result.moves.size()), result.states));
  }
  return ratings;
}

// Within a difficulty each level is at least as hard as the one before it,
// but for a few small steps back.
void ExpectRisingOrder(int first, const std::vector<double>& ratings) {
  constexpr double kSmallStepBack = 3.0;
  constexpr int kStepsBackAllowed = 3;
  int stepsBack = 0;
  for (size_t i = 1; i < ratings.size(); ++i) {
    if (ratings[i] >= ratings[i - 1]) continue;
    ++stepsBack;
    EXPECT_LE(ratings[i - 1] - ratings[i], kSmallStepBack)
        << "level " << first + i << " is much easier than level " << first + i - 1;
  }
  EXPECT_LE(stepsBack, kStepsBackAllowed) << "levels " << first << "-" << first + ratings.size() - 1;
}

TEST(ShippedLevelOrderTest, EasyLevelsRise) {
  ASSERT_GE(static_cast<int>(ShippedLevels().size()), kShippedLevels);
  ExpectRisingOrder(1, RateLevels(1, 15));
}

TEST(ShippedLevelOrderTest, MediumAndHardLevelsRiseAndHardOnesOutdoTheMedianMediumLevel) {
  ASSERT_GE(static_cast<int>(ShippedLevels().size()), kShippedLevels);
  std::vector<double> medium = RateLevels(16, 30), hard = RateLevels(31, 45);
  ExpectRisingOrder(16, medium);
  ExpectRisingOrder(31, hard);
  std::nth_element(medium.begin(), medium.begin() + 7, medium.end());
  for (size_t i = 0; i < hard.size(); ++i) {
    EXPECT_GT(hard[i], medium[7]) << "level " << 31 + i << " is no harder than the median medium level";
  }
}

}  // namespace
