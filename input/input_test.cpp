// The typed-key queue, the held-key table with focus, and the mouse device seam.
#include <gtest/gtest.h>

#include <initializer_list>

#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/typed_keys.h"

namespace {

TEST(TypedKeyQueue, KeepsOrderAndAFloodKeepsTheFirstEightyThenTheLatest) {
  ClearTypedKeys();
  EXPECT_EQ(PopTypedKey(), 0);  // empty
  for (int32_t key : std::initializer_list<int32_t>{'H', kKeyLeft, 0, -71, kKeyDelete}) PushTypedKey(key);  // 0 is never queued
  for (int32_t key : std::initializer_list<int32_t>{'H', kKeyLeft, -71, kKeyDelete}) EXPECT_EQ(PopTypedKey(), key);
  EXPECT_EQ(PopTypedKey(), 0);

  for (int i = 1; i <= 85; ++i) PushTypedKey(i);
  for (int i = 1; i <= 80; ++i) ASSERT_EQ(PopTypedKey(), i) << "slot " << i;
  EXPECT_EQ(PopTypedKey(), 85);
  EXPECT_EQ(PopTypedKey(), 0);
  for (int i = 1; i <= 81; ++i) PushTypedKey(i);  // the eighty-first still fits
  EXPECT_EQ(PopTypedKey(), 1);
  PushTypedKey(100);  // one slot freed: the queue is 2..81, 100
  for (int i = 2; i <= 81; ++i) ASSERT_EQ(PopTypedKey(), i);
  EXPECT_EQ(PopTypedKey(), 100);
  EXPECT_EQ(PopTypedKey(), 0);
  ClearTypedKeys();
}

TEST(HeldKeys, ReadUpWhileAnotherWindowIsActiveAndWildCodesStayInTheTable) {
  ReleaseAllKeys();
  SetKeyHeld(VK_SPACE, true);
  SetKeyHeld('A', true);
  EXPECT_NE(IsKeyDown(VK_SPACE), 0);
  EXPECT_NE(IsKeyDown(0x100 + VK_SPACE), 0);  // only the low byte of the code counts
  EXPECT_EQ(IsKeyDown(-1), 0);
  SetInputFocus(false);
  EXPECT_EQ(IsKeyDown(VK_SPACE), 0);
  EXPECT_EQ(IsKeyDown('A'), 0);
  SetInputFocus(true);
  EXPECT_NE(IsKeyDown('A'), 0);
  ReleaseAllKeys();
  EXPECT_EQ(IsKeyDown('A'), 0);
}

uint32_t fakeButtons = 0;
int pollCount = 0;
int lastCursorMode = -1;
uint32_t PollFakeButtons() {
  ++pollCount;
  return fakeButtons;
}
void SetFakeCursorMode(int mode) { lastCursorMode = mode; }

TEST(MouseDevice, ButtonsArePolledOnEveryAskAndKeptToEightBits) {
  InitInput(MouseDevice{});  // without a device: no buttons, and modes are harmless
  EXPECT_EQ(GetMouseButtons(), 0u);
  SetMouseMode(2);
  MouseDevice device;
  device.pollButtons = PollFakeButtons;
  device.setCursorMode = SetFakeCursorMode;
  InitInput(device);
  pollCount = 0;
  fakeButtons = 0x1;
  EXPECT_EQ(GetMouseButtons(), 0x1u);
  fakeButtons = 0x300 | 0x4;
  EXPECT_EQ(GetMouseButtons(), 0x4u);
  EXPECT_EQ(pollCount, 2);
  SetMouseMode(0);
  EXPECT_EQ(lastCursorMode, 0);
  SetMouseMode(1);
  EXPECT_EQ(lastCursorMode, 1);
  InitInput(MouseDevice{});
}

}  // namespace
