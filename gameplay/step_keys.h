// The play loop's side of a step: the keys and the pad read into the step's
// input, and the effects the step asked for played.
#pragma once
#include "rules/step_input.h"

// Ctrl with Up or Down tilts the overview (and nothing else counts); else the
// arrows or controller 0's stick give the direction (later tests win: left,
// right, up, down), digits pick the camera and Left/Right turn its view.
StepInput ReadStepInput();

void PlayStepSounds(const StepReport& sounds);
