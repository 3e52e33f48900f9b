#include "input/controllers.h"

int GetControllerCount() { return 0; }

float GetControllerAxis(int, int) { return 0.0f; }
