// Drawing the board: scenery, the floor ring, the cells, the robots with
// their reflections; and the countdown text in the heads-up panel.
#pragma once
#include "gameplay/overview_framing.h"
#include "rules/board.h"

class Model;

// Queues the camera, the light and every model of the board for this frame.
void DrawBoard(const Board& board);
// The countdown of a level with a time limit, in its recess of the heads-up
// panel: queued after the panel's picture, which would cover it.
void QueueCountdown(const Board& board);

// The cells a level uses: every cell that is not a wall, and the robots'.
UsedArea UsedAreaOf(const Board& board);
// The overview camera framed on the used area at the board's tilt.
OverviewView OverviewOf(const Board& board);

// The robot model and frame a robot is drawn with (null: not drawn).
struct RobotLook {
  const Model* model = nullptr;
  float frame = 0;
};
RobotLook ChooseRobotLook(const Board& board, const RobotRecord& robot);
// The animation frame of a cell's model.
float CellModelFrame(const Board& board, int kind, int x, int y);
