// For platform/ code only: the SDL objects behind the window.
#pragma once
#include <SDL.h>

SDL_Window* PlatformSdlWindow();
// True for a full-screen start: the picture sits in a centred rectangle of its
// own shape inside the desktop-sized window.
bool PlatformShowsPictureInBars();
