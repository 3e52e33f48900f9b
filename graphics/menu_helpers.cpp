// The menu camera, the menu animation value and hit-test rectangles.
#include "graphics/menu_helpers.h"

#include "graphics/render_queue.h"

float menuCamera[10] = {};
float menuSpin = 0;

void ApplyMenuCamera() {
  const float* c = menuCamera;
  SetCamera(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9]);
}

void AdvanceMenuSpin() { menuSpin += 0.01f; }

void Rect::Set(float newX, float newY, float newWidth, float newHeight) {
  x = newX;
  y = newY;
  width = newWidth;
  height = newHeight;
}

bool Rect::Contains(float px, float py) const { return x < px && px < x + width && y < py && py < y + height; }
