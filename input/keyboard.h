// Held keys, asked for by Windows virtual-key code. The platform layer's event
// pump writes the table; the rules, the solver and tests may write it too, so
// nothing here needs a window.
#pragma once

enum VirtualKey : int {
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_SHIFT = 16,
  VK_CONTROL = 17,
  VK_MENU = 18,  // Alt
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_PRIOR = 33,
  VK_NEXT = 34,
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_DELETE = 46,
  VK_F11 = 122,
  VK_F12 = 123,
  // Digits are '0'..'9' and letters 'A'..'Z', as on Windows.
};

// Nonzero while the key is held and our window has the keyboard focus.
int IsKeyDown(int virtualKey);

// Writers of the held-key table (platform pump, solver, tests).
void SetKeyHeld(int virtualKey, bool held);
void ReleaseAllKeys();
// Whether our window is the active one; keys read as up while it is not.
void SetInputFocus(bool active);
bool HasInputFocus();
