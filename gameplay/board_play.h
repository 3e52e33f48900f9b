// The board in play and what the player does to it besides steering: undo
// and redo of moves, a hint, fast forward. It owns the sound latches and the
// move history, hands every step its input and plays what the step asks for.
#pragma once
#include "gameplay/hint_job.h"
#include "gameplay/play_phases.h"
#include "rules/board.h"
#include "rules/move_history.h"

constexpr int kFastForwardSteps = 4;  // steps per tick while fast forward is held

struct BoardPlay {
  explicit BoardPlay(Board& b) : board(b) {}
  Board& board;
  SoundLatches latches;
  MoveHistory history;
  HintJob hint;
  Direction redoing = kNoDirection;  // a redone move to take on the next step

  // A level was loaded or restarted.
  void Reset();
  // One tick of play: steps times a step with this input (a redone move
  // takes the first), stopping early when the level is decided.
  void Tick(const StepInput& input, int steps);
  // Back to the board before the newest move, the one under way included;
  // false with no move made.
  bool Undo();
  bool Redo();
  void AskHint() { hint.Ask(board); }

  int level = 0;                     // the level loaded
  HintShown lastHint = kHintHidden;  // for the run log
  bool winLogged = false;            // the win is logged and recorded
};

// What the play screen shows of the player's moves besides the board.
struct MovesShown {
  int32_t moves = 0;
  int32_t par = 0;  // 0: unknown
  HintShown hint = kHintHidden;
  Direction arrow = kNoDirection;
  bool canUndo = false;
};
// Also logs a hint's answer once, for scripted runs.
MovesShown ShowMoves(BoardPlay& play, int level);

// The play loop's actions for the board: a level load starts a fresh
// history; each tick reads the keys and the pad (Tab: fast forward); typed
// keys undo (Backspace, U), redo (R) and ask for a hint (H) (the pad types
// them too); the loss card's undo. A win's
// moves go into the current player's records.
void BindBoardPlay(BoardPlay& play, PlayActions& a);
