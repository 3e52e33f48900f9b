// Step: one 5 ms tick of the rules, in a fixed order: input and camera,
// failure animations, doors, robot animations, deaths, who may move, rollers,
// then every robot's move, turn or arrival. Deterministic: no clock, no
// random numbers; the same keys give the same play.
#include <cmath>

#include "rules/board.h"
#include "rules/cell_kinds.h"
#include "rules/doors.h"
#include "rules/step_robots.h"

namespace {

constexpr float kDegreesToRadians = 3.1415f / 180.0f;

using RobotGrid = int16_t[kBoardColumns][kBoardRows];

int32_t Truncate(float v) { return static_cast<int32_t>(v); }

int32_t KindUnder(const Board& board, const RobotRecord& r) { return board.CellKindAt(Truncate(r.x), Truncate(r.y)); }

bool OnBoard(int32_t x, int32_t y) { return x >= 0 && x < kBoardColumns && y >= 0 && y < kBoardRows; }

// Ctrl+Up/Down tilts the overview; otherwise digits pick the camera and,
// looking through a robot, Left and Right turn the view.
void ApplyCameraInput(Board& board, const StepInput& input) {
  if (input.tilting) {
    if (input.tiltDown) board.pitch += 0.25f;
    if (input.tiltUp) board.pitch -= 0.25f;
    if (board.pitch < -45) board.pitch = -45;
    if (board.pitch > 0) board.pitch = 0;
    board.eyeHeight = std::sin(board.pitch * kDegreesToRadians) * 50;
    board.eyeDistance = std::cos(board.pitch * kDegreesToRadians) * 50;
    return;
  }
  for (int digit = 0; digit <= 9; ++digit) {
    if ((input.digitsHeld >> digit & 1) != 0 && digit != board.CameraMode) {
      board.CameraMode = digit;
      board.robotViewYaw = 0;
    }
  }
  if (board.CameraMode > board.robotCount) board.CameraMode = 0;
  if (board.CameraMode > 0) {
    if (input.viewLeft) board.robotViewYaw += 1;
    if (input.viewRight) board.robotViewYaw -= 1;
  }
}

void LookThroughRobot(Board& board) {
  int32_t m = board.CameraMode - 1;
  if (m >= board.robotCount) return;
  const RobotRecord& r = board.robots[m];
  float yaw = board.robotViewYaw * kDegreesToRadians;
  board.lookAt[0] = std::cos(yaw) * 3 + 2 * r.x - 18;
  board.lookAt[1] = std::sin(yaw) * 3 + 12 - 2 * r.y;
  board.lookAt[2] = 1.425f;
}

void AdvanceFailureAnimations(Board& board, SoundLatches& latches, StepReport& sounds) {
  const int32_t state = board.GameState;
  const bool exploding = state == kGameExploding || state == kGameExplodingAndElectrocuting;
  const bool electrocuted = state == kGameElectrocuting || state == kGameExplodingAndElectrocuting;
  if (exploding && !latches.explosion) sounds.Add(kSoundExplosion);
  if (electrocuted && !latches.electro) sounds.Add(kSoundElectro);
  latches.explosion = exploding;
  latches.electro = electrocuted;
  if (exploding) board.explosionAnim += 0.05f;
  if (electrocuted) board.electroAnim += 0.075f;
  bool explosionDone = board.explosionAnim > 9;
  bool electroDone = board.electroAnim > 20;
  if (explosionDone && exploding) board.explosionAnim = 9;
  if (electroDone && electrocuted) board.electroAnim = 20;
  if ((state == kGameExploding && explosionDone) || (state == kGameElectrocuting && electroDone) ||
      (state == kGameExplodingAndElectrocuting && explosionDone && electroDone)) {
    board.GameState = kGameLost;
  }
}

bool AnyRobotDriving(const Board& board) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (r.active && r.moving && !IsRollerKind(KindUnder(board, r))) return true;
  }
  return false;
}

