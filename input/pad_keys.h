// The first controller as the keys a keyboard gives the menus and the pause:
// stick, D-pad or hat push the arrow keys (again and again while held), the
// first button Enter. A standard pad's east button pushes Esc, its Back
// button Space (a restart from the pause) and its Start button kKeyPadStart.
// The robots do not need this: the rules read the controller directly.
#pragma once
#include <cstdint>

// Once per pumped frame: compares the pad with the last call and pushes the
// keys of what went down since (now: milliseconds, for the repeat).
void PushPadKeys(uint32_t now);
// Forgets what was held (a new screen, tests).
void ResetPadKeys();
