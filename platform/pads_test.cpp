// Pads through SDL with its virtual joystick, headless: a pad plugged in
// after start, its stick, D-pad and buttons in the controller table, pulling
// it out while a direction is held, a joystick without a pad mapping, and
// none of it taking the message pump's turns.
#include <gtest/gtest.h>

#include <SDL.h>

#include "input/controllers.h"
#include "platform/events.h"
#include "platform/pads.h"
#include "platform/virtual_pad.h"

namespace {

class Pads : public ::testing::Test {
 protected:
  void SetUp() override { InitControllers(PlatformControllerDevice()); }
  void TearDown() override {
    PlatformDetachVirtualPad();
    InitControllers(ControllerDevice{});
  }
};

TEST_F(Pads, PadPluggedInAfterStartSteersUntilPulledAndAJoystickWithItsHat) {
  ASSERT_EQ(GetControllerCount(), 0) << "a real pad is attached to this machine";
  ASSERT_TRUE(PlatformAttachVirtualPad());
  EXPECT_FALSE(PlatformAttachVirtualPad()) << "one virtual pad at a time";
  ASSERT_EQ(GetControllerCount(), 1);
  EXPECT_TRUE(IsStandardPad(0));
  // At rest everything reads 0, the triggers too.
  for (int c = 0; c < kControlHat0; ++c) EXPECT_EQ(GetControllerAxis(0, c), 0.0f) << "control " << c;
  EXPECT_EQ(GetControllerAxis(0, kControlHat0 + 2), -1.0f);  // the D-pad hat, centred

  PlatformSetVirtualPadAxis(kPadLeftX, -1.0f);
  EXPECT_EQ(GetControllerAxis(0, kControlX), -1.0f);
  PlatformSetVirtualPadAxis(kPadLeftX, 0.02f);  // resting stick inside the dead zone
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
  PlatformSetVirtualPadButton(kPadUp, true);
  EXPECT_EQ(GetControllerAxis(0, kControlY), -1.0f);
  EXPECT_EQ(GetControllerAxis(0, kControlHat0 + 2), 0.0f);
  PlatformSetVirtualPadButton(kPadUp, false);
  PlatformSetVirtualPadButton(kPadSouth, true);
  EXPECT_EQ(GetControllerAxis(0, kPadSouth), 1.0f);
  PlatformSetVirtualPadButton(kPadSouth, false);
  PlatformSetVirtualPadAxis(kPadRightTrigger, 1.0f);
  EXPECT_EQ(GetControllerAxis(0, kControlSlider1), 1.0f);

  // Pulled out with the D-pad held right: no direction is left behind.
  PlatformSetVirtualPadButton(kPadRight, true);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 1.0f);
  ASSERT_TRUE(PlatformDetachVirtualPad());
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
  EXPECT_EQ(GetControllerCount(), 0);
  // And plugged in again: a fresh pad, at rest.
  ASSERT_TRUE(PlatformAttachVirtualPad());
  EXPECT_EQ(GetControllerCount(), 1);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
  ASSERT_TRUE(PlatformDetachVirtualPad());

  // A joystick without a pad mapping steers with its hat.
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 2, 3, 1);
  ASSERT_GE(index, 0) << SDL_GetError();
  SDL_Joystick* stick = SDL_JoystickOpen(index);
  ASSERT_NE(stick, nullptr);
  ASSERT_EQ(GetControllerCount(), 1);
  EXPECT_FALSE(IsStandardPad(0));
  SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_LEFTUP);
  SDL_JoystickSetVirtualButton(stick, 2, SDL_PRESSED);
  SDL_JoystickUpdate();
  EXPECT_EQ(GetControllerAxis(0, kControlX), -1.0f);
  EXPECT_EQ(GetControllerAxis(0, kControlY), -1.0f);
  EXPECT_EQ(GetControllerAxis(0, kControlHat0 + 2), 315.0f);
  EXPECT_EQ(GetControllerAxis(0, 2), 1.0f);
  SDL_JoystickDetachVirtual(index);
  SDL_JoystickClose(stick);
  EXPECT_EQ(GetControllerCount(), 0);
}

TEST_F(Pads, PadsNeverTakeTheMessagePumpsTurns) {
  SDL_InitSubSystem(SDL_INIT_EVENTS);
  ASSERT_TRUE(PlatformAttachVirtualPad());
  for (int i = 0; i < 50; ++i) {
    PlatformSetVirtualPadAxis(kPadLeftX, (i % 2) != 0 ? 1.0f : -1.0f);
    PlatformSetVirtualPadButton(kPadSouth, (i % 2) != 0);
  }
  PlatformDetachVirtualPad();
  PlatformPumpEvents();
  WindowMessage message;
  EXPECT_FALSE(PlatformPeekMessage(&message));
}

}  // namespace
