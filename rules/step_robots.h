// The last part of a step: each robot in table order starts, continues or
// ends its move, turns, or obeys the direction of this tick.
#pragma once
#include "rules/board.h"

// direction: 0 none, 1 left, 2 right, 3 up, 4 down. anyDriving: some robot
// drives under its own power (not carried by rollers), so no new command.
void MoveRobots(Board& board, int direction, bool anyDriving);
