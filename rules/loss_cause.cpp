// Why a lost level was lost.
#include "rules/loss_cause.h"

LossCause LossCauseOf(const Board& board, bool byTime) {
  if (byTime) return kLossTime;
  bool mine = false, cables = false, door = false, collision = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (r.deathKind == kDeathElectrocuted) cables = true;
    if (r.deathKind != kDeathExploded) continue;
    const int32_t x = static_cast<int32_t>(r.x), y = static_cast<int32_t>(r.y);
    const int32_t kind = board.CellKindAt(x, y);
    if (IsMineKind(kind)) {
      mine = true;
    } else if (IsDoorKind(kind) && r.x == x && r.y == y && board.cellState[x][y] != 4) {
      // Robots colliding in an open doorway are a collision, not the door.
      door = true;
    } else {
      collision = true;
    }
  }
  if (mine) return kLossMine;
  if (cables) return kLossCables;
  if (door) return kLossDoor;
  if (collision) return kLossCollision;
  return kLossUnknown;
}

const char* LossCauseWord(LossCause cause) {
  switch (cause) {
    case kLossMine: return "mine";
    case kLossCables: return "cables";
    case kLossDoor: return "door";
    case kLossCollision: return "collision";
    case kLossTime: return "time";
    default: return "unknown";
  }
}
