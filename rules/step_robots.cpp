// Moving robots: starting a move (or failing to), driving cell to cell in 61
// ticks, what a robot's arrival does (exit, cloner, teleport, switch), and
// turning on the spot towards the commanded direction.
#include "rules/step_robots.h"

#include "rules/cell_kinds.h"

namespace {

// The rollers and the engine sound once a step, however many robots start.
struct MoveSounds {
  StepReport& wanted;
  bool rollersPlayed = false;
  bool enginePlayed = false;
};

int32_t Truncate(float v) { return static_cast<int32_t>(v); }

int32_t KindUnder(const Board& board, const RobotRecord& r) { return board.CellKindAt(Truncate(r.x), Truncate(r.y)); }

void StartMove(Board& board, RobotRecord& r, MoveSounds& sounds) {
  bool onBoard = r.x >= 0 && r.x < kBoardColumns && r.y >= 0 && r.y < kBoardRows;
  bool onRollers = onBoard && IsRollerKind(KindUnder(board, r));
  float nx = r.x + r.dx, ny = r.y + r.dy;
  // Rollers push a robot on even into an occupied cell; the collision check
  // of the next step then explodes both.
  bool begins = (!r.heldBack && board.CanEnter(nx, ny, 0)) || (onRollers && board.CanEnterIgnoringRobots(nx, ny, 0));
  if (!begins) {
    r.skidding = 0;
    r.moveCountdown = -1;
    r.turnRemaining = 0;
    r.moving = 0;
    r.justArrived = 0;
    return;
  }
  if (onRollers && !sounds.rollersPlayed) {
    sounds.wanted.Add(kSoundRollers);
    sounds.rollersPlayed = true;
  }
  r.moveCountdown = 60;
  r.originX = r.x;
  r.originY = r.y;
  // The first move from oil spins the wheels in place; the next one drives.
  if (KindUnder(board, r) == kCellOil && !r.skidding) {
    r.skidding = 1;
    return;
  }
  r.skidding = 0;
  if (!onRollers && !sounds.enginePlayed) {
    sounds.wanted.Add(kSoundEngine);
    sounds.enginePlayed = true;
  }
}

bool RobotStandsExactlyAt(const Board& board, float x, float y) {
  for (int32_t j = 0; j < board.robotCount; ++j) {
    const RobotRecord& r = board.robots[j];
    if (r.active && r.x == x && r.y == y) return true;
  }
  return false;
}

void KillRobotsExactlyAt(Board& board, float x, float y) {
  for (int32_t j = 0; j < board.robotCount; ++j) {
    RobotRecord& r = board.robots[j];
    if (r.active && r.x == x && r.y == y) r.deathKind = kDeathExploded;
  }
}

// One copy per receiver, column by column. A full robot table makes no more
// copies; a robot of which no copy could be made stays on the entrance, just
// as with no receiver at all.
void EnterCloner(Board& board, int32_t entering) {
  for (int32_t x = 0; x < kBoardColumns; ++x) {
    for (int32_t y = 0; y < kBoardRows; ++y) {
      if (board.CellKindAt(x, y) != kCellClonerReceiver || board.robotCount >= kRobotCapacity) continue;
      float fx = static_cast<float>(x), fy = static_cast<float>(y);
      bool occupied = RobotStandsExactlyAt(board, fx, fy);
      if (occupied) KillRobotsExactlyAt(board, fx, fy);
      RobotRecord copy = board.robots[entering];
      copy.skidding = 0;
      copy.active = 1;
      copy.x = fx;
      copy.y = fy;
      copy.deathKind = occupied ? kDeathExploded : kAlive;
      copy.cloneAnim = 0;
      copy.teleportAnim = -1;
      copy.clonedCopy = 1;
      copy.justArrived = 0;
      board.robots[board.robotCount++] = copy;
      if (occupied) {
        board.robots[entering].deathKind = kDeathExploded;
        board.GameState = kGameExploding;
      } else {
        board.robots[entering].cloneAnim = 0;
      }
    }
  }
}

// The marker of the teleport's colour in the rightmost column holding one
// (topmost within it); with no marker the robot stays on the teleport.
void EnterTeleport(Board& board, RobotRecord& r, int32_t teleportKind) {
  int32_t markerKind = teleportKind + 3;
  int32_t mx = -1, my = -1;
  for (int32_t x = 0; x < kBoardColumns; ++x) {
    for (int32_t y = 0; y < kBoardRows; ++y) {
      if (board.CellKindAt(x, y) == markerKind) {
        mx = x;
        my = y;
        break;
      }
    }
  }
  if (mx < 0) return;
  r.originX = static_cast<float>(mx);
  r.originY = static_cast<float>(my);
  r.teleportAnim = 0;
}

// A switch toggles every door of its colour that is not already moving.
void ToggleDoors(Board& board, bool blue, StepReport& sounds) {
  const RuleSound openSound = blue ? kSoundBlueDoorOpen : kSoundRedDoorOpen;
  const RuleSound closeSound = blue ? kSoundBlueDoorClose : kSoundRedDoorClose;
  for (int32_t x = 0; x < kBoardColumns; ++x) {
    for (int32_t y = 0; y < kBoardRows; ++y) {
      int32_t kind = board.CellKindAt(x, y);
      if (blue ? !IsBlueDoorKind(kind) : !IsRedDoorKind(kind)) continue;
      float& s = board.cellState[x][y];
      if (s == 4 || s == 0) board.doorsMoving = 1;
      if (s == 4) {
        sounds.Add(openSound);
        s = -4;
      } else if (s == 0) {
        sounds.Add(closeSound);
        s = -1000;
      }
    }
  }
}

void Arrive(Board& board, int32_t i, StepReport& sounds) {
  RobotRecord& r = board.robots[i];
  r.justArrived = 1;
  r.moving = 0;
  r.moveCountdown = -1;
  int32_t kind = KindUnder(board, r);
  if (kind == kCellExit) {
    r.exitAnim = 0;
  } else if (kind == kCellClonerEntrance) {
    EnterCloner(board, i);
  } else if (IsTeleportKind(kind)) {
    EnterTeleport(board, r, kind);
  } else if (kind == kCellBlueSwitch || kind == kCellRedSwitch) {
    ToggleDoors(board, kind == kCellBlueSwitch, sounds);
  }
}

void ContinueMove(Board& board, int32_t i, StepReport& sounds) {
  RobotRecord& r = board.robots[i];
  if (!r.skidding) {
    r.x = PositionAlongMove(r.originX, r.dx, r.moveCountdown);
    r.y = PositionAlongMove(r.originY, r.dy, r.moveCountdown);
  }
  r.moveCountdown -= 1;
  if (r.moveCountdown < 0) Arrive(board, i, sounds);
}

void SetTurn(RobotRecord& r, float sign, float degrees) {
  r.turnSign = sign;
  r.turnRemaining = degrees;
}

// Turns towards the direction, or, already facing it, starts a move; false
// when it does neither.
bool ObeyDirection(RobotRecord& r, Direction direction) {
  float ndx = 0, ndy = 0;
  bool facing = false;
  switch (direction) {
    case kDirectionLeft:
      ndx = -1;
      facing = r.dx == -1;
      if (!facing && r.dx == 1) SetTurn(r, +1, 180);
      else if (!facing && r.dy == 1) SetTurn(r, -1, 90);
      else if (!facing && r.dy == -1) SetTurn(r, +1, 90);
      break;
    case kDirectionRight:
      ndx = 1;
      facing = r.dx == 1;
      if (!facing && r.dx == -1) SetTurn(r, -1, 180);
      else if (!facing && r.dy == 1) SetTurn(r, +1, 90);
      else if (!facing && r.dy == -1) SetTurn(r, -1, 90);
      break;
    case kDirectionUp:
      ndy = -1;
      facing = r.dy == -1;
      if (!facing && r.dx == 1) SetTurn(r, +1, 90);
      else if (!facing && r.dy == 1) SetTurn(r, +1, 180);
      else if (!facing && r.dx == -1) SetTurn(r, -1, 90);
      break;
    case kDirectionDown:
      ndy = 1;
      facing = r.dy == 1;
      if (!facing && r.dx == 1) SetTurn(r, -1, 90);
      else if (!facing && r.dy == -1) SetTurn(r, -1, 180);
      else if (!facing && r.dx == -1) SetTurn(r, +1, 90);
      break;
    default:
      return false;
  }
  if (!facing) {
    r.dx = ndx;
    r.dy = ndy;
    return true;
  }
  if (r.turnRemaining != 0) return false;
  r.dx = ndx;
  r.dy = ndy;
  r.moveCountdown = -1;
  r.moving = 1;
  return true;
}

void StandOrTurn(Board& board, RobotRecord& r, Direction direction, bool anyDriving, StepReport& report) {
  int32_t kind = KindUnder(board, r);
  // Plain rollers carry a robot that has just arrived; it obeys nobody.
  if (kind >= kCellRollers1 && kind <= kCellRollers2c && r.justArrived) return;
  if (r.turnRemaining > 0) {
    AdvanceTurn(r);
    if (r.turnRemaining <= 0) {
      r.moveCountdown = -1;
      r.moving = 1;  // the move follows the turn without another key
    }
    return;
  }
  if (!anyDriving && ObeyDirection(r, direction)) report.commandTaken = true;
}

}  // namespace

void MoveRobots(Board& board, Direction direction, bool anyDriving, StepReport& wanted) {
  MoveSounds sounds{wanted};
  // Copies made by a cloner during this loop are visited too.
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (!r.active || r.teleportAnim != -1) continue;
    if (r.moving && r.moveCountdown == -1) {
      StartMove(board, r, sounds);
    } else if (r.moving && r.moveCountdown >= 0) {
      ContinueMove(board, i, wanted);
    } else if (!r.moving) {
      StandOrTurn(board, r, direction, anyDriving, wanted);
    }
  }
}
