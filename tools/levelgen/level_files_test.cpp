// The generated files' index names, and what the designer's checks make of a level.
#include "level_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "level_mechanics.h"

namespace {

LevelSource MakeLevel() {
  LevelSource level;
  for (int y = 0; y < kBoardHeight; ++y) level.rows.push_back(std::string(kBoardWidth, '0'));
  level.rows[0] = "aaaaaaaaaaaaaaaaaa";
  level.rows[5][17] = 'D';
  level.robots = {{8, 3}, {0, 11}};
  level.timeLimitSeconds = 90;
  level.par = 1;
  return level;
}

// A name longer than its 14 bytes would run into the next record: it is left
// out; one of exactly 14 bytes fills its record.
TEST(LevelFilesTest, IndexLeavesOutNamesThatDoNotFit) {
  EXPECT_EQ(MakeIndexFile({"levels/far-too-long.rob"}).substr(16, 16), std::string(14, '\0') + "\r\n");
  EXPECT_EQ(MakeIndexFile({"levels/14chars"}).substr(16, 16), "levels/14chars\r\n");
}

TEST(LevelFilesTest, ReportsAFolderThatCannotBeMade) {
  std::string file = ::testing::TempDir() + "/levelgen_not_a_dir";
  std::ofstream(file) << "x";
  std::string error;
  EXPECT_FALSE(WriteLevelFiles({MakeLevel()}, file, &error));
  EXPECT_FALSE(error.empty());
  std::filesystem::remove(file);
}

TEST(LevelMechanicsTest, NamesKindsAndRefusesUnplayableShapes) {
  EXPECT_EQ(CellKindOfChar('~'), 0);  // a character the game does not know is floor

  LevelSource level = MakeLevel();
  EXPECT_EQ(CheckLevelShape(level), "");
  level.rows[7][3] = 'Q';  // a blue door on rollers, no blue switch needed
  level.rows[7][4] = 'E';
  EXPECT_NE(CheckLevelShape(level), "");  // a blue teleport without a blue marker
  level.rows[7][5] = 'H';
  EXPECT_EQ(CheckLevelShape(level), "");
  std::vector<std::string> mechanics = ListMechanics(level);
  for (const char* name : {"wall", "exit", "blue door", "rollers", "teleport", "door on rollers",
                           "several robots", "time limit"}) {
    EXPECT_NE(std::find(mechanics.begin(), mechanics.end(), name), mechanics.end()) << name;
  }
  level.rows[6][6] = 'B';  // a red switch with no red door
  EXPECT_NE(CheckLevelShape(level), "");
  level.rows[6][6] = '0';
  level.rows[5][17] = 'O';  // a cloner entrance alone is no way off the board
  EXPECT_NE(CheckLevelShape(level), "");
  level.rows[9][9] = 'P';
  EXPECT_EQ(CheckLevelShape(level), "");
  // A need must name what its cell holds, once: a level edited under its
  // needs would otherwise test cells that are no longer its idea.
  level.needs = {{3, 7, "blue door on rollers"}, {9, 9, "receiver"}, {1, 1, "floor"}};
  EXPECT_EQ(CheckLevelShape(level), "");
  level.needs.push_back({4, 7, "orange teleport"});
  EXPECT_NE(CheckLevelShape(level).find("holds blue teleport"), std::string::npos);
  level.needs.back() = {9, 9, "receiver"};
  EXPECT_NE(CheckLevelShape(level).find("twice"), std::string::npos);
  level.needs.clear();
  level.robots.push_back({5, 0});  // on the wall
  EXPECT_NE(CheckLevelShape(level), "");
}

LevelSource Drawn(std::vector<std::string> rows) {
  LevelSource level;
  rows.resize(kBoardHeight, std::string(kBoardWidth, 'a'));
  level.rows = rows;
  return level;
}

// Mine fences across a room look the same in a wider room with oil added;
// belts that end on mines look alike however many there are, but not like
// plain belts, nor like a single fence.
TEST(LevelMechanicsTest, TellsLevelsThatLookAlike) {
  LevelSource fences = Drawn({"aaaaa........aaaaa", "aaaaa.KKKKK.Kaaaaa", "aaaaa........aaaaa",
                              "aaaaaKKK.KKK.aaaaa", "aaaaa........aaaaa", "aaaaaaaaDaaaaaaaaa"});
  LevelSource widerFences =
      Drawn({"aaa............aaa", "aaaKKKK.K.KKKKKaaa", "aaa.C..........aaa",
             "aaaKK.KKKKK.KKKaaa", "aaa............aaa", "aaaaaaaaDaaaaaaaaa"});
  LevelSource oneFence = Drawn({"aaa............aaa", "aaaKKKK.K.KKKKKaaa", "aaa.C..........aaa",
                                "aaa............aaa", "aaaaaaaaDaaaaaaaaa"});
  LevelSource belts = Drawn({"aaaa.....q...qaaaa", "aaaaNrrrrrrr.qaaaa", "aaaa.........qaaaa",
                             "aaaa.rrrrrrrM.aaaa", "aaaa..........aaaa"});
  LevelSource moreBelts = Drawn({"aa..@.rrrrrrrrrrMa", "aa..............aa", "aa......rrrrrrrQDa",
                                 "aa...........y..aa", "aa.@..rrrrrrrrrrNa"});
  LevelSource plainBelts = Drawn({"aaaaaa@.lllll.Daaa", "aaaaaa.aaaaaaaaaaa", "aaaaaa..lllll.aaaa",
                                  "aaaaaa@aaaaaa.aaaa", "aaaaaaaaaaaaaDaaaa"});
  EXPECT_TRUE(LevelsLookAlike(fences, widerFences));
  EXPECT_TRUE(LevelsLookAlike(belts, moreBelts));
  EXPECT_TRUE(LevelsLookAlike(oneFence, oneFence));  // the same board
  EXPECT_FALSE(LevelsLookAlike(fences, oneFence));
  EXPECT_FALSE(LevelsLookAlike(belts, plainBelts));
  EXPECT_FALSE(LevelsLookAlike(fences, belts));
  std::vector<std::string> lines = ListBoardLines(moreBelts);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "rollers rows into mine"), 2) << lines.size();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "rollers rows into exit"), 1);
}

}  // namespace