void CrushRobotsExactlyAt(Board& board, float x, float y) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (r.active && r.x == x && r.y == y) {
      r.deathKind = kDeathExploded;
      board.GameState = kGameExploding;
    }
  }
}

// A door opens from 0 to 4 and closes from -4 to 0 in 16 ticks; reaching 0
// crushes a robot standing in the doorway.
void AdvanceDoors(Board& board) {
  if (!board.doorsMoving) return;
  if (DoorsAtRest(board)) {
    board.doorsMoving = 0;
    return;
  }
  for (int32_t x = 0; x < kBoardColumns; ++x) {
    for (int32_t y = 0; y < kBoardRows; ++y) {
      float& s = board.cellState[x][y];
      if (s != 0 && s < 4) {
        if (s == -1000) s = 0;
        s += 0.25f;
        if (std::fabs(s) <= 0.01f) {
          s = 0;
          CrushRobotsExactlyAt(board, static_cast<float>(x), static_cast<float>(y));
        }
      }
      if (s >= 4 && s < 4.2f) s = 4;
    }
  }
}

bool AdvanceTeleports(Board& board, SoundLatches& latches, StepReport& sounds) {
  bool busy = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (r.teleportAnim < 0) continue;
    r.teleportAnim += kTeleportAnimPerTick;
    if (r.teleportAnim < 5 && !latches.teleport) {
      sounds.Add(kSoundTeleportIn);
      latches.teleport = true;
    }
    if (r.teleportAnim > 5) {
      if (latches.teleport) {
        sounds.Add(kSoundTeleportOut);
        latches.teleport = false;
      }
      // The jump happens halfway for every teleporting robot, whoever played the sound.
      r.x = r.originX;
      r.y = r.originY;
      if (r.teleportAnim > 10) r.teleportAnim = -1;
    }
    busy = true;
  }
  return busy;
}

bool AdvanceCloners(Board& board, SoundLatches& latches, StepReport& sounds) {
  bool busy = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (r.cloneAnim < 0) continue;
    r.cloneAnim += kCloneAnimPerTick;
    if (r.cloneAnim < 5 && !latches.cloner) {
      latches.cloner = true;
      sounds.Add(kSoundClonerIn);
    }
    if (r.cloneAnim > 10) {
      r.cloneAnim = -1;
      if (r.clonedCopy) {
        r.clonedCopy = 0;
      } else {
        if (latches.cloner) sounds.Add(kSoundClonerOut);
        r.active = 0;  // the robot that went in is gone
        latches.cloner = false;
      }
    }
    busy = true;
  }
  return busy;
}

bool AdvanceExits(Board& board, SoundLatches& latches, StepReport& sounds) {
  bool busy = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (r.exitAnim < 0) continue;
    r.exitAnim += kExitAnimPerTick;
    if (!latches.exit) {
      sounds.Add(kSoundExit);
      latches.exit = true;
    }
    if (r.exitAnim > 10) {
      r.exitAnim = -1;
      r.active = 0;
      latches.exit = false;
    }
    busy = true;
  }
  return busy;
}

// Whether two active robots share a cell. Most boards hold a handful of
// robots, for which comparing pairs is cheaper than clearing a grid.
bool AnyCellCrowded(const Board& board) {
  constexpr int32_t kPairwiseLimit = 8;
  int16_t cells[kPairwiseLimit];
  int32_t n = 0;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    int32_t cx = Truncate(r.x), cy = Truncate(r.y);
    if (!r.active || !OnBoard(cx, cy)) continue;
    if (n == kPairwiseLimit) return true;  // too many to compare: let the grid decide
    cells[n++] = static_cast<int16_t>(cx * kBoardRows + cy);
  }
  for (int32_t a = 1; a < n; ++a)
    for (int32_t b = 0; b < a; ++b)
      if (cells[a] == cells[b]) return true;
  return false;
}

