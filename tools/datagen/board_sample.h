// A sample board for reviewing the set: every cell kind, robots facing four
// ways with their reflections, the hall and the frame, merged into one still
// model as the play screen would draw them. Not part of the game's data; the
// contact sheet renders it from the play camera.
#pragma once
#include "tools/datagen/model_kit.h"

ModelKit BoardSample();
