// A standard pad made by the program (SDL's virtual joystick), so scripts and
// tests can drive the game by pad without one plugged in. It arrives and
// leaves like a real pad and is read through the same mapping.
#pragma once

// The pad's sticks and triggers, in SDL's order.
enum PadAxis : int {
  kPadLeftX = 0,
  kPadLeftY,
  kPadRightX,
  kPadRightY,
  kPadLeftTrigger,
  kPadRightTrigger,
  kPadAxisCount,
};

// False when one is attached already or SDL refused (with a diagnostic line).
bool PlatformAttachVirtualPad();
// False when none is attached.
bool PlatformDetachVirtualPad();
// button: a PadButton of input/controllers.h. False without a pad.
bool PlatformSetVirtualPadButton(int button, bool down);
// Sticks -1..1 (x right, y down), triggers 0..1; values beyond are clamped.
bool PlatformSetVirtualPadAxis(int axis, float value);
