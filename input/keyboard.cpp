// The held-key table and whether our window has the keyboard focus.
#include "input/keyboard.h"

namespace {
bool heldKeys[256];
bool hasFocus = true;
}  // namespace

int IsKeyDown(int virtualKey) {
  if (!hasFocus) return 0;
  return heldKeys[virtualKey & 0xFF] ? 1 : 0;
}

void SetKeyHeld(int virtualKey, bool held) { heldKeys[virtualKey & 0xFF] = held; }

void ReleaseAllKeys() {
  for (bool& key : heldKeys) key = false;
}

void SetInputFocus(bool active) { hasFocus = active; }

bool HasInputFocus() { return hasFocus; }
