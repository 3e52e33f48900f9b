// The controller stand-in: SDL's joysticks and game controllers as the
// game's controller device. Pads known to SDL's pad mapping are read through
// it (stick, D-pad and buttons by their place on the pad); any other device
// gives its raw buttons, axes and hats.
#pragma once

#include "input/controllers.h"

// Starts SDL's controller support (once) and returns the device for
// InitControllers. Joystick events are kept out of the event queue: the state
// is read when the game asks, and arrivals and departures are found then too.
ControllerDevice PlatformControllerDevice();

// A hat's position bits (SDL_HAT_UP 1, RIGHT 2, DOWN 4, LEFT 8) as the three
// hat controls: x and y in -1..1 (y down) and the angle in degrees clockwise
// from up, -1 when centred.
void HatControls(int bits, float* x, float* y, float* angle);
