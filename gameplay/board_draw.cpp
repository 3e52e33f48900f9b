// The board as the play screen and the intro tour draw it.
#include "gameplay/board_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "frontend/font_text.h"
#include "gameplay/game_assets.h"
#include "gameplay/level_timer.h"
#include "graphics/render_queue.h"

namespace {
float SceneX(float x) { return 2.0f * x - 18.0f; }
float SceneY(float y) { return 12.0f - 2.0f * y; }

void SetBoardCamera(const Board& board) {
  if (board.CameraMode == 0) {
    const OverviewView v = OverviewOf(board);
    SetCamera(v.eye.x, v.eye.y, v.eye.z, v.target.x, v.target.y, v.target.z, 0, 1, 0, 45.0f);
  } else if (board.CameraMode >= 1 && board.CameraMode <= 9 && board.CameraMode <= board.robotCount) {
    const RobotRecord& r = board.robots[board.CameraMode - 1];
    SetCamera(SceneX(r.x), SceneY(r.y), 1.425f, board.lookAt[0], board.lookAt[1], board.lookAt[2], 0, 0, 1,
              110.0f);
  }
  // -1: the caller has set the camera.
}

void QueueFloorRing(const GameAssets& a) {
  const Model* floor = &a.cells[kCellFloor];
  for (int x = 0; x < kBoardColumns; ++x) {
    QueueModel(floor, SceneX(x), SceneY(-1), 0, 0, 0, 0, 0);
    QueueModel(floor, SceneX(x), SceneY(kBoardRows), 0, 0, 0, 0, 0);
  }
  for (int y = 0; y < kBoardRows; ++y) {
    QueueModel(floor, SceneX(-1), SceneY(y), 0, 0, 0, 0, 0);
    QueueModel(floor, SceneX(kBoardColumns), SceneY(y), 0, 0, 0, 0, 0);
  }
}

}  // namespace

UsedArea UsedAreaOf(const Board& board) {
  UsedArea a{kBoardColumns, -1, kBoardRows, -1};
  auto take = [&a](int x, int y) {
    a.minColumn = std::min(a.minColumn, x), a.maxColumn = std::max(a.maxColumn, x);
    a.minRow = std::min(a.minRow, y), a.maxRow = std::max(a.maxRow, y);
  };
  for (int x = 0; x < kBoardColumns; ++x)
    for (int y = 0; y < kBoardRows; ++y)
      if (!IsWallKind(board.CellVisual(x, y).kind)) take(x, y);
  const int count = board.robotCount < kRobotCapacity ? board.robotCount : kRobotCapacity;
  for (int i = 0; i < count; ++i) {
    const RobotRecord& r = board.robots[i];
    if (r.active && r.x >= 0 && r.x < kBoardColumns && r.y >= 0 && r.y < kBoardRows) take(static_cast<int>(r.x), static_cast<int>(r.y));
  }
  if (a.maxColumn < 0) return UsedArea{};  // nothing but walls: the whole board
  return a;
}

OverviewView OverviewOf(const Board& board) {
  // The search behind the framing is cached for the area and tilt it was made for.
  static UsedArea area{-1, -1, -1, -1};
  static float pitch = 1000.0f;
  static OverviewView view;
  const UsedArea now = UsedAreaOf(board);
  if (now.minColumn != area.minColumn || now.maxColumn != area.maxColumn || now.minRow != area.minRow ||
      now.maxRow != area.maxRow || board.pitch != pitch) {
    area = now, pitch = board.pitch;
    view = FrameOverview(area, pitch);
  }
  return view;
}

void QueueCountdown(const Board& board) {
  if (board.CameraMode == -1 || board.timeLimit <= 0) return;
  char text[32];
  std::snprintf(text, sizeof text, "CZAS %ld", static_cast<long>(RemainingSeconds(board.timeLimit, board.elapsed)));
  const bool warn = CountdownWarns(board.timeLimit, board.elapsed);
  // Centred in the clock's recess of the heads-up panel at the bottom,
  // letters narrowed so "CZAS 120" fits.
  const float size = 1.0f, stretch = 0.55f, glyph = size * stretch / 26.0f;
  const float x = 0.4275f - glyph * static_cast<float>(std::strlen(text)) / 2.0f;
  DrawFontText(text, x, 0.9395f - size * 0.025f, size, stretch, 1, warn ? 0.2f : 1, warn ? 0.15f : 1, 1);
}
float CellModelFrame(const Board& board, int kind, int x, int y) {
  if (kind == kCellExit) return board.exitAnim;
  if (IsDoorKind(kind)) {
    const float state = std::fabs(board.cellState[x][y]);
    // The "switched while closed" marker draws as the closed door.
    return state > 4.0f ? 0.0f : state;
  }
  return 0.0f;
}

RobotLook ChooseRobotLook(const Board& board, const RobotRecord& r) {
  const GameAssets& a = GetGameAssets();
  if ((board.explosionAnim > 0 || board.electroAnim > 0) && r.deathKind >= 1) {
    if (r.deathKind == 1) return {&a.robotBomb, board.explosionAnim};
    if (r.deathKind == 2) return {&a.robotElectro, board.electroAnim};
  }
  if (r.teleportAnim == -1 && r.cloneAnim == -1 && r.exitAnim == -1) return {&a.robot, 0};
  if (r.exitAnim == -1) {
    if (r.teleportAnim == -1) return {&a.robotCloner, r.cloneAnim};
    if (r.teleportAnim <= 5) return {&a.robotTeleport, r.teleportAnim};
    return {&a.robotTeleport, 10 - r.teleportAnim};
  }
  return {&a.robotExit, std::fmax(r.exitAnim, 0.0f)};
}

void DrawBoard(const Board& board) {
  const GameAssets& a = GetGameAssets();
  SetLight(255, 255, 255, 0, 0, 0, 0, -20, 20);
  SetBoardCamera(board);
  QueueModel(&a.cube, 0, 0, 0, 0, 0, 0, 0);
  QueueModel(&a.frameModel, 0, 0, 0, 0, 0, 0, 0);
  QueueFloorRing(a);
  for (int x = 0; x < kBoardColumns; ++x) {
    for (int y = 0; y < kBoardRows; ++y) {
      const CellVisualInfo v = board.CellVisual(x, y);
      if (v.kind < 0 || v.kind >= kCellKindCount) continue;
      QueueModel(&a.cells[v.kind], SceneX(x), SceneY(y), 0, 0, 0, v.angle, CellModelFrame(board, v.kind, x, y));
    }
  }
  const int hidden = board.CameraMode - 1;  // the robot looked through
  const int count = board.robotCount < kRobotCapacity ? board.robotCount : kRobotCapacity;
  for (int i = 0; i < count; ++i) {
    const RobotRecord& r = board.robots[i];
    if (!r.active || i == hidden) continue;
    const RobotLook look = ChooseRobotLook(board, r);
    // Once upright, once upside down below the floor: its reflection.
    QueueModel(look.model, SceneX(r.x), SceneY(r.y), 0, 0, 0, r.angle, look.frame);
    QueueModel(look.model, SceneX(r.x), SceneY(r.y), 0, 180, 0, r.angle, look.frame);
  }
}
