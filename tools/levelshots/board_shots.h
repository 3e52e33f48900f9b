// Boards drawn as the play screen shows them, from the framed overview
// camera with the heads-up frame, read back as pixels: for the level sheets
// and the picture tests. Uses the game's own models and board drawing on a
// hidden window.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"

// Opens a hidden width x height window with its device, makes the run
// directory the current one (the game's files are named relative to it) and
// loads the play screen's assets. False, with a line on stderr, on failure.
bool OpenShotScreen(const std::string& runDirectory, int width, int height);

struct Shot {
  std::vector<uint8_t> rgba;  // top row first
  int width = 0, height = 0;
};
// The board from its overview camera, under the heads-up frame.
Shot ShootBoard(const Board& board);

// A showcase board of the cells whose kinds and states a player must tell
// apart at a glance, each at a cell below (column, row):
//   row 3: blue door across x, blue door across y, red across x, red across y
//          at columns 3, 6, 9, 12, closed (or open when `doorsOpen`), a wall at 14;
//   row 6: blue, green and orange teleports at 3, 6, 9, an exit at 12;
//   row 9: blue, green and orange markers at 3, 6, 9, blue and red switches at 12, 14.
constexpr int kShowcaseColumns[4] = {3, 6, 9, 12};
constexpr int kShowcaseDoorRow = 3, kShowcaseTeleportRow = 6, kShowcaseMarkerRow = 9;
void MakeShowcaseBoard(Board& board, bool doorsOpen);

// The screen box (pixels) of a cell's floor, as the overview shows it.
struct PixelBox {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
PixelBox CellBox(const Board& board, int column, int row, int width, int height);
