// For platform/ code only: the SDL objects behind the window.
#pragma once
#include <SDL.h>

SDL_Window* PlatformSdlWindow();
