// Ticks in which nothing happens but motion: robots driving between two
// cells or turning on the spot, or the whole board waiting while a teleport,
// cloner or exit plays out. Most ticks of a move are like that; the solver
// plays them here without the full step, and gets the very board stepping
// would give.
#pragma once
#include <cstdint>

#include "rules/board.h"

// Plays up to maxTicks ticks with no key, each exactly as Step would, as long
// as each is quiet: no robot starts a move or arrives, no animation reaches a
// point where it sounds, jumps or ends, no door moves, nobody dies. A robot
// ending its turn or crossing into another cell (as the collision and mine
// checks see it) ends the batch. Returns the ticks played, 0 when the next
// tick is not quiet.
int32_t SkipQuietTicks(Board& board, SoundLatches& latches, int32_t maxTicks);
