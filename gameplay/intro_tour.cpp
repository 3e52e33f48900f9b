// The level intro tour's loop: draw, tick, pump.
#include "gameplay/intro_tour.h"

#include "frontend/font_text.h"
#include "gameplay/board_draw.h"
#include "gameplay/game_assets.h"
#include "gameplay/play_phases.h"
#include "gameplay/screen_view.h"
#include "gameplay/scripted_run.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "input/controllers.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/pump.h"

namespace {
TourInput ReadTourInput() {
  TourInput in;
  in.enterHeld = IsKeyDown(VK_RETURN) != 0;
  in.controllerButton = GetControllerCount() != 0 && GetControllerAxis(0, 0) != 0.0f;
  in.mouseButtons = static_cast<int>(GetMouseButtons());
  return in;
}

void DrawTourFrame(Board& board, const TourState& t, const Image* banner) {
  SetWindowViewRect();
  SetLight(255, 255, 255, 0, 0, 0, 0, -20, 20);
  const TourCamera c = CurrentTourCamera(t);
  SetCamera(c.eye.x, c.eye.y, c.eye.z, c.target.x, c.target.y, c.target.z, c.up.x, c.up.y, c.up.z, c.fov);
  board.CameraMode = -1;
  DrawBoard(board);
  board.CameraMode = 0;
  QueueFadeOverlay(t.fade);
  // Until the first confirmation the generic card lies over the tour.
  if (t.confirmState == 0) {
    QueueImage(&GetGameAssets().cards[CardPictureIndex(-1)], 0, 0, 1, 1, 0.0f, 1.0f, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  }
  // The level's title and hint along the top, clear of the robots below;
  // it darkens with the tour.
  if (banner != nullptr) QueueImage(banner, 0.1f, 0.03f, 0.8f, 1.0f / 6.0f, -1.0f, t.fade, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  RenderFrame(1, 1, 1, 1);
}
}  // namespace

std::vector<TourPoint> TourPointsOf(const Board& board) {
  std::vector<TourPoint> robots, exits;
  const int count = board.robotCount < kRobotCapacity ? board.robotCount : kRobotCapacity;
  for (int i = 0; i < count; ++i) robots.push_back({board.robots[i].x, board.robots[i].y});
  for (int x = 0; x < kBoardColumns; ++x) {
    for (int y = 0; y < kBoardRows; ++y) {
      if (board.CellVisual(x, y).kind == kCellExit) exits.push_back({static_cast<float>(x), static_cast<float>(y)});
    }
  }
  return BuildTourPoints(robots, exits);
}

void IntroTour(Board& board, uint8_t endOnBlack, int level) {
  TourState t;
  const OverviewView v = OverviewOf(board);
  const TourOverview overview{{v.eye.x, v.eye.y, v.eye.z}, {v.target.x, v.target.y, v.target.z}};
  StartTour(t, TourPointsOf(board), overview, endOnBlack, static_cast<int>(GetMouseButtons()));
  uint32_t nextTick = PlatformTickCount();
  const Image* banner = TourBanner(level);
  bool firstFrame = true;
  while (!TourFinished(t)) {
    DrawTourFrame(board, t, banner);
    if (firstFrame) {
      LogRunEvent("tour shown");
      if (banner != nullptr) LogRunEvent("tour banner: level %d", level);
      firstFrame = false;
    }
    CheckTourArrival(t);
    while (static_cast<int32_t>(PlatformTickCount() - nextTick) > 0) {
      RunTourTick(t, ReadTourInput());
      PumpMessages();
      nextTick += kPlayTickMs;
      if (TourFinished(t)) break;
    }
  }
  board.CameraMode = 0;
}
