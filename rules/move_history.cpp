// Moments of a board, and the two stacks of undo and redo.
#include "rules/move_history.h"

#include <cstring>
#include <utility>

BoardMoment TakeMoment(const Board& board, const SoundLatches& latches) {
  BoardMoment m;
  m.robots.assign(board.robots, board.robots + board.robotCount);
  std::memcpy(m.cellState, board.cellState, sizeof(m.cellState));
  m.GameState = board.GameState;
  m.explosionAnim = board.explosionAnim;
  m.electroAnim = board.electroAnim;
  m.doorsMoving = board.doorsMoving;
  m.latches = latches;
  return m;
}

void RestoreMoment(const BoardMoment& m, Board& board, SoundLatches& latches) {
  board.robotCount = static_cast<int32_t>(m.robots.size());
  for (int32_t i = 0; i < board.robotCount; ++i) board.robots[i] = m.robots[i];
  std::memcpy(board.cellState, m.cellState, sizeof(board.cellState));
  board.GameState = m.GameState;
  board.explosionAnim = m.explosionAnim;
  board.electroAnim = m.electroAnim;
  board.doorsMoving = m.doorsMoving;
  latches = m.latches;
}

void MoveHistory::Clear() {
  done.clear();
  undone.clear();
}

void MoveHistory::Record(BoardMoment moment) {
  done.push_back(std::move(moment));
  undone.clear();
}

bool MoveHistory::Undo(Board& board, SoundLatches& latches) {
  if (done.empty()) return false;
  RestoreMoment(done.back(), board, latches);
  undone.push_back(std::move(done.back()));
  done.pop_back();
  return true;
}

Direction MoveHistory::Redo(Board& board, SoundLatches& latches) {
  if (undone.empty()) return kNoDirection;
  RestoreMoment(undone.back(), board, latches);
  const Direction direction = undone.back().direction;
  // The caller takes the move again; it is back among the moves made.
  done.push_back(std::move(undone.back()));
  undone.pop_back();
  return direction;
}
