// Quiet ticks: the parts of a step that can change anything are the starts,
// arrivals, ends of turns, animations passing their marks, doors and the
// checks on where robots stand. Those checks see only whole cells (the
// truncated positions) and the robots' flags, so while no robot changes cell
// and no flag changes, they find what they found before the first quiet tick.
#include "rules/quiet_ticks.h"

#include <vector>

#include "rules/cell_kinds.h"
#include "rules/step_robots.h"

namespace {

int32_t Truncate(float v) { return static_cast<int32_t>(v); }

int32_t KindUnder(const Board& board, const RobotRecord& r) { return board.CellKindAt(Truncate(r.x), Truncate(r.y)); }

bool OnBoard(int32_t x, int32_t y) { return x >= 0 && x < kBoardColumns && y >= 0 && y < kBoardRows; }

bool Animating(const RobotRecord& r) { return r.teleportAnim >= 0 || r.cloneAnim >= 0 || r.exitAnim >= 0; }

// Whether two active robots share a cell: pairs for a handful of robots,
// else a grid.
bool AnyCellCrowded(const Board& board) {
  constexpr int32_t kPairwiseLimit = 8;
  int16_t cells[kPairwiseLimit];
  int32_t n = 0;
  for (int32_t i = 0; i < board.robotCount && n < kPairwiseLimit; ++i) {
    const RobotRecord& r = board.robots[i];
    int32_t cx = Truncate(r.x), cy = Truncate(r.y);
    if (!r.active || !OnBoard(cx, cy)) continue;
    int16_t cell = static_cast<int16_t>(cx * kBoardRows + cy);
    for (int32_t j = 0; j < n; ++j)
      if (cells[j] == cell) return true;
    cells[n++] = cell;
  }
  if (n < kPairwiseLimit) return false;
  uint8_t count[kBoardColumns][kBoardRows] = {};
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    int32_t cx = Truncate(r.x), cy = Truncate(r.y);
    if (r.active && OnBoard(cx, cy) && ++count[cx][cy] > 1) return true;
  }
  return false;
}

// The board as the step's checks see it before a tick: playing, no door
// moving, nobody about to collide or die, and, unless an animation holds
// everyone still, nobody about to start or be carried off by rollers.
bool ChecksFindNothing(const Board& board, bool animating) {
  if (board.GameState != kGamePlaying || board.CameraMode != 0 || board.doorsMoving) return false;
  bool anyDriving = false, onDeadlyCell = false;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (!r.active) continue;
    int32_t kind = KindUnder(board, r);
    if (!animating && r.moving && r.moveCountdown == -1) return false;  // starts this tick
    if (!animating && !r.moving && r.justArrived && IsRollerKind(kind)) return false;  // rollers carry it on
    anyDriving |= r.moving && !IsRollerKind(kind);
    onDeadlyCell |= IsMineKind(kind) || kind == kCellCables;
  }
  // Mines and cables are only looked at while nobody drives.
  if (onDeadlyCell && !anyDriving) return false;
  return !AnyCellCrowded(board);
}

// How many ticks an animation can advance by step before one of them sounds,
// jumps or ends (the latches do not change in between).
int32_t QuietTeleportTicks(const RobotRecord& r, const SoundLatches& latches, int32_t limit) {
  float v = r.teleportAnim;
  int32_t ticks = 0;
  for (; ticks < limit; ++ticks) {
    v += kTeleportAnimPerTick;
    if (v > 10 || (v < 5 && !latches.teleport)) break;
    if (v > 5 && (latches.teleport || r.x != r.originX || r.y != r.originY)) break;
  }
  return ticks;
}

int32_t QuietClonerTicks(float v, const SoundLatches& latches, int32_t limit) {
  int32_t ticks = 0;
  for (; ticks < limit; ++ticks) {
    v += kCloneAnimPerTick;
    if (v > 10 || (v < 5 && !latches.cloner)) break;
  }
  return ticks;
}

