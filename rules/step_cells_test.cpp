// What cells do to robots: doors and switches, teleports, cloners (including
// a full robot table), exits, mines and cables, collisions.
#include <gtest/gtest.h>

#include "rules/settle.h"
#include "rules/test_levels.h"

namespace {

constexpr Direction kRight = kDirectionRight, kDown = kDirectionDown;

// Every test hears the sounds its moves and ticks ask for.
class StepCells : public testing::Test {
 protected:
  PlayCounter Move(Board& board, Direction direction) {
    PlayCounter counter;
    counter.heard = &heard;
    EXPECT_TRUE(PlayMove(board, direction, counter));
    return counter;
  }
  void Ticks(Board& board, int ticks, Direction direction = kNoDirection) {
    heard.Add(StepTicks(board, ticks, direction));
  }
  int Played(RuleSound sound) const { return heard.plays[sound]; }
  StepReport heard;
};

TEST_F(StepCells, ABlueSwitchTogglesEveryBlueDoorAndNoRedOne) {
  // Blue doors w, x and Q (on rollers); red door z.
  auto board = MakeTestBoard({"aaaaaaaaaaa", "a000wxQz00a", "ay00000000a", "aaaaaaaaaaa"}, {{1, 1}});
  EXPECT_FALSE(board->CanEnter(4, 1, 0));
  Move(*board, kDown);
  EXPECT_EQ(Played(kSoundBlueDoorClose), 3);  // one per door, closed ones toggled
  EXPECT_EQ(Played(kSoundBlueDoorOpen), 0);
  EXPECT_EQ(Played(kSoundRedDoorClose) + Played(kSoundRedDoorOpen), 0);
  for (int x : {4, 5, 6}) EXPECT_EQ(board->cellState[x][1], 4);
  EXPECT_EQ(board->cellState[7][1], 0);
  EXPECT_TRUE(board->CanEnter(4, 1, 0));
  EXPECT_FALSE(board->CanEnter(7, 1, 0));

  Move(*board, kDirectionUp);  // up, off the switch, and back down onto it
  Move(*board, kDown);
  EXPECT_EQ(Played(kSoundBlueDoorOpen), 3);
  for (int x : {4, 5, 6}) EXPECT_EQ(board->cellState[x][1], 0);
}

TEST_F(StepCells, DoorsOpenFromTheStepAfterTheSwitchInSixteenTicks) {
  auto board = MakeTestBoard({"aaaaaaaa", "a00000Aa", "aB00000a", "aaaaaaaa"}, {{1, 1}});
  float& door = board->cellState[6][1];
  Ticks(*board, 1, kDirectionDown);
  Ticks(*board, 62);
  EXPECT_EQ(door, -1000);           // switched while closed: passable already
  EXPECT_TRUE(board->CanEnter(6, 1, 0));
  Ticks(*board, 1);
  EXPECT_EQ(door, 0.25f);
  EXPECT_FALSE(board->CanEnter(6, 1, 0));
  Ticks(*board, 15);
  EXPECT_EQ(door, 4);
  EXPECT_EQ(Played(kSoundRedDoorClose), 1);
}

TEST_F(StepCells, AClosingDoorCrushesTheRobotInIt) {
  auto board = MakeTestBoard({"aaaaaaaa", "a000000a", "ay000w0a", "a0000a0a", "aaaaaaaa"}, {{1, 1}, {5, 2}});
  board->cellState[5][2] = 4;
  Move(*board, kDown);
  EXPECT_EQ(board->LevelStatus(), 2);
  EXPECT_EQ(board->robots[1].deathKind, 1);
  EXPECT_EQ(board->robots[0].deathKind, 0);
  EXPECT_EQ(board->cellState[5][2], 0);
  EXPECT_EQ(board->explosionAnim, 9);
  EXPECT_EQ(Played(kSoundExplosion), 1);
}

TEST_F(StepCells, TeleportsSendToTheRightmostMarkerOfTheirColourIfAny) {
  auto board = MakeTestBoard({"aaaaaaaaaaaaaa", "a0000000000I0a", "aE0000000H000a", "a0000H000000aa",
                              "a00F00000H000a", "aaaaaaaaaaaaaa"},
                             {{1, 1}, {3, 3}});
  PlayCounter counter = Move(*board, kDown);
  EXPECT_EQ(board->robots[0].x, 9);  // column 9, topmost of its markers
  EXPECT_EQ(board->robots[0].y, 2);
  EXPECT_EQ(board->robots[0].teleportAnim, -1);
  // The second robot takes the green teleport to the green marker.
  EXPECT_EQ(board->robots[1].x, 11);
  EXPECT_EQ(board->robots[1].y, 1);
  EXPECT_GE(counter.ticks, 63 + 250);
  EXPECT_EQ(Played(kSoundTeleportIn), 1);  // one sound for the pair
  EXPECT_EQ(Played(kSoundTeleportOut), 1);
  // With no marker of its colour the robot stays on the teleport.
  auto unmarked = MakeTestBoard({"aaaaaa", "a0000a", "aG000a", "aaaaaa"}, {{1, 1}});
  EXPECT_EQ(Move(*unmarked, kDown).ticks, 63);
  EXPECT_EQ(unmarked->robots[0].y, 2);
  EXPECT_EQ(unmarked->robots[0].teleportAnim, -1);
}

const std::vector<std::string> kClonerRoom = {"aaaaaaaaaa", "a00000000a", "aO0000000a", "a00000000a",
                                              "a0000P000a", "a00000000a", "a00P00000a", "aaaaaaaaaa"};

TEST_F(StepCells, ACloneIsMadeOnEveryReceiverAndTheOriginalVanishes) {
  auto board = MakeTestBoard(kClonerRoom, {{1, 1}});
  EXPECT_EQ(Move(*board, kDown).ticks, 63 + 167);  // the arrival, then the cloner's animation
  ASSERT_EQ(board->robotCount, 3);
  EXPECT_EQ(board->robots[0].active, 0);
  // Receivers are served column by column.
  EXPECT_EQ(board->robots[1].x, 3);
  EXPECT_EQ(board->robots[1].y, 6);
  EXPECT_EQ(board->robots[2].x, 5);
  EXPECT_EQ(board->robots[2].y, 4);
  for (int i : {1, 2}) {
    EXPECT_EQ(board->robots[i].active, 1);
    EXPECT_EQ(board->robots[i].clonedCopy, 0);
    EXPECT_EQ(board->robots[i].cloneAnim, -1);
    EXPECT_EQ(board->robots[i].dy, 1);
  }
  EXPECT_EQ(board->LevelStatus(), 0);
  EXPECT_EQ(Played(kSoundClonerIn), 1);
  EXPECT_EQ(Played(kSoundClonerOut), 1);
  Move(*board, kDown);  // the copies obey like any robot
  EXPECT_EQ(board->robots[2].y, 5);
}

TEST_F(StepCells, AnOccupiedReceiverBlowsUpAllThree) {
  std::vector<std::string> cells = kClonerRoom;
  cells[5][5] = 'a';  // the robot on the receiver cannot move away
  auto board = MakeTestBoard(cells, {{1, 1}, {5, 4}});
  Move(*board, kDown);
  EXPECT_EQ(board->LevelStatus(), 2);
  ASSERT_EQ(board->robotCount, 4);
  EXPECT_EQ(board->robots[0].deathKind, 1);  // the robot that went in
  EXPECT_EQ(board->robots[1].deathKind, 1);  // the one on the receiver
  EXPECT_EQ(board->robots[3].deathKind, 1);  // its copy
}

// With no receiver, or a full table, the robot that entered stays on the
// entrance and drives on from it; with room for one copy, the first receiver
// gets it.
TEST_F(StepCells, NoRoomOrNoReceiverMakesNoCopies) {
  auto unreceived = MakeTestBoard({"aaaaaa", "a0000a", "aO000a", "a0000a", "aaaaaa"}, {{1, 1}});
  Move(*unreceived, kDown);
  EXPECT_EQ(unreceived->robotCount, 1);
  EXPECT_EQ(unreceived->robots[0].active, 1);
  Move(*unreceived, kDown);
  EXPECT_EQ(unreceived->robots[0].y, 3);
  for (int32_t used : {kRobotCapacity, kRobotCapacity - 1}) {
    auto board = MakeTestBoard(kClonerRoom, {{1, 1}});
    RobotRecord gone = board->robots[0];
    gone.active = 0;
    for (int32_t i = 1; i < used; ++i) board->robots[i] = gone;
    board->robotCount = used;
    Move(*board, kDown);
    EXPECT_EQ(board->robotCount, kRobotCapacity);
    EXPECT_EQ(board->GameState, 0);
    if (used == kRobotCapacity) {
      EXPECT_EQ(board->robots[0].active, 1);
      EXPECT_EQ(board->robots[0].y, 2);
    } else {
      EXPECT_EQ(board->robots[0].active, 0);
      EXPECT_EQ(board->robots[used].x, 3);
      EXPECT_EQ(board->robots[used].active, 1);
    }
  }
}

TEST_F(StepCells, RobotsLeaveThroughExitsAndTheLastOneWins) {
  auto board = MakeTestBoard({"aaaaaa", "a0000a", "aD000a", "a0D00a", "aaaaaa"}, {{1, 1}, {2, 1}});
  PlayCounter counter = Move(*board, kDown);
  EXPECT_EQ(board->robots[0].active, 0);
  EXPECT_EQ(board->robots[0].exitAnim, -1);
  EXPECT_EQ(board->LevelStatus(), 0);
  EXPECT_EQ(counter.ticks, 63 + 167);
  Move(*board, kDown);
  EXPECT_EQ(board->LevelStatus(), 1);
  EXPECT_EQ(Played(kSoundExit), 2);
}

TEST_F(StepCells, MinesExplodeAndCablesElectrocuteThenTheLevelIsLost) {
  struct Case {
    const char* row;
    int32_t dyingState;
    uint8_t deathKind;
  };
  for (Case c : {Case{"aK00a", 1, 1}, Case{"aL00a", 3, 2}}) {
    auto board = MakeTestBoard({"aaaaa", "a000a", c.row, "aaaaa"}, {{1, 1}});
    Ticks(*board, 1, kDirectionDown);
    Ticks(*board, 62);
    EXPECT_EQ(board->GameState, 0);  // arrived; deadly cells act on the next tick
    Ticks(*board, 1);
    EXPECT_EQ(board->GameState, c.dyingState);
    EXPECT_EQ(board->robots[0].deathKind, c.deathKind);
    PlayCounter counter;
    ASSERT_TRUE(SettleBoard(*board, counter));
    EXPECT_EQ(board->LevelStatus(), 2);
    EXPECT_EQ(counter.ticks, c.dyingState == 1 ? 180 : 267);
  }
  // Both at once: lost when both animations have finished, each sound once.
  auto board = MakeTestBoard({"aaaaa", "a000a", "aKL0a", "aaaaa"}, {{1, 1}, {2, 1}});
  Move(*board, kDown);
  EXPECT_EQ(board->LevelStatus(), 2);
  EXPECT_EQ(board->robots[1].deathKind, 2);
  EXPECT_EQ(board->explosionAnim, 9);
  EXPECT_EQ(board->electroAnim, 20);
  EXPECT_EQ(Played(kSoundExplosion), 1);  // the lone cells' deaths above were not listened to
  EXPECT_EQ(Played(kSoundElectro), 1);
}

// Mines and cables wait while any robot drives: a robot that reached a mine
// lives until the last robot still driving has arrived.
TEST_F(StepCells, DeadlyCellsWaitUntilNoRobotDrives) {
  auto board = MakeTestBoard({"aaaaaa", "a0000a", "aK000a", "a0000a", "aaaaaa"}, {{1, 1}, {3, 2}});
  board->robots[1].dy = -1, board->robots[1].angle = 270;  // must turn round before driving down
  Ticks(*board, 1, kDirectionDown);
  Ticks(*board, 62);
  ASSERT_EQ(board->robots[0].y, 2);  // on the mine
  ASSERT_EQ(board->robots[1].moving, 1);
  Ticks(*board, 60);
  EXPECT_EQ(board->GameState, 0);
  EXPECT_EQ(board->robots[1].y, 3);
  Ticks(*board, 1);
  EXPECT_EQ(board->GameState, 1);
  EXPECT_EQ(board->robots[0].deathKind, 1);
}

// Two robots facing each other, each able to move "into" the other's cell:
// the mutual test is cut at depth 100 and lets both drive, then they collide,
// however many other robots stand about.
TEST_F(StepCells, RobotsDrivingIntoEachOtherExplode) {
  for (int bystanders : {0, 9}) {
    CellList robots = {{1, 1}, {2, 1}};
    for (int i = 0; i < bystanders; ++i) robots.push_back({1 + i, 3});
    auto board = MakeTestBoard({"aaaaaaaaaaaa", "a0000aaaaaaa", "aaaaaaaaaaaa", "a0000000000a", "aaaaaaaaaaaa"}, robots);
    RobotRecord& a = board->robots[0];
    RobotRecord& b = board->robots[1];
    a.dx = 1, a.dy = 0, a.moving = 1;
    b.dx = -1, b.dy = 0, b.moving = 1;
    EXPECT_TRUE(board->CanEnter(2, 1, 0));
    Ticks(*board, 1);
    EXPECT_EQ(a.moveCountdown, 60);
    EXPECT_EQ(b.moveCountdown, 60);
    Ticks(*board, 2);  // the first tick of a move leaves both in place
    EXPECT_EQ(board->GameState, 0);
    Ticks(*board, 1);  // now both are within cell 1
    EXPECT_EQ(board->GameState, 1) << bystanders;
    EXPECT_EQ(a.deathKind, 1);
    EXPECT_EQ(b.deathKind, 1);
    EXPECT_EQ(board->robots[2].deathKind, 0);
  }
}

}  // namespace