// Two robots in one cell explode, and so does a robot only half way out of it.
bool DetectCollisions(Board& board) {
  if (!AnyCellCrowded(board)) return false;
  uint8_t count[kBoardColumns][kBoardRows] = {};
  bool crowded = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    int32_t cx = Truncate(r.x), cy = Truncate(r.y);
    if (!r.active || !OnBoard(cx, cy)) continue;
    if (count[cx][cy] < 255 && ++count[cx][cy] > 1) crowded = true;
  }
  if (!crowded) return false;
  for (int32_t x = 0; x < kBoardColumns; ++x) {
    for (int32_t y = 0; y < kBoardRows; ++y) {
      if (count[x][y] <= 1) continue;
      for (int32_t i = 0; i < board.robotCount; ++i) {
        RobotRecord& r = board.robots[i];
        if (!r.active) continue;
        bool truncatedHere = Truncate(r.x) == x && Truncate(r.y) == y;
        bool roundedHere = Truncate(r.x + 0.5f) == x && Truncate(r.y + 0.5f) == y;
        if (truncatedHere || roundedHere) r.deathKind = kDeathExploded;
      }
      board.GameState = kGameExploding;
    }
  }
  return true;
}

bool DetectDeadlyCells(Board& board) {
  bool busy = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (!r.active || !IsMineKind(KindUnder(board, r))) continue;
    r.deathKind = kDeathExploded;
    busy = true;
    const bool electrocuting = board.GameState == kGameElectrocuting || board.GameState == kGameExplodingAndElectrocuting;
    board.GameState = electrocuting ? kGameExplodingAndElectrocuting : kGameExploding;
  }
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (!r.active || KindUnder(board, r) != kCellCables) continue;
    r.deathKind = kDeathElectrocuted;
    busy = true;
    const bool exploding = board.GameState == kGameExploding || board.GameState == kGameExplodingAndElectrocuting;
    board.GameState = exploding ? kGameExplodingAndElectrocuting : kGameElectrocuting;
  }
  return busy;
}

void BuildRobotGrid(Board& board, RobotGrid& robotAt) {
  for (auto& column : robotAt)
    for (int16_t& cell : column) cell = -1;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    int32_t cx = Truncate(r.x), cy = Truncate(r.y);
    if (r.active && OnBoard(cx, cy)) robotAt[cx][cy] = static_cast<int16_t>(i);
  }
}

// Clears heldBack; true when some robot is about to start a move, the only
// case in which followers are judged.
bool ClearHeldBack(Board& board) {
  bool starting = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (!r.active) continue;
    // Written only when set: a store on every tick stalls the reads just after it.
    if (r.heldBack) r.heldBack = 0;
    if (r.moving && r.moveCountdown == -1) starting = true;
  }
  return starting;
}

// The leader is judged before its follower, so being held back passes down a line.
void JudgeFollower(Board& board, const RobotGrid& robotAt, int32_t lx, int32_t ly, int32_t fx, int32_t fy) {
  int32_t leader = robotAt[lx][ly];
  int32_t follower = robotAt[fx][fy];
  if (leader < 0 || follower < 0) return;
  const RobotRecord& l = board.robots[leader];
  // A leader on oil whose next move will skid goes nowhere: wait behind it.
  bool skidDue = board.CellKindAt(lx, ly) == kCellOil && l.skidding == 0;
  if (!board.CanEnter(static_cast<float>(lx), static_cast<float>(ly), 0) || skidDue || l.heldBack) {
    board.robots[follower].heldBack = 1;
  }
}

