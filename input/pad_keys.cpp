// Pad button presses as typed keys.
#include "input/pad_keys.h"

#include <cstdint>

#include "input/controllers.h"
#include "input/typed_keys.h"

namespace {
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
    {kPadLeftShoulder, 'u', true},   // undo
    {kPadRightShoulder, 'r', true},  // redo
    {kPadNorth, 'h', true},          // hint
};
constexpr int kButtonKeyCount = sizeof kButtonKeys / sizeof kButtonKeys[0];

bool buttonHeld[kButtonKeyCount] = {};
}  // namespace

void PushPadKeys() {
  const bool attached = GetControllerCount() != 0;
  const bool standardPad = IsStandardPad(0);
  for (int i = 0; i < kButtonKeyCount; ++i) {
    const ButtonKey& k = kButtonKeys[i];
    const bool down = attached && (standardPad || !k.standardPadOnly) && GetControllerAxis(0, k.button) != 0.0f;
    if (down && !buttonHeld[i]) PushTypedKey(k.code);
    buttonHeld[i] = down;
  }
}
