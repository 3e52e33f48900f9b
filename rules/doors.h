// Door states at a glance: most ticks no door moves, and both the step and
// the settle test ask that first.
#pragma once
#include "rules/board.h"

// True when no cell state would change in the next step's door pass: every
// state is 0 (closed, or no door), 4 (open) or past the open snap.
bool DoorsAtRest(const Board& board);
