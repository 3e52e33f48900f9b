// The SDL window: creation, title, sizes and the tick count.
#include "platform/window.h"

#include <SDL_image.h>

#include <cstdio>

#include "platform/virtual_clock.h"
#include "platform/window_internal.h"

namespace {
SDL_Window* window = nullptr;
int pictureWidth = 640;
int pictureHeight = 480;
bool startedFullScreen = false;
bool fullScreenNow = false;

bool InitVideo() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::printf("SDL video: %s\n", SDL_GetError());
    return false;
  }
  return true;
}
}  // namespace

SDL_Window* PlatformSdlWindow() { return window; }

// A full-screen start keeps its picture size in a window too; a windowed
// start's picture follows the window until it goes full screen.
bool PlatformShowsPictureInBars() { return window != nullptr && (startedFullScreen || fullScreenNow); }

bool PlatformCreateWindow(const WindowConfig& config) {
  if (!InitVideo()) return false;
  PlatformDestroyWindow();  // one window at a time
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  // Frames are drawn into a picture of the device's own, with its own depth
  // and stencil; the window only receives its colour.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  pictureWidth = config.width > 0 ? config.width : 1;
  pictureHeight = config.height > 0 ? config.height : 1;
  startedFullScreen = fullScreenNow = config.fullScreen;
  Uint32 flags = SDL_WINDOW_OPENGL;
  if (config.hidden) flags |= SDL_WINDOW_HIDDEN;
  if (config.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (config.resizable && !config.fullScreen) flags |= SDL_WINDOW_RESIZABLE;
  int x = config.placed ? config.x : SDL_WINDOWPOS_CENTERED;
  int y = config.placed ? config.y : SDL_WINDOWPOS_CENTERED;
  window = SDL_CreateWindow(config.title, x, y, pictureWidth, pictureHeight, flags);
  if (window == nullptr) {
    std::printf("SDL window: %s\n", SDL_GetError());
    return false;
  }
  // Typed characters arrive as text-input events.
  SDL_StartTextInput();
  return true;
}

bool PlatformHasWindow() { return window != nullptr; }

void PlatformDestroyWindow() {
  if (window != nullptr) SDL_DestroyWindow(window);
  window = nullptr;
}

const char* PlatformVideoDriver() {
  if (!InitVideo()) return nullptr;
  return SDL_GetCurrentVideoDriver();
}

bool PlatformSetFullScreen(bool on) {
  if (window == nullptr) return false;
  if (SDL_SetWindowFullscreen(window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    std::printf("SDL full screen: %s\n", SDL_GetError());
    return false;
  }
  fullScreenNow = on;
  if (!on) SDL_SetWindowResizable(window, SDL_TRUE);
  return true;
}

bool PlatformIsFullScreen() { return window != nullptr && fullScreenNow; }

bool PlatformSetWindowIcon(const char* pngPath) {
  if (window == nullptr) return false;
  SDL_Surface* icon = IMG_Load(pngPath);
  if (icon == nullptr) return false;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
  return true;
}

void PlatformSetWindowTitle(const char* title) {
  if (window != nullptr) SDL_SetWindowTitle(window, title);
}

void PlatformGetClientSize(int* width, int* height) {
  *width = 0;
  *height = 0;
  if (window != nullptr) SDL_GL_GetDrawableSize(window, width, height);
}

void PlatformGetPictureSize(int* width, int* height) {
  *width = pictureWidth;
  *height = pictureHeight;
}

void FitPictureRect(int areaW, int areaH, int pictureW, int pictureH, int* x, int* y, int* width, int* height) {
  *x = 0;
  *y = 0;
  *width = areaW;
  *height = areaH;
  if (areaW <= 0 || areaH <= 0 || pictureW <= 0 || pictureH <= 0) return;
  // Compare areaW / areaH with pictureW / pictureH without rounding.
  int64_t wide = int64_t{areaW} * pictureH;
  int64_t tall = int64_t{areaH} * pictureW;
  if (wide > tall) {
    *width = static_cast<int>(tall / pictureH);
    *x = (areaW - *width) / 2;
  } else if (tall > wide) {
    *height = static_cast<int>(wide / pictureW);
    *y = (areaH - *height) / 2;
  }
}

void PlatformGetPictureRect(int* x, int* y, int* width, int* height) {
  int areaW = 0;
  int areaH = 0;
  PlatformGetClientSize(&areaW, &areaH);
  if (PlatformShowsPictureInBars()) {
    FitPictureRect(areaW, areaH, pictureWidth, pictureHeight, x, y, width, height);
  } else {
    *x = 0;
    *y = 0;
    *width = areaW;
    *height = areaH;
  }
}

void PlatformGetScreenSize(int* width, int* height) {
  SDL_DisplayMode mode;
  if (InitVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    *width = mode.w;
    *height = mode.h;
  } else {
    *width = 1024;
    *height = 768;
  }
}

uint32_t PlatformTickCount() {
  // A scripted run's virtual clock replaces the wall clock while it is on.
  if (PlatformVirtualClockOn()) return PlatformVirtualClockNow();
  return SDL_GetTicks();
}

uint32_t PlatformWallTickCount() { return SDL_GetTicks(); }

void PlatformDelay(uint32_t milliseconds) { SDL_Delay(milliseconds); }
