// The short queue of typed characters and navigation keys that text entry and
// the menus drain. The window procedure fills it while messages are pumped.
#pragma once
#include <cstdint>

// Navigation keys reach the queue as these codes (the window procedure turns
// the nine keys into them); characters arrive as signed 8-bit values.
enum TypedKeyCode : int32_t {
  kKeyPageUp = 0x409,
  kKeyPageDown = 0x40A,
  kKeyEnd = 0x40B,
  kKeyHome = 0x40C,
  kKeyLeft = 0x40D,
  kKeyUp = 0x40E,
  kKeyRight = 0x40F,
  kKeyDown = 0x410,
  kKeyDelete = 0x416,
  // A pad's Start button: opens the pause in play, and closes it again.
  kKeyPadStart = 0x420,
};

// Appends a code. The queue keeps at most 81: once 80 are waiting, a new code
// replaces the 81st, so a flood keeps the first 80 and the latest one.
// 0 marks the end of the queue and is never stored.
void PushTypedKey(int32_t code);
// The oldest code, removed; 0 when nothing is waiting.
int32_t PopTypedKey();
// Forgets everything waiting (a screen that starts fresh, tests).
void ClearTypedKeys();
