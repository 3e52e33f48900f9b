// The last part of a step: each robot in table order starts, continues or
// ends its move, turns, or obeys the direction of this tick.
#pragma once
#include "rules/board.h"

// anyDriving: some robot drives under its own power (not carried by
// rollers), so no new command. Adds the sounds of starts and arrivals.
void MoveRobots(Board& board, Direction direction, bool anyDriving, StepReport& sounds);

// How far each animation gets in a tick. Shared with the quiet ticks, which
// must add exactly what a step adds.
constexpr float kTeleportAnimPerTick = 0.04f;
constexpr float kCloneAnimPerTick = 0.06f;
constexpr float kExitAnimPerTick = 0.06f;
constexpr float kExitCellAnimPerTick = 0.025f;

// Where a driving robot is once its countdown has reached this value: the
// first tick leaves it in place, the 61st puts it exactly on the next cell.
inline float PositionAlongMove(float origin, float facing, float countdown) {
  return origin + (60 - countdown) * facing / 60;
}

// One tick of a turn on the spot: 3 degrees, the angle kept within a turn.
inline void AdvanceTurn(RobotRecord& r) {
  r.angle += r.turnSign * 3;
  r.turnRemaining -= 3;
  if (r.angle < -360) r.angle += 360;
  if (r.angle > 360) r.angle -= 360;
}

inline float NextExitCellFrame(float frame) {
  frame += kExitCellAnimPerTick;
  return frame > 10 ? 0 : frame;
}

inline void AdvanceExitCells(Board& board) { board.exitAnim = NextExitCellFrame(board.exitAnim); }
