// Mouse position and buttons, kept free of any window system.
#include "input/mouse.h"

namespace {
MouseDevice device;
float mouseX = 0.0f;
float mouseY = 0.0f;
uint32_t buttonMask = 0;
}  // namespace

void InitInput(const MouseDevice& mouse) {
  device = mouse;
  buttonMask = 0;
}

float GetMouseX() { return mouseX; }
float GetMouseY() { return mouseY; }

void SetMousePosition(float x, float y) {
  mouseX = x;
  mouseY = y;
}

uint32_t GetMouseButtons() {
  buttonMask = device.pollButtons != nullptr ? device.pollButtons() & 0xFFu : 0;
  return buttonMask;
}

void SetMouseMode(int mode) {
  if (device.setCursorMode != nullptr) device.setCursorMode(mode);
}
