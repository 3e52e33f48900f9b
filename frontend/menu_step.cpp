// The menus' fades.
#include "frontend/menu_step.h"

bool StepFadeIn(float& fade) {
  fade += kMenuFadeStep;
  if (fade < 1.0f) return false;
  fade = 1.0f;
  return true;
}

bool StepFadeOut(float& fade) {
  fade -= kMenuFadeStep;
  if (fade > 0.0f) return false;
  fade = 0.0f;
  return true;
}
