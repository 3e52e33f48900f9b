// Pad presses as typed keys, with repeat for a held direction.
#include "input/pad_keys.h"

#include <cmath>

#include "input/controllers.h"
#include "input/typed_keys.h"

namespace {
constexpr uint32_t kFirstRepeatMs = 400;
constexpr uint32_t kRepeatMs = 120;
// A direction is taken past half way and let go below a third, so a stick
// resting near the line does not stutter.
constexpr float kPressTravel = 0.5f;
constexpr float kReleaseTravel = 0.3f;

struct ButtonKey {
  int button;
  int32_t code;
  bool standardPadOnly;
};
constexpr ButtonKey kButtonKeys[] = {
    {kPadSouth, 13, false},
    {kPadEast, 27, true},
    {kPadBack, ' ', true},
    {kPadStart, kKeyPadStart, true},
};
constexpr int kButtonKeyCount = sizeof kButtonKeys / sizeof kButtonKeys[0];

int32_t heldDirection = 0;
uint32_t nextRepeat = 0;
bool buttonHeld[kButtonKeyCount] = {};

int32_t DirectionOf(float x, float y) {
  if (std::fabs(x) >= std::fabs(y)) {
    if (x <= -kPressTravel) return kKeyLeft;
    if (x >= kPressTravel) return kKeyRight;
  } else {
    if (y <= -kPressTravel) return kKeyUp;
    if (y >= kPressTravel) return kKeyDown;
  }
  return 0;
}

bool StillHeld(int32_t direction, float x, float y) {
  switch (direction) {
    case kKeyLeft: return x <= -kReleaseTravel;
    case kKeyRight: return x >= kReleaseTravel;
    case kKeyUp: return y <= -kReleaseTravel;
    case kKeyDown: return y >= kReleaseTravel;
    default: return false;
  }
}

void PushDirection(float x, float y, uint32_t now) {
  int32_t direction = DirectionOf(x, y);
  if (direction == 0 && StillHeld(heldDirection, x, y)) direction = heldDirection;
  if (direction != heldDirection) {
    heldDirection = direction;
    if (direction != 0) PushTypedKey(direction);
    nextRepeat = now + kFirstRepeatMs;
  } else if (direction != 0 && static_cast<int32_t>(now - nextRepeat) >= 0) {
    PushTypedKey(direction);
    nextRepeat = now + kRepeatMs;
  }
}
}  // namespace

void PushPadKeys(uint32_t now) {
  if (GetControllerCount() == 0) {
    ResetPadKeys();
    return;
  }
  PushDirection(GetControllerAxis(0, kControlX), GetControllerAxis(0, kControlY), now);
  const bool standardPad = IsStandardPad(0);
  for (int i = 0; i < kButtonKeyCount; ++i) {
    const ButtonKey& k = kButtonKeys[i];
    const bool down = (standardPad || !k.standardPadOnly) && GetControllerAxis(0, k.button) != 0.0f;
    if (down && !buttonHeld[i]) PushTypedKey(k.code);
    buttonHeld[i] = down;
  }
}

void ResetPadKeys() {
  heldDirection = 0;
  for (bool& held : buttonHeld) held = false;
}
