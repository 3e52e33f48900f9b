// LoadLevel: where index records and layout bytes land, what damaged,
// missing and hostile level files do.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "rules/cell_kinds.h"
#include "rules/settle.h"
#include "rules/test_levels.h"

namespace {

const std::vector<std::string> kWalled = {"aaaaaaaaaaaaaaaaaa", "a0000000000000000a", "aaaaaaaaaaaaaaaaaa"};

TEST(LevelLoader, RecordOfLevelNSitsAtSixteenTimesN) {
  TestLevelFolder folder;
  folder.WriteLevel(1, {"D"}, {{4, 2}}, 90000);
  folder.WriteLevel(45, {"0C"}, {{0, 0}, {1, 0}}, 0);
  // Record 0 is never read: point it at a level that must not be loaded.
  folder.WriteIndexRecord("gracze.gra", 0, "levels/none");
  auto board = std::make_unique<Board>();
  ASSERT_TRUE(board->LoadLevel(1, folder.Path().c_str()));
  ASSERT_EQ(board->robotCount, 1);
  EXPECT_EQ(board->robots[0].x, 4);
  EXPECT_EQ(board->robots[0].y, 2);
  EXPECT_EQ(board->CellKindAt(0, 0), kCellExit);
  EXPECT_EQ(board->timeLimit, 90000);

  ASSERT_TRUE(board->LoadLevel(45, folder.Path().c_str()));
  EXPECT_EQ(board->robotCount, 2);
  EXPECT_EQ(board->CellKindAt(1, 0), kCellOil);
  EXPECT_EQ(board->CellKindAt(0, 0), kCellFloor);
  EXPECT_EQ(board->timeLimit, 0);
}

// Robots are numbered in file order (row by row), face down, and start as
// if just arrived, so rollers under them act at once. Loading again replaces
// them and ends whatever the last play left, but not the player's camera.
TEST(LevelLoader, RobotsComeInFileOrderAndLoadingAgainStartsAfresh) {
  TestLevelFolder folder;
  folder.WriteLevel(1, kWalled, {{1, 1}, {3, 1}}, 5000);
  std::string robots(240, '0');
  robots[68] = '1';  // ninth character of the fourth line
  robots[20] = '1';  // first character of the second line
  folder.WriteFile("levels/r01.txt", robots);
  auto board = std::make_unique<Board>();
  ASSERT_TRUE(board->LoadLevel(1, folder.Path().c_str()));
  ASSERT_EQ(board->robotCount, 2);
  EXPECT_EQ(board->robots[0].x, 0);
  EXPECT_EQ(board->robots[0].y, 1);
  const RobotRecord& r = board->robots[1];
  EXPECT_EQ(r.x, 8);
  EXPECT_EQ(r.y, 3);
  EXPECT_EQ(r.dy, 1);
  EXPECT_EQ(r.justArrived, 1);
  board->GameState = kGameLost;
  board->explosionAnim = 9;
  board->elapsed = 4000;
  board->CameraMode = 2;
  board->pitch = -30;
  board->robots[0].deathKind = kDeathExploded;
  board->cellState[5][1] = 4;  // a door state left in a cell the layout rewrites
  ASSERT_TRUE(board->LoadLevel(1, folder.Path().c_str()));
  EXPECT_EQ(board->robotCount, 2);
  EXPECT_EQ(board->robots[0].deathKind, kAlive);
  EXPECT_EQ(board->LevelStatus(), kLevelPlaying);
  EXPECT_EQ(board->explosionAnim, 0);
  EXPECT_EQ(board->elapsed, 0);
  EXPECT_EQ(board->CameraMode, 0);
  EXPECT_EQ(board->cellState[5][1], 0);
  EXPECT_EQ(board->pitch, -30);
}

TEST(LevelLoader, LineEndsAndNulKeepThePreviousLevelsCellsWithoutShifting) {
  TestLevelFolder folder;
  folder.WriteLevel(1, std::vector<std::string>(12, std::string(18, 'a')), {});
  folder.WriteLevel(2, {}, {});
  std::string cells = LayoutBytes({});
  cells[2] = '\r';  // a short first line: "00" CR LF, then the rest in place
  cells[3] = '\n';
  cells[4] = 'D';
  cells[25] = '\0';
  cells[18] = 'K';  // no cell in the line-end columns
  folder.WriteFile("levels/b02.txt", cells);
  auto board = std::make_unique<Board>();
  board->LoadLevel(1, folder.Path().c_str());
  board->cellState[2][0] = 4;
  ASSERT_TRUE(board->LoadLevel(2, folder.Path().c_str()));
  EXPECT_EQ(board->cellChars[2][0], 'a');
  EXPECT_EQ(board->cellState[2][0], 4);
  EXPECT_EQ(board->cellChars[3][0], 'a');
  EXPECT_EQ(board->cellChars[4][0], 'D');
  EXPECT_EQ(board->cellChars[5][1], 'a');
  EXPECT_EQ(board->cellChars[1][0], '0');
  EXPECT_EQ(board->CellKindAt(17, 0), kCellFloor);
}

TEST(LevelLoader, ShortFilesReadAsFloorAndNoRobots) {
  TestLevelFolder folder;
  folder.WriteLevel(1, {}, {});
  folder.WriteFile("levels/r01.txt", "01");   // one robot, then the end of the file
  folder.WriteFile("levels/b01.txt", "aaa");  // three walls, then end markers
  folder.WriteFile("levels/t01.dat", "");
  auto board = std::make_unique<Board>();
  board->timeLimit = 1234;
  EXPECT_FALSE(board->LoadLevel(1, folder.Path().c_str()));  // the time file is damaged
  EXPECT_EQ(board->robotCount, 1);
  EXPECT_EQ(board->CellKindAt(2, 0), kCellWall1);
  EXPECT_EQ(board->CellKindAt(3, 0), kCellFloor);
  EXPECT_EQ(board->CellKindAt(17, 11), kCellFloor);
  EXPECT_EQ(board->timeLimit, 1234);
}

TEST(LevelLoader, FourteenCharacterNamesNeedNoTerminator) {
  TestLevelFolder folder;
  folder.WriteLevel(3, {"D"}, {{1, 1}});
  folder.WriteIndexRecord("etapy.gra", 3, "levels/abcdefg");
  folder.WriteFile("levels/abcdefg", LayoutBytes({"K"}));
  auto board = std::make_unique<Board>();
  ASSERT_TRUE(board->LoadLevel(3, folder.Path().c_str()));
  EXPECT_EQ(board->CellKindAt(0, 0), kCellMine);
}

// Each index is read into its own buffer: a missing board index must not
// reuse the robot index's name and read the robot layout as cells.
TEST(LevelLoader, MissingPartsAreLeftEmptyWithoutBorrowingAnotherIndexsName) {
  TestLevelFolder folder;
  folder.WriteLevel(1, kWalled, {{1, 1}}, 7000);
  auto board = std::make_unique<Board>();
  ASSERT_TRUE(board->LoadLevel(1, folder.Path().c_str()));

  folder.WriteLevel(2, {"DDDD"}, {{2, 1}}, 9000);
  folder.WriteFile("levels/etapy.gra", "");        // no record for any level
  std::remove((folder.Path() + "/levels/reszta.gra").c_str());
  EXPECT_FALSE(board->LoadLevel(2, folder.Path().c_str()));
  EXPECT_EQ(board->robotCount, 1);
  EXPECT_EQ(board->robots[0].x, 2);
  EXPECT_EQ(board->CellKindAt(0, 0), kCellWall1);  // cells as level 1 left them
  EXPECT_EQ(board->CellKindAt(1, 1), kCellFloor);
  EXPECT_EQ(board->timeLimit, 7000);

  std::remove((folder.Path() + "/levels/r02.txt").c_str());
  EXPECT_FALSE(board->LoadLevel(2, folder.Path().c_str()));
  EXPECT_EQ(board->robotCount, 0);

  EXPECT_FALSE(board->LoadLevel(0, folder.Path().c_str()));
  EXPECT_FALSE(board->LoadLevel(46, folder.Path().c_str()));
  EXPECT_EQ(board->robotCount, 0);
}

// Damaged or hostile files of any size and content: loading never crashes or
// puts a robot off the board, and the board they give can be played.
TEST(LevelLoader, RandomFilesLoadSafelyAndPlay) {
  TestLevelFolder folder;
  std::mt19937 random(20261206);
  const char* files[] = {"levels/gracze.gra", "levels/etapy.gra", "levels/reszta.gra", "levels/x"};
  auto board = std::make_unique<Board>();
  for (int round = 0; round < 60; ++round) {
    for (const char* file : files) {
      size_t size = random() % 3 == 0 ? random() % 4000 : random() % 300;
      std::string bytes(size, '\0');
      for (char& c : bytes) c = static_cast<char>(random() % 4 == 0 ? '1' : random());
      // Keep some records pointing at the shared data file so layouts get read.
      if (file[7] != 'x' && size >= 32 && random() % 2 == 0) bytes.replace(16, 9, "levels/x\0", 9);
      folder.WriteFile(file, bytes);
    }
    // Now and then a robot layout marked everywhere, line ends too.
    if (round % 10 == 0) folder.WriteFile("levels/x", std::string(240, '1'));
    int32_t level = 1 + static_cast<int32_t>(random() % 45);
    board->LoadLevel(level, folder.Path().c_str());
    ASSERT_LE(board->robotCount, 18 * 12);
    for (int32_t i = 0; i < board->robotCount; ++i) {
      ASSERT_GE(board->robots[i].x, 0);
      ASSERT_LT(board->robots[i].x, 18);
      ASSERT_LT(board->robots[i].y, 12);
    }
    PlayCounter counter;
    PlayMove(*board, static_cast<Direction>(1 + round % 4), counter);
    ASSERT_LE(board->robotCount, kRobotCapacity);
  }
}

}  // namespace
