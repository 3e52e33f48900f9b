// Why a lost level was lost, read from the board it was lost on: what the
// dead robots died of and the cells they died on.
#pragma once
#include "rules/board.h"

enum LossCause : uint8_t {
  kLossUnknown = 0,  // no robot died (or the board is not lost)
  kLossMine = 1,
  kLossCables = 2,
  kLossDoor = 3,       // a closing door crushed a robot standing in it
  kLossCollision = 4,  // robots drove into each other
  kLossTime = 5,
};

// byTime: the clock ran out (the board itself does not know). Several robots
// dying of different things in one move name the first of mine, cables,
// door, collision.
LossCause LossCauseOf(const Board& board, bool byTime = false);
// One English word for the run log: "mine", "cables", "door", "collision",
// "time", "unknown".
const char* LossCauseWord(LossCause cause);
