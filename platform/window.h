// The window stand-in: one SDL window with an OpenGL 3.3 core context behind
// it. Only platform/ includes SDL; the rest of the game sees these calls.
#pragma once
#include <cstdint>

struct WindowConfig {
  int width = 640;          // client size in pixels (ignored for full screen)
  int height = 480;
  bool fullScreen = false;  // full screen: the desktop-sized window, picture scaled with bars
  bool hidden = false;      // tests and tools draw into a window nobody sees
  bool resizable = true;
  const char* title = "Rivet Run";
};

// Initialises SDL video (idempotent) and opens the window. False on failure,
// with a diagnostic line already printed.
bool PlatformCreateWindow(const WindowConfig& config);
bool PlatformHasWindow();
void PlatformDestroyWindow();
void PlatformSetWindowTitle(const char* title);
// Size of the drawable client area in pixels.
void PlatformGetClientSize(int* width, int* height);
// Size of the desktop the window lives on.
void PlatformGetScreenSize(int* width, int* height);
// Milliseconds since the platform started (GetTickCount's stand-in).
uint32_t PlatformTickCount();
