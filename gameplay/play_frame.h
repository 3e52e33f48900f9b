// One frame of the play screen: the board with its heads-up pictures, the
// black overlay, the level card and the pause picture, or the end scene.
#pragma once
#include "gameplay/board_play.h"
#include "gameplay/play_phases.h"
#include "rules/board.h"

// Queues and renders the frame for the loop's state. The card part may start
// a level without a card of its own at once (it changes the state).
// shown: the moves and par on the heads-up display, the hint, the loss
// card's undo and the win's count of moves.
void ComposePlayFrame(const Board& board, PlayState& s, const MovesShown& shown = {});

// The heads-up digits of a level: its number within its difficulty.
struct LevelDigits {
  int difficulty = 0;  // 0 easy, 1 medium, 2 hard
  int tens = 0, ones = 1;
};
LevelDigits LevelDigitsOf(int level);
