// Game controllers. Until controllers are read from the platform there are
// none: the count is 0 and every control reads 0.
#pragma once

int GetControllerCount();
// Control 0 is the first button; the X and Y axes read -1..1.
float GetControllerAxis(int controller, int control);
