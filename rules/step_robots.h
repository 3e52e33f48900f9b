// The last part of a step: each robot in table order starts, continues or
// ends its move, turns, or obeys the direction of this tick.
#pragma once
#include "rules/board.h"

// anyDriving: some robot drives under its own power (not carried by
// rollers), so no new command. Adds the sounds of starts and arrivals.
void MoveRobots(Board& board, Direction direction, bool anyDriving, StepReport& sounds);
