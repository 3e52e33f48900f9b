// Shortest solutions by breadth-first search over settled boards: from each
// state every direction is tried as one move (see rules/settle.h).
#pragma once
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

#include "rules/board.h"

enum SolveOutcome { kSolved, kUnsolvable, kGaveUp };

struct SolveResult {
  SolveOutcome outcome = kUnsolvable;
  std::string moves;   // letters L R U D of a shortest solution
  int64_t states = 0;  // distinct settled states found
};

constexpr int64_t kDefaultMaxStates = 2000000;

// start is a freshly loaded level or any board in play (a move under way is
// first played out); it is not changed. Setting *stop ends the search early,
// as if it gave up.
SolveResult SolveLevel(const Board& start, int64_t maxStates, const std::atomic<bool>* stop = nullptr);

// The first move of a shortest solution from board, for a player who asks.
struct Hint {
  SolveOutcome outcome = kUnsolvable;
  Direction first = kNoDirection;  // kNoDirection when solved without a move
  int32_t movesLeft = 0;
  int64_t states = 0;
};
Hint FindHint(const Board& board, int64_t maxStates, const std::atomic<bool>* stop = nullptr);
// "hint: R, 12 moves left", "hint: none, no solution" or "hint: gave up after S states".
std::string DescribeHint(const Hint& hint);

// What --play reports after playing the letters (see PlayMoveLetters).
enum MovesOutcome { kPlayWon, kPlayLost, kPlayNotFinished };

struct PlayResult {
  MovesOutcome outcome = kPlayNotFinished;
  int64_t ticks = 0;
};

// Lets the board settle, then plays each letter as a move until the level is
// won or lost or a move never settles. With trace set, prints one line per
// tick to it: "T G x,y,angle,active,deathKind ..." for every robot.
PlayResult PlayMoveLetters(Board& board, const std::string& letters, FILE* trace);
