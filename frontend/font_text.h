// The menu font: 37 glyph pictures, and the routine that draws text with
// them. The menus, the players screen and the play screen's countdown use it.
#pragma once
#include "graphics/image.h"

// "data/font1/A0.png" ... "data/font1/Z0.png", "data/font1/00.png" ...
// "data/font1/90.png", "data/font1/_0.png".
void LoadMenuFont();
// Queues one picture per drawable character for the current frame: cells of
// size * stretch / 26 by size * 0.05 from (x, y), in the given colour.
void DrawFontText(const char* text, float x, float y, float size, float stretch, float r, float g, float b,
                  float a);

// The black full-screen picture "data/png/blank.png" every screen fades with.
const Image& GetFadeOverlay();
void LoadFadeOverlay();
// Queues the overlay over the whole screen with opacity 1 - brightness.
void QueueFadeOverlay(float brightness);
