// The solver: shortest solutions checked against every shorter move
// sequence, unsolvable and cut-off searches, keys that decode to boards that
// play alike, and rivet-solve's command line as other checks call it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "rules/settle.h"
#include "rules/test_levels.h"
#include "tools/solve/solver.h"
#include "tools/solve/state_codec.h"

namespace {

struct KnownLevel {
  std::vector<std::string> cells;
  CellList robots;
  size_t shortest;
};

const KnownLevel kCorridor = {{"aaaaaa", "a0000D", "aaaaaa"}, {{1, 1}}, 4};
const KnownLevel kMaze = {{"aaaaaaaa", "a0a000Da", "a0000a0a", "aaaaaaaa"}, {{1, 1}}, 7};
// UURRR: the first robot waits against the top wall while the second climbs,
// then both drive along the top row into the exit one after the other. Four
// moves cannot do: the one up move would leave the second robot in row 2.
const KnownLevel kTwoRobots = {{"aaaaaaa", "a000D0a", "a00000a", "a00000a", "aaaaaaa"}, {{1, 2}, {3, 3}}, 5};
// The exit lies behind a blue door and the switch at the end of a dead end:
// four moves there, four back, two down, three to the exit.
const KnownLevel kSwitch = {{"aaaaaaa", "a0000ya", "a0aaaaa", "a0w0D0a", "aaaaaaa"}, {{1, 1}}, 13};

bool Wins(const KnownLevel& level, const std::string& moves) {
  auto board = MakeTestBoard(level.cells, level.robots);
  return PlayMoveLetters(*board, moves, nullptr).outcome == kPlayWon;
}

bool AnySequenceWins(const KnownLevel& level, size_t length, std::string& prefix) {
  if (prefix.size() == length) return Wins(level, prefix);
  for (char c : std::string("LRUD")) {
    prefix.push_back(c);
    bool won = AnySequenceWins(level, length, prefix);
    prefix.pop_back();
    if (won) return true;
  }
  return false;
}

TEST(Solver, FindsWinningSolutionsThatNoShorterSequenceBeats) {
  for (const KnownLevel* level : {&kCorridor, &kMaze, &kTwoRobots, &kSwitch}) {
    auto board = MakeTestBoard(level->cells, level->robots);
    SolveResult result = SolveLevel(*board, kDefaultMaxStates);
    ASSERT_EQ(result.outcome, kSolved);
    EXPECT_EQ(result.moves.size(), level->shortest) << result.moves;
    EXPECT_TRUE(Wins(*level, result.moves)) << result.moves;
    EXPECT_GT(result.states, 0);
    std::string prefix;
    if (level->shortest <= 5) {
      EXPECT_FALSE(AnySequenceWins(*level, level->shortest - 1, prefix));
    }
  }
}

// Along a solution, from every board and in the middle of a move, the hint's
// move is one from which the rest is exactly one move shorter.
TEST(Solver, TheHintedMoveStartsAShortestSolution) {
  for (const KnownLevel* level : {&kMaze, &kTwoRobots, &kSwitch}) {
    auto board = MakeTestBoard(level->cells, level->robots);
    const std::string solution = SolveLevel(*board, kDefaultMaxStates).moves;
    PlayCounter counter;
    for (size_t i = 0; i < solution.size(); ++i) {
      Hint hint = FindHint(*board, kDefaultMaxStates);
      ASSERT_EQ(hint.outcome, kSolved);
      ASSERT_EQ(hint.movesLeft, static_cast<int32_t>(solution.size() - i));
      auto next = std::make_unique<Board>(*board);
      ASSERT_TRUE(PlayMove(*next, hint.first, counter));
      const SolveResult rest = SolveLevel(*next, kDefaultMaxStates);
      if (next->LevelStatus() != kLevelWon) {
        EXPECT_EQ(rest.moves.size() + 1, solution.size() - i);
      }
      // Asked in the middle of a move, the move is first played out.
      board->Step(CommandInput(DirectionOfLetter(solution[i])), counter.latches);
      for (int t = 0; t < 20; ++t) board->Step(StepInput{}, counter.latches);
      if (i + 1 < solution.size()) {
        EXPECT_EQ(FindHint(*board, kDefaultMaxStates).movesLeft, hint.movesLeft - 1);
      }
      ASSERT_TRUE(SettleBoard(*board, counter));
    }
  }
  std::atomic<bool> stop{true};
  auto maze = MakeTestBoard(kMaze.cells, kMaze.robots);
  EXPECT_EQ(FindHint(*maze, kDefaultMaxStates, &stop).outcome, kGaveUp);
}

TEST(Solver, ReportsUnsolvableAndGivesUpAtTheStateLimit) {
  auto boxed = MakeTestBoard({"aaaaaa", "a000aD", "aaaaaa"}, {{1, 1}});
  SolveResult result = SolveLevel(*boxed, kDefaultMaxStates);
  EXPECT_EQ(result.outcome, kUnsolvable);
  // x 1..3 facing any way, except facing right at x 1 or left at x 3: a
  // robot turned that way always drives on.
  EXPECT_EQ(result.states, 10);
  // A robot that starts on a mine has lost before any move.
  auto mined = MakeTestBoard({"K"}, {{0, 0}});
  EXPECT_EQ(SolveLevel(*mined, kDefaultMaxStates).outcome, kUnsolvable);
  // Every switch the left robot reaches toggles the door the right one must
  // pass, and both arrive together: the right robot is always crushed in the
  // doorway. A search that went on from that lost board would let it drive
  // out of the closed door to the exit (DDD).
  auto crushing = MakeTestBoard({"aaaaa", "a0a0a", "ayawa", "ayaDa", "aDaaa", "aaaaa"}, {{1, 1}, {3, 1}});
  EXPECT_EQ(SolveLevel(*crushing, kDefaultMaxStates).outcome, kUnsolvable);
  // Nothing to take off the board: solved with no move.
  auto empty = MakeTestBoard({"D"}, {});
  result = SolveLevel(*empty, kDefaultMaxStates);
  EXPECT_EQ(result.outcome, kSolved);
  EXPECT_EQ(result.moves, "");

  auto maze = MakeTestBoard(kMaze.cells, kMaze.robots);
  result = SolveLevel(*maze, 3);
  EXPECT_EQ(result.outcome, kGaveUp);
  EXPECT_EQ(result.states, 3);
}

// A key decodes to a board that plays every move exactly as the board it
// was taken from.
TEST(Solver, DecodedKeysPlayLikeTheBoardsTheyCameFrom) {
  auto board = MakeTestBoard({"aaaaaaaaaaaa", "a0y00C00w00a", "a0mm000000Da", "a000E0H0A00a", "a0B0000O000a",
                              "a000P00000Ka", "aaaaaaaaaaaa"},
                             {{1, 1}, {3, 3}, {6, 2}, {9, 4}});
  auto start = std::make_unique<Board>(*board);
  auto decoded = std::make_unique<Board>(*board);
  LevelShape shape = FindLevelShape(*board);
  std::mt19937 random(3);
  std::vector<uint8_t> key, replayedKey;
  PlayCounter counter;
  int compared = 0;
  ASSERT_TRUE(SettleBoard(*board, counter));
  for (int move = 0; move < 300; ++move) {
    if (board->LevelStatus() != 0) {
      *board = *start;
      ASSERT_TRUE(SettleBoard(*board, counter));
    }
    ASSERT_TRUE(EncodeSettledBoard(*board, shape, key));
    DecodeSettledBoard(key.data(), key.size(), shape, *decoded);
    Direction direction = static_cast<Direction>(1 + random() % 4);
    bool settled = PlayMove(*board, direction, counter);
    ASSERT_EQ(PlayMove(*decoded, direction, counter), settled);
    ASSERT_EQ(decoded->LevelStatus(), board->LevelStatus());
    if (!settled || board->LevelStatus() != 0) continue;
    ASSERT_TRUE(EncodeSettledBoard(*board, shape, key));
    ASSERT_TRUE(EncodeSettledBoard(*decoded, shape, replayedKey));
    ASSERT_EQ(key, replayedKey) << "move " << move;
    compared += 1;
  }
  EXPECT_GT(compared, 100);
}

}  // namespace
