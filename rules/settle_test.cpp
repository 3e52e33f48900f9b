// The settle test the solver counts moves by must agree with the step
// itself: a settled board changes under one more idle tick only in the exit
// cells' animation (and the per-step heldBack scratch), an unsettled one in
// something more.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "rules/settle.h"
#include "rules/test_levels.h"

namespace {

bool SameRobot(const RobotRecord& a, const RobotRecord& b) {
  RobotRecord x = a, y = b;
  x.heldBack = y.heldBack = 0;
  return std::memcmp(&x, &y, sizeof(RobotRecord)) == 0;
}

// Whether an idle tick changes anything that counts.
bool IdleTickChangesBoard(const Board& board) {
  auto next = std::make_unique<Board>(board);
  StepTicks(*next, 1);
  if (next->robotCount != board.robotCount || next->GameState != board.GameState ||
      next->explosionAnim != board.explosionAnim || next->electroAnim != board.electroAnim ||
      std::memcmp(next->cellState, board.cellState, sizeof(board.cellState)) != 0) {
    return true;
  }
  for (int32_t i = 0; i < board.robotCount; ++i)
    if (!SameRobot(next->robots[i], board.robots[i])) return true;
  return false;
}

// Every kind of cell that keeps a board busy: rollers, doors and switches,
// oil, teleports, a cloner, an exit, a mine and cables.
const std::vector<std::string> kBusyLevel = {
    "aaaaaaaaaaaaaaaaaa",  //
    "a0000y000000000H0a",  //
    "a0mm00C0w0000l000a",  //
    "a0m000000000x0000a",  //
    "a0000E0000B0000P0a",  //
    "a00O000R00000000Da",  //
    "a0000000z0000I000a",  //
    "aF00C000000S00000a",  //
    "a000000000000000Ka",  //
    "a0L000p000000000Pa",  //
    "a00000000000000n0a",  //
    "aaaaaaaaaaaaaaaaaa",  //
};
const CellList kBusyRobots = {{2, 2}, {4, 3}, {6, 1}, {9, 5}, {12, 8}, {3, 9}, {14, 4}};

TEST(Settle, IdleTicksChangeNothingExactlyWhenTheBoardIsSettled) {
  std::mt19937 random(7);
  auto board = MakeTestBoard(kBusyLevel, kBusyRobots);
  auto start = std::make_unique<Board>(*board);
  int settledSeen = 0, restlessSeen = 0;
  for (int move = 0; move < 150; ++move) {
    if (board->LevelStatus() != 0) *board = *start;
    Direction direction = move % 7 == 0 ? kNoDirection : static_cast<Direction>(1 + random() % 4);
    StepTicks(*board, 1, direction);
    for (int tick = 0; tick < 2000 && board->LevelStatus() == 0; ++tick) {
      bool settled = IsBoardSettled(*board);
      ASSERT_EQ(settled, !IdleTickChangesBoard(*board)) << "move " << move << " tick " << tick;
      (settled ? settledSeen : restlessSeen) += 1;
      if (settled) break;
      StepTicks(*board, 1);
    }
  }
  EXPECT_GT(settledSeen, 50);
  EXPECT_GT(restlessSeen, 5000);
}

TEST(Settle, AMoveThatNeverComesToRestIsReportedAsSuch) {
  auto board = MakeTestBoard({"aaaaa", "a000a", "aaaaa"}, {{1, 1}});
  board->robots[0].turnRemaining = 3.0f * 100000;  // longer than two settle limits
  board->robots[0].turnSign = 1;
  PlayCounter counter;
  EXPECT_FALSE(SettleBoard(*board, counter));
  EXPECT_EQ(counter.ticks, kSettleTickLimit);
  // A move's limit includes the tick its key is held.
  counter.ticks = 0;
  EXPECT_FALSE(PlayMove(*board, kDirectionLeft, counter));
  EXPECT_EQ(counter.ticks, kSettleTickLimit);
}

}  // namespace
