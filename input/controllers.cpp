// No controllers are read yet: none attached, every control at rest.
#include "input/controllers.h"

int GetControllerCount() { return 0; }

float GetControllerAxis(int, int) { return 0.0f; }
