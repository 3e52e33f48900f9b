// For platform/ code only: starting SDL's controller support.
#pragma once

// Starts SDL's joystick and game-controller subsystem once, with joystick
// events kept out of the event queue. False (with a diagnostic line) when SDL refuses.
bool StartPadSupport();
