// The camera tour over a level before it is played: a blocking loop of its
// own that returns once the player has confirmed and the screen has darkened.
#pragma once
#include <cstdint>

#include "gameplay/tour_motion.h"
#include "rules/board.h"

// endOnBlack 1 darkens to black at the end, 0 to half light. A level without
// a card of its own shows its title and hint on a banner over the tour.
void IntroTour(Board& board, uint8_t endOnBlack, int level);

// The tour's points for a board: its robots, then its exits column by column.
std::vector<TourPoint> TourPointsOf(const Board& board);
