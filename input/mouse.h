// The mouse as the game sees it: the cursor position as a fraction of the
// client area (written by the message pump) and an eight-button mask read on
// demand from the mouse device the platform hands to InitInput.
#pragma once
#include <cstdint>

// What the platform offers for the mouse. Either call may be null (no device:
// the mask stays 0 and the cursor is left alone).
struct MouseDevice {
  // Bit i set while button i is down: 0 left, 1 right, 2 middle, 3-7 extra.
  uint32_t (*pollButtons)() = nullptr;
  // 1 shows the system cursor; 0 hides it; 2 hides it and keeps the mouse in the window.
  void (*setCursorMode)(int mode) = nullptr;
};

// Connects the mouse device; the controllers join here once they are read.
void InitInput(const MouseDevice& device);

// Cursor position, 0..1 across the client area from the left and from the top.
float GetMouseX();
float GetMouseY();
void SetMousePosition(float x, float y);

// Polls the device, then returns the button mask (0 without a device).
uint32_t GetMouseButtons();

// 0 at start-up (cursor hidden, the menus draw their own pointer); 1 at the end
// (cursor shown again); 2 hidden and held in the window.
void SetMouseMode(int mode);
