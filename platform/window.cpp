#include "platform/window.h"

#include <cstdio>

#include "platform/window_internal.h"

namespace {
SDL_Window* window = nullptr;

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

bool PlatformCreateWindow(const WindowConfig& config) {
  if (!InitVideo()) return false;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  Uint32 flags = SDL_WINDOW_OPENGL;
  if (config.hidden) flags |= SDL_WINDOW_HIDDEN;
  if (config.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (config.resizable && !config.fullScreen) flags |= SDL_WINDOW_RESIZABLE;
  window = SDL_CreateWindow(config.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, config.width,
                            config.height, flags);
  if (window == nullptr) {
    std::printf("SDL window: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

bool PlatformHasWindow() { return window != nullptr; }

void PlatformDestroyWindow() {
  if (window != nullptr) SDL_DestroyWindow(window);
  window = nullptr;
}

void PlatformSetWindowTitle(const char* title) {
  if (window != nullptr) SDL_SetWindowTitle(window, title);
}

void PlatformGetClientSize(int* width, int* height) {
  *width = 0;
  *height = 0;
  if (window != nullptr) SDL_GL_GetDrawableSize(window, width, height);
}

void PlatformGetScreenSize(int* width, int* height) {
  SDL_DisplayMode mode;
  InitVideo();
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    *width = mode.w;
    *height = mode.h;
  } else {
    *width = 1024;
    *height = 768;
  }
}

uint32_t PlatformTickCount() { return SDL_GetTicks(); }
