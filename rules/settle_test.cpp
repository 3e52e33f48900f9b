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

void ExpectSameBoards(const Board& a, const Board& b, int move) {
  ASSERT_EQ(a.robotCount, b.robotCount) << "move " << move;
  for (int32_t i = 0; i < a.robotCount; ++i)
    ASSERT_EQ(std::memcmp(&a.robots[i], &b.robots[i], sizeof(RobotRecord)), 0) << "move " << move << " robot " << i;
  ASSERT_EQ(std::memcmp(a.cellState, b.cellState, sizeof(a.cellState)), 0) << "move " << move;
  ASSERT_EQ(a.GameState, b.GameState) << "move " << move;
  ASSERT_EQ(a.doorsMoving, b.doorsMoving) << "move " << move;
  ASSERT_EQ(a.exitAnim, b.exitAnim) << "move " << move;
  ASSERT_EQ(a.explosionAnim, b.explosionAnim) << "move " << move;
  ASSERT_EQ(a.electroAnim, b.electroAnim) << "move " << move;
}

// Moves played with quiet ticks skipped end on exactly the boards, latches,
// sounds and tick counts of moves stepped tick by tick: on the busy level, and on a
// crowd of robots driving in step past a cloner (more robots than the
// pairwise collision check takes).
TEST(Settle, SkippingQuietTicksChangesNoBoard) {
  const std::vector<std::string> kCrowdLevel = {"aaaaaaaaaaaa", "a000000000Ka", "a0000C00000a", "a0O000000mma",
                                                "a00000l000Da", "a0000F00000a", "aaaaaaaaaaaa"};
  CellList crowd;
  for (int x = 1; x <= 9; x += 2) crowd.push_back({x, 2}), crowd.push_back({x + 1, 4});
  struct Case {
    std::unique_ptr<Board> start;
    int moves;
  };
  Case cases[] = {{MakeTestBoard(kBusyLevel, kBusyRobots), 400}, {MakeTestBoard(kCrowdLevel, crowd), 200}};
  std::mt19937 random(11);
  int64_t skippedTicks = 0;
  for (Case& c : cases) {
    auto stepped = std::make_unique<Board>(*c.start);
    auto skipped = std::make_unique<Board>(*c.start);
    StepReport heardOne, heardMany;
    PlayCounter one, many;
    one.heard = &heardOne;
    many.heard = &heardMany;
    many.skipQuietTicks = true;
    for (int move = 0; move < c.moves; ++move) {
      if (stepped->LevelStatus() != kLevelPlaying || move == 0) {
        *stepped = *c.start;
        *skipped = *c.start;
        ASSERT_EQ(SettleBoard(*stepped, one), SettleBoard(*skipped, many));
      } else {
        Direction direction = static_cast<Direction>(1 + random() % 4);
        ASSERT_EQ(PlayMove(*stepped, direction, one), PlayMove(*skipped, direction, many));
      }
      ExpectSameBoards(*stepped, *skipped, move);

      ASSERT_EQ(std::memcmp(&one.latches, &many.latches, sizeof(SoundLatches)), 0) << "move " << move;
      ASSERT_EQ(one.ticks, many.ticks) << "move " << move;
      ASSERT_EQ(std::memcmp(heardOne.plays, heardMany.plays, sizeof(heardOne.plays)), 0) << "move " << move;
    }
    skippedTicks += many.ticks;
  }
  EXPECT_GT(skippedTicks, 50000);
}

// Boards caught half way through one robot's move while another stands
// where the very next tick must act on it: on a mine while nobody drives
// (the mover rides rollers), or just arrived on rollers that carry it on; or
// in the cell the mover is entering, head on or from behind, which the tick
// after the mover crosses must catch.
TEST(Settle, SkippingQuietTicksStillActsOnRobotsThatStand) {
  auto mined = MakeTestBoard({"aaaaaaa", "a0mm00a", "a0K000a", "aaaaaaa"}, {{2, 1}, {2, 2}});
  auto carried = MakeTestBoard({"aaaaaaa", "a00000a", "a0m000a", "aaaaaaa"}, {{1, 1}, {2, 2}});
  auto headOn = MakeTestBoard({"aaaaaaa", "a00000a", "aaaaaaa"}, {{1, 1}, {2, 1}});
  auto rearEnd = MakeTestBoard({"aaaaaaa", "a00000a", "aaaaaaa"}, {{1, 1}, {2, 1}});
  for (Board* board : {mined.get(), carried.get(), headOn.get(), rearEnd.get()}) {
    RobotRecord& mover = board->robots[0];
    mover.dx = 1, mover.dy = 0, mover.moving = 1, mover.moveCountdown = 30;
    mover.originX = mover.x, mover.originY = mover.y;
    RobotRecord& stander = board->robots[1];
    stander.dx = 1, stander.dy = 0, stander.justArrived = 1;
    if (board == rearEnd.get()) {  // the one behind crosses into the first one's cell on the very next tick
      mover.moving = 0, mover.moveCountdown = -1;
      stander.dx = -1, stander.moving = 1, stander.moveCountdown = 59, stander.justArrived = 0;
      stander.originX = stander.x, stander.originY = stander.y;
    }
    if (board == headOn.get()) {
      stander.dx = -1, stander.moving = 1, stander.moveCountdown = 60, stander.justArrived = 0;
      stander.originX = stander.x, stander.originY = stander.y;
    }
    board->doorsMoving = 0;  // no doors: as after the first step
    auto stepped = std::make_unique<Board>(*board);
    PlayCounter one, many;
    many.skipQuietTicks = true;
    ASSERT_EQ(SettleBoard(*stepped, one), SettleBoard(*board, many));
    ExpectSameBoards(*stepped, *board, 0);
    EXPECT_EQ(one.ticks, many.ticks);
  }
  EXPECT_EQ(mined->LevelStatus(), kLevelLost);
  EXPECT_EQ(headOn->LevelStatus(), kLevelLost);
  EXPECT_EQ(rearEnd->LevelStatus(), kLevelLost);
  EXPECT_EQ(carried->robots[1].x, 3);  // one cell on, off the rollers
}

TEST(Settle, AMoveThatNeverComesToRestIsReportedAsSuch) {
  auto board = MakeTestBoard({"aaaaa", "a000a", "aaaaa"}, {{1, 1}});
  board->robots[0].turnRemaining = 3.0f * 100000;  // longer than two settle limits
  board->robots[0].turnSign = 1;
  for (bool skipping : {false, true}) {
    auto turning = std::make_unique<Board>(*board);
    PlayCounter counter;
    counter.skipQuietTicks = skipping;
    EXPECT_FALSE(SettleBoard(*turning, counter));
    EXPECT_EQ(counter.ticks, kSettleTickLimit);
    // A move's limit includes the tick its key is held.
    counter.ticks = 0;
    EXPECT_FALSE(PlayMove(*turning, kDirectionLeft, counter));
    EXPECT_EQ(counter.ticks, kSettleTickLimit);
  }
}

}  // namespace
