// The window stand-in: one SDL window with an OpenGL 3.3 core context behind
// it. Only platform/ includes SDL; the rest of the game sees these calls.
#pragma once
#include <cstdint>

struct WindowConfig {
  // Size of the picture the game draws, in pixels. A windowed start opens the
  // window at this client size; full screen opens a desktop-sized window and
  // shows the picture scaled into it with its shape kept (bars at the sides).
  int width = 640;
  int height = 480;
  bool fullScreen = false;
  bool hidden = false;      // tests and tools draw into a window nobody sees
  bool resizable = true;
  bool placed = false;      // true: open at x, y on the desktop; false: centred
  int x = 0;
  int y = 0;
  const char* title = "Rivet Run";
};

// Initialises SDL video (idempotent) and opens the window. False on failure,
// with a diagnostic line already printed.
bool PlatformCreateWindow(const WindowConfig& config);
bool PlatformHasWindow();
void PlatformDestroyWindow();
void PlatformSetWindowTitle(const char* title);
// The video driver SDL settled on ("x11", "wayland", "offscreen", ...),
// starting video if needed; null when no driver could start.
const char* PlatformVideoDriver();
// Switches the open window between full screen (the desktop's size, the
// picture centred in it with its shape kept) and a window. False when the
// window system refused, with a diagnostic line.
bool PlatformSetFullScreen(bool on);
bool PlatformIsFullScreen();
// The window's icon from a PNG file. False when it cannot be read.
bool PlatformSetWindowIcon(const char* pngPath);
// Size of the drawable client area in pixels.
void PlatformGetClientSize(int* width, int* height);
// Size of the picture the game draws (the configured width and height).
void PlatformGetPictureSize(int* width, int* height);
// Where the picture is shown inside the drawable area, in drawable pixels:
// the whole area for a window, the largest centred rectangle of the picture's
// shape for full screen.
void PlatformGetPictureRect(int* x, int* y, int* width, int* height);
// The rectangle of shape pictureW x pictureH that fills an area areaW x areaH
// as far as it can, centred (bars left and right, or above and below).
void FitPictureRect(int areaW, int areaH, int pictureW, int pictureH, int* x, int* y, int* width, int* height);
// Size of the desktop the window lives on.
void PlatformGetScreenSize(int* width, int* height);
// Milliseconds since the platform started (GetTickCount's stand-in); the
// virtual clock's while a scripted run has it on.
uint32_t PlatformTickCount();
// Milliseconds of the wall clock whatever the virtual clock says: the time
// the audio device plays by.
uint32_t PlatformWallTickCount();
// Gives the processor away for about this many milliseconds.
void PlatformDelay(uint32_t milliseconds);
