// Held menu keys into intents.
#include "frontend/menu_keys.h"

#include <cmath>

#include "input/controllers.h"
#include "input/keyboard.h"

uint32_t MenuKeys::TakeIntents(const MenuKeysHeld& now, uint32_t time) {
  const uint32_t pressed = now.bits & ~held;
  uint32_t intents = pressed;
  const uint32_t arrows = now.bits & kIntentArrows;
  if ((pressed & kIntentArrows) != 0) {
    repeatAt = time + kMenuRepeatDelayMs;
  } else if (arrows != 0 && static_cast<int32_t>(time - repeatAt) >= 0) {
    intents |= arrows;
    repeatAt = time + kMenuRepeatMs;
  }
  held = now.bits;
  return intents;
}

MenuKeysHeld ReadMenuKeyboard() {
  struct Binding {
    int key;
    uint32_t intent;
  };
  static constexpr Binding kBindings[] = {
      {VK_UP, kIntentUp},       {VK_DOWN, kIntentDown},     {VK_LEFT, kIntentLeft},   {VK_RIGHT, kIntentRight},
      {VK_RETURN, kIntentPress}, {VK_SPACE, kIntentPress},  {VK_ESCAPE, kIntentBack}, {VK_DELETE, kIntentDelete},
      {VK_TAB, kIntentEdit},
  };
  MenuKeysHeld held = ReadMenuPad();
  for (const Binding& b : kBindings) {
    if (IsKeyDown(b.key) != 0) held.bits |= b.intent;
  }
  return held;
}

MenuKeysHeld ReadMenuPad() {
  MenuKeysHeld held;
  if (GetControllerCount() == 0) return held;
  // Past half way on the stronger axis, so a diagonal moves one way only.
  const float x = GetControllerAxis(0, kControlX);
  const float y = GetControllerAxis(0, kControlY);
  if (std::fabs(x) >= std::fabs(y)) {
    if (x <= -0.5f) held.bits |= kIntentLeft;
    if (x >= 0.5f) held.bits |= kIntentRight;
  } else {
    if (y <= -0.5f) held.bits |= kIntentUp;
    if (y >= 0.5f) held.bits |= kIntentDown;
  }
  if (GetControllerAxis(0, kPadSouth) != 0.0f) held.bits |= kIntentPress;
  if (IsStandardPad(0)) {
    if (GetControllerAxis(0, kPadStart) != 0.0f) held.bits |= kIntentPress;
    if (GetControllerAxis(0, kPadEast) != 0.0f) held.bits |= kIntentBack;
  }
  return held;
}

int WrapMenuHighlight(int highlight, int step, int count) {
  if (count <= 0) return -1;
  if (highlight < 0 || highlight >= count) return step > 0 ? 0 : count - 1;
  return ((highlight + step) % count + count) % count;
}
