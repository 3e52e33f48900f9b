// Undo and redo of moves: the board as it was just before each move was
// taken, what undo gives back (robots, doors, the game state and its failure
// animations, the sound latches), and the moves undone for redo. The level's
// clock and the camera are the player's, not the move's: undo leaves them.
#pragma once
#include <cstdint>
#include <vector>

#include "rules/board.h"

struct BoardMoment {
  std::vector<RobotRecord> robots;
  float cellState[kBoardColumns][kBoardRows] = {};
  int32_t GameState = kGamePlaying;
  float explosionAnim = 0, electroAnim = 0;
  uint8_t doorsMoving = 0;
  SoundLatches latches;
  Direction direction = kNoDirection;  // the move taken from here
};

BoardMoment TakeMoment(const Board& board, const SoundLatches& latches);
// Robot records past the moment's count are left as they are: they are not
// in play.
void RestoreMoment(const BoardMoment& moment, Board& board, SoundLatches& latches);

class MoveHistory {
 public:
  void Clear();
  // A move was taken from the board as it was in moment: it is the newest
  // move, and the moves undone before it are forgotten.
  void Record(BoardMoment moment);
  // Back to the board before the newest move (the one still under way, if
  // any). False with no move left to undo.
  bool Undo(Board& board, SoundLatches& latches);
  // The board before the last undone move, and that move's direction for the
  // caller to take again (not to be recorded anew); kNoDirection when nothing
  // was undone.
  Direction Redo(Board& board, SoundLatches& latches);
  int32_t MovesMade() const { return static_cast<int32_t>(done.size()); }
  bool CanUndo() const { return !done.empty(); }

 private:
  std::vector<BoardMoment> done;
  std::vector<BoardMoment> undone;
};
