// Playing a level move by move, as the solver counts moves: one direction key
// held for one tick, then ticks with no key until the board is settled (won,
// lost, or quiet: one more tick would change nothing but the exit cells'
// animation and the per-step heldBack flags).
#pragma once
#include <cstdint>

#include "rules/board.h"

constexpr int32_t kSettleTickLimit = 20000;

// Direction letters of moves: L R U D; anything else is no direction.
Direction DirectionOfLetter(char letter);
// The letter of a direction, '?' for none.
char LetterOfDirection(Direction direction);

// True when a tick with no key would leave every robot, door, the game state
// and the failure animations as they are, or the level is won or lost.
bool IsBoardSettled(const Board& board);

// Called after every tick with the board and the tick number of the play.
using TickObserver = void (*)(const Board& board, int64_t tick, void* context);

struct PlayCounter {
  int64_t ticks = 0;  // ticks played so far, across moves
  TickObserver observer = nullptr;
  void* context = nullptr;
  SoundLatches latches;
  StepReport* heard = nullptr;  // when set, the sounds asked for are added up here
  // A death always ends in a loss: when set, a move stops as soon as a robot
  // dies instead of playing the failure animation out (the solver's way).
  bool stopAtDeath = false;
  // Quiet ticks (rules/quiet_ticks.h) go by without the full step: the same
  // boards, faster. Ignored while an observer watches every tick.
  bool skipQuietTicks = false;
};

// Steps with no key held until the board is settled. False when it is not
// settled after kSettleTickLimit ticks.
bool SettleBoard(Board& board, PlayCounter& counter);
// One move: the direction held for one tick, then no key until the board is
// settled; false when it is not within kSettleTickLimit ticks in all.
bool PlayMove(Board& board, Direction direction, PlayCounter& counter);
