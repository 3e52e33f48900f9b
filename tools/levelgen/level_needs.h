// Solving a level straight from its source, the necessity check of its
// "need:" cells, and the difficulty rating the order of the set rests on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "level_source.h"
#include "rules/board.h"
#include "tools/solve/solver.h"

// The level loaded by the game's own loader (its files written to a scratch
// folder and read back); null with *error set when that fails.
std::unique_ptr<Board> LoadSourceBoard(const LevelSource& level, std::string* error);

// Solves the level as the game would load it. A level that cannot be loaded
// counts as unsolvable with no states.
SolveResult SolveSource(const LevelSource& level, int64_t maxStates);

struct NeedVerdict {
  NeededCell need;
  SolveResult without;  // the level solved with the cell removed or walled up
  bool needed = false;  // without it the level is unsolvable or longer than par
};

// Enough for every variant of a shipped level: a variant that plays wider
// than its level (a post gone opens the hall) searches more, and one that
// needs more than this is taken as no answer.
constexpr int64_t kNeedSearchStates = 200000;

// One verdict per "need:" line, in file order. A search that gives up after
// maxStates proves nothing, so its cell does not count as needed.
std::vector<NeedVerdict> CheckNeeds(const LevelSource& level, int64_t maxStates);

// How hard a level is to find the way through: the moves of the shortest
// solution and the breadth of the search that finds it, together. Each
// doubling of the states searched weighs as much as two more moves.
double RateDifficulty(int par, int64_t states);
