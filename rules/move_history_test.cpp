// Undo and redo: the board after undo is the board before the move, wherever
// the move was in its course, on every kind of cell, out of every kind of
// death; redo takes the same move again.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "rules/loss_cause.h"
#include "rules/move_history.h"
#include "rules/settle.h"
#include "rules/test_levels.h"

namespace {

// Everything the rules keep of a level in play.
void ExpectSameBoard(const Board& a, const Board& b, const char* where) {
  ASSERT_EQ(a.robotCount, b.robotCount) << where;
  for (int32_t i = 0; i < a.robotCount; ++i)
    EXPECT_EQ(std::memcmp(&a.robots[i], &b.robots[i], sizeof(RobotRecord)), 0) << where << ": robot " << i;
  EXPECT_EQ(std::memcmp(a.cellState, b.cellState, sizeof(a.cellState)), 0) << where;
  EXPECT_EQ(a.GameState, b.GameState) << where;
  EXPECT_EQ(a.explosionAnim, b.explosionAnim) << where;
  EXPECT_EQ(a.electroAnim, b.electroAnim) << where;
}

// Plays like the game: the direction held for one tick, the move recorded
// when the robots take it, then ticks with no key.
struct Player {
  Board& board;
  MoveHistory history;
  SoundLatches latches;
  bool Command(Direction direction) {
    BoardMoment before = TakeMoment(board, latches);
    before.direction = direction;
    if (!board.Step(CommandInput(direction), latches).commandTaken) return false;
    history.Record(std::move(before));
    return true;
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) board.Step(StepInput{}, latches);
  }
  void Settle() {
    for (int i = 0; i < kSettleTickLimit && !IsBoardSettled(board); ++i) Ticks(1);
  }
};

// Rollers, both door colours with switches, oil, teleports and markers, a
// cloner with two receivers, an exit, mines and cables.
const std::vector<std::string> kBusyLevel = {
    "aaaaaaaaaaaaaaaaaa", "a000000000000m000a", "a0mm00C0w0000l000a", "a0m000000000x0000a",
    "a0000E0000B0000P0a", "a00O000R00000000Da", "a0000000z0000I000a", "aF00C000000S00000a",
    "a000000000000000Ka", "a0L000p000000000Pa", "a00000000000000n0a", "aaaaaaaaaaaaaaaaaa",
};
const CellList kBusyRobots = {{2, 2}, {4, 3}, {6, 1}, {9, 5}, {12, 8}, {3, 9}, {14, 4}};

TEST(MoveHistory, UndoGivesBackTheBoardBeforeTheMoveWhereverTheMoveIs) {
  std::mt19937 random(11);
  auto board = MakeTestBoard(kBusyLevel, kBusyRobots);
  auto start = std::make_unique<Board>(*board);
  auto before = std::make_unique<Board>();
  Player p{*board, {}, {}};
  int undone = 0;
  for (int round = 0; round < 150; ++round) {
    if (board->LevelStatus() != kLevelPlaying || p.history.MovesMade() > 12) {
      *board = *start;
      p.history.Clear();
    }
    p.Settle();
    *before = *board;
    if (!p.Command(static_cast<Direction>(1 + random() % 4))) continue;
    p.Ticks(static_cast<int>(random() % 150));  // mid-turn, mid-move, in a teleport, after arrival
    const int made = p.history.MovesMade();
    ASSERT_TRUE(p.history.Undo(*board, p.latches));
    EXPECT_EQ(p.history.MovesMade(), made - 1);
    ExpectSameBoard(*board, *before, "after undo");
    undone += 1;
  }
  EXPECT_GT(undone, 80);
}

TEST(MoveHistory, RedoTakesTheUndoneMovesAgainUntilANewMoveIsMade) {
  auto board = MakeTestBoard(kBusyLevel, kBusyRobots);
  Player p{*board, {}, {}};
  p.Settle();
  std::vector<std::unique_ptr<Board>> after;
  auto first = std::make_unique<Board>(*board);
  for (Direction d : {kDirectionRight, kDirectionDown, kDirectionLeft}) {
    ASSERT_TRUE(p.Command(d));
    p.Settle();
    after.push_back(std::make_unique<Board>(*board));
  }
  while (p.history.Undo(*board, p.latches)) p.Settle();
  ExpectSameBoard(*board, *first, "all undone");
  EXPECT_FALSE(p.history.CanUndo());
  for (int i = 0; i < 2; ++i) {
    const Direction d = p.history.Redo(*board, p.latches);
    ASSERT_NE(d, kNoDirection);
    EXPECT_TRUE(board->Step(CommandInput(d), p.latches).commandTaken);
    p.Settle();
    ExpectSameBoard(*board, *after[i], "after redo");
  }
  EXPECT_EQ(p.history.MovesMade(), 2);
  ASSERT_TRUE(p.Command(kDirectionUp));
  EXPECT_EQ(p.history.Redo(*board, p.latches), kNoDirection);  // the new move dropped the undone one
  EXPECT_EQ(p.history.MovesMade(), 3);
}

// A mine, cables, a closing door and a collision on rollers each lose the
// level and are named as its cause (a mine before cables when both kill in
// one move); undo takes back the fatal move and play goes on.
TEST(MoveHistory, UndoTakesBackEveryKindOfFatalMove) {
  struct Loss {
    const char* what;
    std::vector<std::string> cells;
    CellList robots;
  };
  const Loss losses[] = {
      {"mine", {"aaaaa", "a000a", "aK00a", "aaaaa"}, {{1, 1}}},
      {"cables", {"aaaaa", "a000a", "aL00a", "aaaaa"}, {{1, 1}}},
      {"door", {"aaaaaaaa", "a000000a", "ay000w0a", "a0000a0a", "aaaaaaaa"}, {{1, 1}, {5, 2}}},
      {"collision", {"aaaaaa", "a0000a", "a0m00a", "a0m00a", "a0000a", "aaaaaa"}, {{2, 1}, {2, 4}}},
      {"mine", {"aaaaa", "a000a", "aKL0a", "aaaaa"}, {{1, 1}, {2, 1}}},
  };
  for (const Loss& loss : losses) {
    auto board = MakeTestBoard(loss.cells, loss.robots);
    board->cellState[5][2] = 4;  // the door stands open (a wall or floor elsewhere)
    Player p{*board, {}, {}};
    p.Settle();
    auto before = std::make_unique<Board>(*board);
    ASSERT_TRUE(p.Command(kDirectionDown)) << loss.what;
    p.Settle();
    ASSERT_EQ(board->LevelStatus(), kLevelLost) << loss.what;
    EXPECT_STREQ(LossCauseWord(LossCauseOf(*board)), loss.what);
    ASSERT_TRUE(p.history.Undo(*board, p.latches));
    ExpectSameBoard(*board, *before, loss.what);
    EXPECT_TRUE(p.Command(kDirectionRight)) << loss.what;
    p.Settle();
    EXPECT_EQ(board->LevelStatus(), kLevelPlaying) << loss.what;
  }
}

}  // namespace
