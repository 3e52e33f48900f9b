// Shortest solutions by breadth-first search over settled boards: from each
// state every direction is tried as one move (see rules/settle.h).
#pragma once
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

// start is a freshly loaded level; it is not changed.
SolveResult SolveLevel(const Board& start, int64_t maxStates);

// What --play reports after playing the letters (see PlayMoveLetters).
enum PlayOutcome { kPlayWon, kPlayLost, kPlayNotFinished };

struct PlayResult {
  PlayOutcome outcome = kPlayNotFinished;
  int64_t ticks = 0;
};

// Lets the board settle, then plays each letter as a move until the level is
// won or lost or a move never settles. With trace set, prints one line per
// tick to it: "T G x,y,angle,active,deathKind ..." for every robot.
PlayResult PlayMoveLetters(Board& board, const std::string& letters, FILE* trace);
