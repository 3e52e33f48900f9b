// Generated models for the frame benchmark: a floor tile, a ring tile, an
// animated robot and the two scenery pieces, each with several layers, so a
// benchmark frame costs what a play-screen frame costs.
#pragma once
#include "graphics/model_builder.h"

ModelSource MakeFloorTileSource();
ModelSource MakeRingTileSource();
ModelSource MakeRobotSource();     // 8 frames: the body bobs, the arms swing
ModelSource MakeBackdropSource();  // a large inward-facing box around the board
ModelSource MakeFrameSource();     // the frame around the board
