// Moves as whole units of play: a key for one tick, then wait for the board
// to come to rest. The solver, the tests and the benchmark play through this.
#include "rules/settle.h"

#include "rules/cell_kinds.h"
#include "rules/doors.h"
#include "rules/quiet_ticks.h"

Direction DirectionOfLetter(char letter) {
  switch (letter) {
    case 'L': return kDirectionLeft;
    case 'R': return kDirectionRight;
    case 'U': return kDirectionUp;
    case 'D': return kDirectionDown;
    default: return kNoDirection;
  }
}

char LetterOfDirection(Direction direction) {
  switch (direction) {
    case kDirectionLeft: return 'L';
    case kDirectionRight: return 'R';
    case kDirectionUp: return 'U';
    case kDirectionDown: return 'D';
    default: return '?';
  }
}

namespace {

// An active robot that the next tick would move, turn, carry or kill.
bool RobotRestless(const Board& board, const RobotRecord& r) {
  if (r.moving || r.turnRemaining > 0) return true;
  int32_t kind = board.CellKindAt(static_cast<int32_t>(r.x), static_cast<int32_t>(r.y));
  if (r.justArrived && IsRollerKind(kind)) return true;
  return IsMineKind(kind) || kind == kCellCables;
}

void Tick(Board& board, PlayCounter& counter, const StepInput& input) {
  StepReport sounds = board.Step(input, counter.latches);
  if (counter.heard != nullptr) counter.heard->Add(sounds);
  counter.ticks += 1;
  if (counter.observer != nullptr) counter.observer(board, counter.ticks, counter.context);
}

}  // namespace

bool IsBoardSettled(const Board& board) {
  if (board.GameState == kGameLost) return true;
  if (board.GameState != kGamePlaying) return false;
  bool anyActive = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (r.teleportAnim >= 0 || r.cloneAnim >= 0 || r.exitAnim >= 0) return false;
    if (r.active && RobotRestless(board, r)) return false;
    anyActive |= r.active != 0;
  }
  if (!anyActive) return true;  // won
  if (board.doorsMoving && !DoorsAtRest(board)) return false;
  uint8_t count[kBoardColumns][kBoardRows] = {};
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    int32_t cx = static_cast<int32_t>(r.x), cy = static_cast<int32_t>(r.y);
    if (!r.active || cx < 0 || cx >= kBoardColumns || cy < 0 || cy >= kBoardRows) continue;
    if (++count[cx][cy] > 1) return false;  // about to collide
  }
  return true;
}

namespace {

bool SettleWithin(Board& board, PlayCounter& counter, int32_t tickLimit) {
  const StepInput noKey;
  // Nobody watches single ticks: quiet ones may go by in a batch.
  const bool skipping = counter.skipQuietTicks && counter.observer == nullptr;
  for (int32_t tick = 0; tick < tickLimit;) {
    if (IsBoardSettled(board)) return true;
    if (counter.stopAtDeath && board.GameState != kGamePlaying) return true;
    int32_t quiet = skipping ? SkipQuietTicks(board, counter.latches, tickLimit - tick) : 0;
    if (quiet > 0) {
      counter.ticks += quiet;
      tick += quiet;
      continue;
    }
    Tick(board, counter, noKey);
    ++tick;
  }
  return IsBoardSettled(board);
}

}  // namespace

bool SettleBoard(Board& board, PlayCounter& counter) { return SettleWithin(board, counter, kSettleTickLimit); }

bool PlayMove(Board& board, Direction direction, PlayCounter& counter) {
  Tick(board, counter, CommandInput(direction));
  // The key's own tick counts towards the move's limit.
  return SettleWithin(board, counter, kSettleTickLimit - 1);
}
