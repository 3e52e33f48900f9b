// The frame every menu screen composes: the menu scene turning behind,
// the screen's own pictures, the mouse cursor and the fade overlay.
//
//   BeginMenuFrame();              // view, light, menu camera, menu scene
//   QueueMenuImage(picture, ...);  // the screen's buttons and texts
//   FinishMenuFrame(fade);         // cursor, overlay, shown
#pragma once
#include "graphics/image.h"

// The window's view, the menus' light and camera, and the menu scene at the
// current menu animation value.
void BeginMenuFrame();
// Draws the 3D part queued so far without showing it, so the pictures queued
// after it go over it (the options and credits screens).
void DrawMenuScene();
// A menu picture at (x, y) of that size, in fractions of the window.
void QueueMenuImage(const Image& image, float x, float y, float width, float height, float opacity = 1.0f);
// The cursor picture at the mouse (unless withCursor is false), the black
// overlay at 1 - fade, and the frame shown.
void FinishMenuFrame(float fade, bool withCursor = true);
