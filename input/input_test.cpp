// The typed-key queue, the held-key table with focus, and the mouse device seam.
#include <gtest/gtest.h>

#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/typed_keys.h"

namespace {

class TypedKeyQueue : public ::testing::Test {
 protected:
  void SetUp() override { ClearTypedKeys(); }
  void TearDown() override { ClearTypedKeys(); }
};

TEST_F(TypedKeyQueue, EmptyQueuePopsZeroAndStaysEmpty) {
  EXPECT_EQ(PopTypedKey(), 0);
  EXPECT_EQ(PopTypedKey(), 0);
  PushTypedKey('a');
  EXPECT_EQ(PopTypedKey(), 'a');
  EXPECT_EQ(PopTypedKey(), 0);
}

TEST_F(TypedKeyQueue, KeepsOrderOfCharactersAndNavigationCodes) {
  PushTypedKey('H');
  PushTypedKey(kKeyLeft);
  PushTypedKey(-71);  // 0xB9 read as a signed byte
  PushTypedKey(kKeyDelete);
  EXPECT_EQ(PopTypedKey(), 'H');
  EXPECT_EQ(PopTypedKey(), kKeyLeft);
  EXPECT_EQ(PopTypedKey(), -71);
  EXPECT_EQ(PopTypedKey(), kKeyDelete);
  EXPECT_EQ(PopTypedKey(), 0);
}

TEST_F(TypedKeyQueue, FloodKeepsFirstEightyThenOnlyTheLatest) {
  for (int i = 1; i <= 85; ++i) PushTypedKey(i);
  for (int i = 1; i <= 80; ++i) ASSERT_EQ(PopTypedKey(), i) << "slot " << i;
  EXPECT_EQ(PopTypedKey(), 85);
  EXPECT_EQ(PopTypedKey(), 0);
}

TEST_F(TypedKeyQueue, EightyFirstCodeFitsAndRoomReturnsAfterPops) {
  for (int i = 1; i <= 81; ++i) PushTypedKey(i);
  EXPECT_EQ(PopTypedKey(), 1);
  PushTypedKey(100);  // one slot freed: the queue is 2..81, 100
  for (int i = 2; i <= 81; ++i) ASSERT_EQ(PopTypedKey(), i);
  EXPECT_EQ(PopTypedKey(), 100);
  EXPECT_EQ(PopTypedKey(), 0);
}

TEST_F(TypedKeyQueue, ZeroIsNeverQueuedAndCutsNothing) {
  PushTypedKey('x');
  PushTypedKey(0);
  PushTypedKey('y');
  EXPECT_EQ(PopTypedKey(), 'x');
  EXPECT_EQ(PopTypedKey(), 'y');
  EXPECT_EQ(PopTypedKey(), 0);
}

TEST(HeldKeys, ReadUpWhileAnotherWindowIsActive) {
  ReleaseAllKeys();
  SetKeyHeld(VK_SPACE, true);
  SetKeyHeld('A', true);
  EXPECT_NE(IsKeyDown(VK_SPACE), 0);
  SetInputFocus(false);
  EXPECT_EQ(IsKeyDown(VK_SPACE), 0);
  EXPECT_EQ(IsKeyDown('A'), 0);
  SetInputFocus(true);
  EXPECT_NE(IsKeyDown('A'), 0);
  ReleaseAllKeys();
  EXPECT_EQ(IsKeyDown('A'), 0);
}

TEST(HeldKeys, OnlyTheLowByteOfTheCodeCounts) {
  ReleaseAllKeys();
  SetKeyHeld(VK_ESCAPE, true);
  EXPECT_NE(IsKeyDown(0x100 + VK_ESCAPE), 0);
  EXPECT_EQ(IsKeyDown(-1), 0);  // a wild code reads a real slot, never outside the table
  ReleaseAllKeys();
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
}

TEST(MouseDevice, WithoutADeviceTheMaskIsZeroAndModesAreHarmless) {
  InitInput(MouseDevice{});
  EXPECT_EQ(GetMouseButtons(), 0u);
  SetMouseMode(2);
  SetMousePosition(0.25f, 0.75f);
  EXPECT_FLOAT_EQ(GetMouseX(), 0.25f);
  EXPECT_FLOAT_EQ(GetMouseY(), 0.75f);
}

}  // namespace