int32_t QuietExitTicks(float v, const SoundLatches& latches, int32_t limit) {
  if (!latches.exit) return 0;
  int32_t ticks = 0;
  for (; ticks < limit; ++ticks) {
    v += kExitAnimPerTick;
    if (v > 10) break;
  }
  return ticks;
}

// While a teleport, cloner or exit plays, nothing else moves: a tick only
// advances the animations.
int32_t QuietAnimationTicks(const Board& board, const SoundLatches& latches, int32_t limit) {
  for (int32_t i = 0; i < board.robotCount && limit > 0; ++i) {
    const RobotRecord& r = board.robots[i];
    if (r.teleportAnim >= 0) limit = QuietTeleportTicks(r, latches, limit);
    if (r.cloneAnim >= 0) limit = QuietClonerTicks(r.cloneAnim, latches, limit);
    if (r.exitAnim >= 0) limit = QuietExitTicks(r.exitAnim, latches, limit);
  }
  return limit;
}

void PlayAnimationTicks(Board& board, int32_t ticks) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    for (int32_t t = 0; t < ticks && r.teleportAnim >= 0; ++t) r.teleportAnim += kTeleportAnimPerTick;
    for (int32_t t = 0; t < ticks && r.cloneAnim >= 0; ++t) r.cloneAnim += kCloneAnimPerTick;
    for (int32_t t = 0; t < ticks && r.exitAnim >= 0; ++t) r.exitAnim += kExitAnimPerTick;
  }
}

bool SameCell(float x, float y, float otherX, float otherY) {
  return Truncate(x) == Truncate(otherX) && Truncate(y) == Truncate(otherY);
}

// How many more ticks a driving robot may drive short of arriving, up to and
// including the one that takes it into another cell (as the checks see it):
// the checks before the next tick must look again. From the next tick on its
// positions run one way only, so it is still in its cell after n ticks
// exactly when it is after the first and after the nth.
int32_t QuietDrivingTicks(const RobotRecord& r, int32_t limit) {
  // The tick with the countdown at 0 is the arrival.
  if (r.moveCountdown < 1) return 0;
  if (r.moveCountdown < static_cast<float>(limit)) limit = static_cast<int32_t>(r.moveCountdown);
  if (r.skidding) return limit;
  auto staysAfter = [&r](int32_t ticks) {
    float countdown = r.moveCountdown - static_cast<float>(ticks - 1);
    return SameCell(PositionAlongMove(r.originX, r.dx, countdown), PositionAlongMove(r.originY, r.dy, countdown), r.x, r.y);
  };
  if (!staysAfter(1)) return 1;
  if (staysAfter(limit)) return limit;
  int32_t stays = 1, leaves = limit;  // staysAfter(stays), !staysAfter(leaves)
  while (leaves - stays > 1) {
    int32_t middle = (stays + leaves) / 2;
    (staysAfter(middle) ? stays : leaves) = middle;
  }
  return leaves;
}

// A turn takes 3 degrees a tick; its last tick sets the robot driving, which
// the checks before the next tick must see. Turns are whole degrees (90 or
// 180), so whole-number arithmetic counts exactly the ticks the step would.
int32_t QuietTurningTicks(const RobotRecord& r, int32_t limit) {
  int32_t remaining = static_cast<int32_t>(r.turnRemaining);
  if (static_cast<float>(remaining) != r.turnRemaining) return 0;
  int32_t ticks = (remaining + 2) / 3;
  return ticks < limit ? ticks : limit;
}

// Robots driving or turning: a batch lasts until the first robot arrives
// (not included), ends its turn or crosses into another cell (included).
int32_t QuietMotionTicks(const Board& board, int32_t limit) {
  for (int32_t i = 0; i < board.robotCount && limit > 0; ++i) {
    const RobotRecord& r = board.robots[i];
    if (!r.active || r.teleportAnim != -1) continue;
    if (r.moving) {
      limit = QuietDrivingTicks(r, limit);
    } else if (r.turnRemaining > 0) {
      limit = QuietTurningTicks(r, limit);
    }
  }
  return limit;
}