void HoldBackFollowers(Board& board, const RobotGrid& robotAt) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (!r.active || !r.moving || r.moveCountdown != -1) continue;
    int32_t cx = Truncate(r.x), cy = Truncate(r.y);
    if (!OnBoard(cx, cy)) continue;
    if (r.dx == -1) {
      for (int32_t col = 0; col < kLastColumn; ++col) JudgeFollower(board, robotAt, col, cy, col + 1, cy);
    } else if (r.dx == 1) {
      for (int32_t col = kLastColumn; col > 0; --col) JudgeFollower(board, robotAt, col, cy, col - 1, cy);
    } else if (r.dy == -1) {
      for (int32_t row = 0; row < kLastRow; ++row) JudgeFollower(board, robotAt, cx, row, cx, row + 1);
    } else if (r.dy == 1) {
      for (int32_t row = kLastRow; row > 0; --row) JudgeFollower(board, robotAt, cx, row, cx, row - 1);
    }
  }
}

// A robot that has just arrived on rollers drives on the way it faces.
void CarryOnRollers(Board& board) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (r.active && !r.heldBack && !r.moving && r.justArrived && IsRollerKind(KindUnder(board, r))) {
      r.moving = 1;
      r.moveCountdown = -1;
    }
  }
}

}  // namespace

StepReport Board::Step(const StepInput& input, SoundLatches& latches) {
  StepReport sounds;
  ApplyCameraInput(*this, input);
  const Direction direction = input.tilting ? kNoDirection : input.direction;
  // Looking through a robot freezes the whole board, animations too.
  if (CameraMode >= 1) {
    LookThroughRobot(*this);
    return sounds;
  }
  AdvanceFailureAnimations(*this, latches, sounds);
  if (GameState != kGamePlaying) return sounds;

  bool anyDriving = AnyRobotDriving(*this);
  AdvanceDoors(*this);
  AdvanceExitCells(*this);

  bool busy = false;
  busy |= AdvanceTeleports(*this, latches, sounds);
  busy |= AdvanceCloners(*this, latches, sounds);
  busy |= AdvanceExits(*this, latches, sounds);
  busy |= DetectCollisions(*this);
  if (!anyDriving) busy |= DetectDeadlyCells(*this);

  bool starting = ClearHeldBack(*this);
  if (GameState != kGamePlaying || busy) return sounds;
  if (starting) {
    RobotGrid robotAt;
    BuildRobotGrid(*this, robotAt);
    HoldBackFollowers(*this, robotAt);
  }
  CarryOnRollers(*this);
  MoveRobots(*this, direction, anyDriving, sounds);
  return sounds;
}

uint8_t Board::LevelStatus() const {
  if (GameState == kGameLost) return kLevelLost;
  for (int32_t i = 0; i < robotCount; ++i)
    if (robots[i].active) return kLevelPlaying;
  return kLevelWon;
}

CellVisualInfo Board::CellVisual(int32_t x, int32_t y) const {
  if (!OnBoard(x, y)) return CellVisualInfo{};
  return CellVisualInfo{CellKindOfChar(cellChars[x][y]), CellAngleOfChar(cellChars[x][y])};
}

bool Board::CanEnterIgnoringRobots(float x, float y, int32_t depth) const {
  if (x < 0 || y < 0 || x > kLastColumn || y > kLastRow) return false;
  if (depth > 100) return true;
  int32_t cx = Truncate(x), cy = Truncate(y);
  int32_t kind = CellKindAt(cx, cy);
  // A door lets robots through only fully open, or marked to open.
  if (IsDoorKind(kind) && cellState[cx][cy] >= -4 && cellState[cx][cy] < 4) return false;
  return !IsWallKind(kind);
}

bool Board::CanEnter(float x, float y, int32_t depth) const {
  if (!CanEnterIgnoringRobots(x, y, depth)) return false;
  if (depth > 100) return true;  // a ring of robots pushing each other: let it move
  for (int32_t j = 0; j < robotCount; ++j) {
    const RobotRecord& r = robots[j];
    if (!r.active || r.x != x || r.y != y) continue;
    if (r.skidding) return false;
    depth += 1;
    if (!CanEnter(r.x + r.dx, r.y + r.dy, depth)) return false;
  }
  return true;
}
