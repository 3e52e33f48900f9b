// Drawing boards into pictures with the game's own drawing.
#include "tools/levelshots/board_shots.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "gameplay/board_draw.h"
#include "gameplay/game_assets.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "platform/gpu_device.h"
#include "platform/window.h"

bool OpenShotScreen(const std::string& runDirectory, int width, int height) {
  std::error_code error;
  std::filesystem::current_path(runDirectory, error);
  if (error) {
    std::fprintf(stderr, "cannot enter the run directory %s\n", runDirectory.c_str());
    return false;
  }
  if (!GpuHasDevice()) {
    WindowConfig config;
    config.width = width;
    config.height = height;
    config.hidden = true;
    if (!PlatformCreateWindow(config) || CreateRenderDevice(width, height, 32) != 1) {
      std::fprintf(stderr, "no window or device for the shots\n");
      return false;
    }
  }
  LoadGameAssets();
  return true;
}

Shot ShootBoard(const Board& board) {
  RenderFrame(0, 1, 1, 1);  // an empty frame clears what the last shot left
  DrawBoard(board);
  QueueImage(&GetGameAssets().screenFrame, 0, 0, 1, 1, -1.0f, 1, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  // Not shown and not cleared after drawing, so the picture can be read back.
  RenderFrame(0, 0, 1, 1);
  Shot shot;
  int32_t w = 0, h = 0;
  if (!ReadFramePixels(&shot.rgba, &w, &h)) return Shot{};
  for (size_t i = 3; i < shot.rgba.size(); i += 4) shot.rgba[i] = 255;
  shot.width = w, shot.height = h;
  return shot;
}

void MakeShowcaseBoard(Board& board, bool doorsOpen) {
  board = Board{};
  for (int x = 0; x < kBoardColumns; ++x)
    for (int y = 0; y < kBoardRows; ++y) {
      const bool inside = x >= 1 && x <= 16 && y >= 2 && y <= 10;
      board.cellChars[x][y] = inside ? '.' : 'a';
    }
  const char doors[4] = {'w', 'x', 'z', 'A'};
  for (int i = 0; i < 4; ++i) {
    board.cellChars[kShowcaseColumns[i]][kShowcaseDoorRow] = uint8_t(doors[i]);
    board.cellState[kShowcaseColumns[i]][kShowcaseDoorRow] = doorsOpen ? 4.0f : 0.0f;
  }
  const char teleports[4] = {'E', 'F', 'G', 'D'}, markers[4] = {'H', 'I', 'J', 'y'};
  for (int i = 0; i < 4; ++i) {
    board.cellChars[kShowcaseColumns[i]][kShowcaseTeleportRow] = uint8_t(teleports[i]);
    board.cellChars[kShowcaseColumns[i]][kShowcaseMarkerRow] = uint8_t(markers[i]);
  }
  board.cellChars[14][kShowcaseMarkerRow] = 'B';
  board.cellChars[14][kShowcaseDoorRow] = 'a';
  board.pitch = -25.0f;
}

PixelBox CellBox(const Board& board, int column, int row, int width, int height) {
  const OverviewView v = OverviewOf(board);
  const float x = 2.0f * float(column) - 18.0f, y = 12.0f - 2.0f * float(row);
  glm::vec2 low(1e9f), high(-1e9f);
  for (float dx : {-1.0f, 1.0f})
    for (float dy : {-1.0f, 1.0f}) {
      const glm::vec2 p = ProjectOverview(v, {x + dx, y + dy, 0.0f});
      low = glm::min(low, p), high = glm::max(high, p);
    }
  auto px = [](float f, int size) { return std::clamp(int(f * float(size)), 0, size - 1); };
  return {px(low.x, width), px(low.y, height), px(high.x, width), px(high.y, height)};
}