// A turn's angles are whole degrees within a turn either way of 0, and a
// batch is at most half a turn, so it wraps at most once: whole-number
// arithmetic then gives exactly the angle of tick after tick.
void TurnFor(RobotRecord& r, int32_t ticks) {
  int32_t angle = static_cast<int32_t>(r.angle);
  bool whole = static_cast<float>(angle) == r.angle && angle >= -360 && angle <= 360 && ticks <= 60 &&
               (r.turnSign == 1 || r.turnSign == -1);
  if (!whole) {
    for (int32_t t = 0; t < ticks; ++t) AdvanceTurn(r);
    return;
  }
  angle += static_cast<int32_t>(r.turnSign) * 3 * ticks;
  if (angle < -360) angle += 360;
  if (angle > 360) angle -= 360;
  r.angle = static_cast<float>(angle);
  r.turnRemaining -= static_cast<float>(3 * ticks);
}

// The exit cells' frame goes from 0 round to 0 again through the same
// values: from one of them, a batch of ticks lands on the frame at once.
void AdvanceExitCellsBy(Board& board, int32_t ticks) {
  static const std::vector<float> frames = [] {
    std::vector<float> all;
    float frame = 0;
    do {
      all.push_back(frame);
      frame = NextExitCellFrame(frame);
    } while (frame != 0);
    return all;
  }();
  // The frames lie close to whole multiples of a tick's step.
  const float frame = board.exitAnim;
  const int32_t count = static_cast<int32_t>(frames.size());
  int32_t near = frame >= 0 && frame <= 10 ? static_cast<int32_t>(frame / kExitCellAnimPerTick + 0.5f) : -10;
  for (int32_t at = near - 2; at <= near + 2; ++at) {
    if (at >= 0 && at < count && frames[at] == frame) {
      board.exitAnim = frames[(at + ticks) % count];
      return;
    }
  }
  for (int32_t t = 0; t < ticks; ++t) AdvanceExitCells(board);
}

// The position after the last of the ticks is what the step's formula gives
// for that tick; the ones in between are overwritten anyway.
void PlayMotionTicks(Board& board, int32_t ticks) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord& r = board.robots[i];
    if (!r.active || r.teleportAnim != -1) continue;
    if (r.moving) {
      if (!r.skidding) {
        float countdown = r.moveCountdown - static_cast<float>(ticks - 1);
        r.x = PositionAlongMove(r.originX, r.dx, countdown);
        r.y = PositionAlongMove(r.originY, r.dy, countdown);
      }
      r.moveCountdown -= static_cast<float>(ticks);  // whole numbers from 60 down: exact
    } else if (r.turnRemaining > 0) {
      TurnFor(r, ticks);
      if (r.turnRemaining <= 0) {
        r.moveCountdown = -1;
        r.moving = 1;  // the move follows the turn without another key
      }
    }
  }
}

// Some robot drives or turns; with none, a tick changes nothing that matters
// and the board is at rest.
bool AnyRobotUnderWay(const Board& board) {
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (r.active && (r.moving || r.turnRemaining > 0)) return true;
  }
  return false;
}

}  // namespace

int32_t SkipQuietTicks(Board& board, SoundLatches& latches, int32_t maxTicks) {
  if (maxTicks <= 0) return 0;
  bool animating = false;
  for (int32_t i = 0; i < board.robotCount && !animating; ++i) animating = Animating(board.robots[i]);
  if (!ChecksFindNothing(board, animating) || (!animating && !AnyRobotUnderWay(board))) return 0;
  int32_t played = animating ? QuietAnimationTicks(board, latches, maxTicks) : QuietMotionTicks(board, maxTicks);
  if (animating) {
    PlayAnimationTicks(board, played);
  } else {
    PlayMotionTicks(board, played);
  }
  AdvanceExitCellsBy(board, played);
  if (played == 0) return 0;
  // What every step does besides: the failure latches follow the (playing)
  // game state and the held-back marks are cleared.
  latches.explosion = false;
  latches.electro = false;
  for (int32_t i = 0; i < board.robotCount; ++i)
    if (board.robots[i].active) board.robots[i].heldBack = 0;
  return played;
}
