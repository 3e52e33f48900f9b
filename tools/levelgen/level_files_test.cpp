// The byte layout of the generated level files, as the level loader reads them.
#include "level_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(LevelFilesTest, LayoutsAreTwelveLinesOfEighteenAndCrLf) {
  LevelSource level = MakeLevel();
  std::string robots = MakeRobotLayout(level);
  std::string board = MakeBoardLayout(level);
  ASSERT_EQ(robots.size(), static_cast<size_t>(kLayoutBytes));
  ASSERT_EQ(board.size(), static_cast<size_t>(kLayoutBytes));
  for (int y = 0; y < kBoardHeight; ++y) {
    EXPECT_EQ(robots.substr(y * 20 + 18, 2), "\r\n");
    EXPECT_EQ(board.substr(y * 20 + 18, 2), "\r\n");
  }
  // Byte i is column i mod 20, row i div 20: the robot at (8, 3) is byte 68.
  EXPECT_EQ(robots[68], '1');
  EXPECT_EQ(robots[11 * 20 + 0], '1');
  EXPECT_EQ(std::count(robots.begin(), robots.end(), '1'), 2);
  EXPECT_EQ(board.substr(0, 18), "aaaaaaaaaaaaaaaaaa");
  EXPECT_EQ(board[5 * 20 + 17], 'D');
  EXPECT_EQ(board.find('\0'), std::string::npos);
}

TEST(LevelFilesTest, TimeFileIsLittleEndianMilliseconds) {
  LevelSource level = MakeLevel();
  EXPECT_EQ(MakeTimeFile(level), std::string("\x90\x5f\x01\x00", 4));  // 90000
  level.timeLimitSeconds = 0;
  EXPECT_EQ(MakeTimeFile(level), std::string(4, '\0'));
}

TEST(LevelFilesTest, IndexRecordsSitAtSixteenTimesTheLevel) {
  std::string index = MakeIndexFile({"levels/01.rob", "levels/02.rob", "levels/x"});
  ASSERT_EQ(index.size(), 4u * kIndexRecordBytes);
  EXPECT_EQ(index.substr(0, 16), std::string(14, '\0') + "\r\n");  // record 0 is never read
  EXPECT_EQ(index.substr(16, 16), std::string("levels/01.rob\0\r\n", 16));
  EXPECT_EQ(index.substr(32, 14), std::string("levels/02.rob\0", 14));
  EXPECT_EQ(index.substr(48, 16), std::string("levels/x\0\0\0\0\0\0\r\n", 16));
  // A name that does not fit would be cut into another file's name: it is left out.
  EXPECT_EQ(MakeIndexFile({"levels/far-too-long.rob"}).substr(16, 14), std::string(14, '\0'));
  EXPECT_EQ(MakeIndexFile({"levels/14chars"}).substr(16, 16), "levels/14chars\r\n");
}

TEST(LevelFilesTest, NamesFitTheIndexAndDifferPerLevel) {
  for (int n : {1, 9, 10, 45}) {
    LevelFileNames names = NameLevelFiles(n);
    for (const std::string& name : {names.robots, names.board, names.time}) {
      EXPECT_LE(name.size(), static_cast<size_t>(kIndexNameBytes)) << name;
      EXPECT_EQ(name.rfind("levels/", 0), 0u) << name;
    }
  }
  EXPECT_NE(NameLevelFiles(1).board, NameLevelFiles(11).board);
  EXPECT_NE(NameLevelFiles(1).board, NameLevelFiles(1).robots);
}

TEST(LevelFilesTest, WritesIndexesThatNameTheWrittenFiles) {
  std::string dir = ::testing::TempDir() + "/levelgen_write_test";
  std::filesystem::remove_all(dir);
  LevelSource second = MakeLevel();
  second.robots = {{3, 3}};
  second.timeLimitSeconds = 0;
  std::string error;
  ASSERT_TRUE(WriteLevelFiles({MakeLevel(), second}, dir, &error)) << error;
  const char* indexes[] = {"gracze.gra", "etapy.gra", "reszta.gra"};
  for (const char* index : indexes) {
    std::string bytes = ReadAll(dir + "/levels/" + index);
    ASSERT_EQ(bytes.size(), 48u) << index;
    for (int n = 1; n <= 2; ++n) {
      std::string name = bytes.substr(16 * n, 14).c_str();
      EXPECT_TRUE(std::filesystem::exists(dir + "/" + name)) << index << " " << name;
    }
  }
  EXPECT_EQ(ReadAll(dir + "/" + NameLevelFiles(2).robots)[3 * 20 + 3], '1');
  EXPECT_EQ(ReadAll(dir + "/" + NameLevelFiles(2).time), std::string(4, '\0'));
  EXPECT_EQ(ReadAll(dir + "/" + NameLevelFiles(1).board), MakeBoardLayout(MakeLevel()));
  std::filesystem::remove_all(dir);
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
  EXPECT_EQ(CellKindOfChar('0'), 0);
  EXPECT_EQ(CellKindOfChar('~'), 0);
  EXPECT_EQ(CellKindOfChar('W'), 3);
  EXPECT_EQ(CellKindOfChar('N'), 29);
  EXPECT_EQ(CellKindOfChar('T'), 32);

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

}  // namespace
