// Keyboard control of the menus: the held navigation keys of one step become
// edge-triggered intents (up, down, left, right, press, back, delete, edit),
// with key repeat on the arrows. Every menu screen reads intents, never keys,
// so a gamepad's D-pad and buttons can feed the same intents: fill a
// MenuKeysHeld from the pad and OR it into the keyboard's before TakeIntents.
#pragma once
#include <cstdint>

enum MenuIntent : uint32_t {
  kIntentUp = 1u << 0,
  kIntentDown = 1u << 1,
  kIntentLeft = 1u << 2,
  kIntentRight = 1u << 3,
  kIntentPress = 1u << 4,   // Enter or Space
  kIntentBack = 1u << 5,    // Escape
  kIntentDelete = 1u << 6,  // Delete
  kIntentEdit = 1u << 7,    // Tab: start renaming on the players screen
};
constexpr uint32_t kIntentArrows = kIntentUp | kIntentDown | kIntentLeft | kIntentRight;

// Which intents' keys are held in one step, a bit per MenuIntent.
struct MenuKeysHeld {
  uint32_t bits = 0;
  MenuKeysHeld& operator|=(const MenuKeysHeld& other) {
    bits |= other.bits;
    return *this;
  }
};

// Held arrows repeat after this delay, then at this interval.
constexpr uint32_t kMenuRepeatDelayMs = 400;
constexpr uint32_t kMenuRepeatMs = 120;

struct MenuKeys {
  uint32_t held = 0;
  uint32_t repeatAt = 0;
  // At a screen's entry: keys already held (the Enter that opened the screen)
  // give nothing until they are let go and pressed again.
  void Start(const MenuKeysHeld& now) { held = now.bits; }
  // The intents of this step: keys that went down, and arrows held long
  // enough to repeat.
  uint32_t TakeIntents(const MenuKeysHeld& now, uint32_t time);
};

// The keyboard's share (arrows, Enter, Space, Escape, Delete, Tab) and the
// first pad's (ReadMenuPad), so every screen answers both alike.
MenuKeysHeld ReadMenuKeyboard();
// The first controller: stick, D-pad or hat as arrows, its first button as
// press; a standard pad's Start presses too and its east button is back.
MenuKeysHeld ReadMenuPad();
// Moves a highlight over count places with wrap-round: from none (-1), a step
// forward goes to the first and a step back to the last.
int WrapMenuHighlight(int highlight, int step, int count);
