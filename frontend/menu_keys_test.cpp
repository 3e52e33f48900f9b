// Held menu keys into intents: edges, keys held on entry, repeat.
#include <gtest/gtest.h>

#include "frontend/menu_keys.h"
#include "input/controllers.h"
#include "input/keyboard.h"

namespace {
MenuKeysHeld Held(uint32_t bits) { return MenuKeysHeld{bits}; }
}  // namespace

TEST(MenuKeys, APressGivesOneIntentAndAKeyHeldAtEntryNone) {
  MenuKeys keys;
  keys.Start(Held(kIntentPress));
  EXPECT_EQ(keys.TakeIntents(Held(kIntentPress), 0), 0u) << "the Enter that opened the screen";
  EXPECT_EQ(keys.TakeIntents(Held(0), 10), 0u);
  EXPECT_EQ(keys.TakeIntents(Held(kIntentPress | kIntentBack), 20), kIntentPress | kIntentBack);
  for (uint32_t t = 30; t < 2000; t += 10) EXPECT_EQ(keys.TakeIntents(Held(kIntentPress), t), 0u) << t;
}

TEST(MenuKeys, HeldArrowsRepeatAfterADelay) {
  MenuKeys keys;
  int downs = 0;
  for (uint32_t t = 0; t < 1000; t += 10) {
    if (keys.TakeIntents(Held(kIntentDown), t) & kIntentDown) ++downs;
  }
  // The press, then repeats at 400, 520, 640, 760 and 880 ms.
  EXPECT_EQ(downs, 1 + 5);
  EXPECT_EQ(keys.TakeIntents(Held(0), 1010), 0u);
  EXPECT_EQ(keys.TakeIntents(Held(kIntentUp), 1020), kIntentUp);
}

namespace {
ControllerReading pad;
int PollPad(ControllerReading* readings, int) {
  readings[0] = pad;
  return 1;
}
}  // namespace

TEST(MenuKeys, PadMovesPressesAndBacksOutBesideTheKeyboard) {
  pad = ControllerReading{};
  pad.id = 1;
  pad.standardPad = true;
  InitControllers(ControllerDevice{PollPad});
  ReleaseAllKeys();
  SetKeyHeld(VK_RETURN, true);
  pad.values[kControlX] = 0.6f;  // a diagonal goes the stronger way only
  pad.values[kControlY] = -0.9f;
  pad.values[kPadEast] = 1.0f;
  EXPECT_EQ(ReadMenuKeyboard().bits, kIntentUp | kIntentBack | kIntentPress);
  ReleaseAllKeys();
  // A joystick without the pad layout: its first button presses, nothing else is known.
  pad.standardPad = false;
  pad.values[kPadSouth] = 1.0f;
  EXPECT_EQ(ReadMenuPad().bits, kIntentUp | kIntentPress);
  InitControllers(ControllerDevice{});
}
