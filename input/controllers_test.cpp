// The controller table over a made-up device: dead zones, range checks, pads
// that come and go, and the keys a pad gives the menus.
#include <gtest/gtest.h>

#include <cstdio>
#include <cmath>
#include <cstring>
#include <vector>

#include "input/controllers.h"
#include "input/keyboard.h"
#include "input/pad_keys.h"
#include "input/typed_keys.h"

namespace {

ControllerReading attached[20];
int attachedCount = 0;
int pollCount = 0;

int PollFake(ControllerReading* readings, int capacity) {
  ++pollCount;
  int n = attachedCount < capacity ? attachedCount : capacity;
  for (int i = 0; i < n; ++i) readings[i] = attached[i];
  return attachedCount;  // a careless device may claim more than it was given room for
}

void Attach(int32_t id, bool standardPad = true) {
  ControllerReading r;
  r.id = id;
  r.standardPad = standardPad;
  std::snprintf(r.name, sizeof r.name, "pad %d", id);
  attached[attachedCount++] = r;
}

void Detach(int32_t id) {
  int kept = 0;
  for (int i = 0; i < attachedCount; ++i) {
    if (attached[i].id != id) attached[kept++] = attached[i];
  }
  attachedCount = kept;
}

class Controllers : public ::testing::Test {
 protected:
  void SetUp() override {
    attachedCount = 0;
    pollCount = 0;
    SetInputFocus(true);
  }
  void TearDown() override {
    InitControllers(ControllerDevice{});
    ClearTypedKeys();
    ResetPadKeys();
  }
  void Start() {
    ControllerDevice device;
    device.poll = PollFake;
    InitControllers(device);
  }
};

TEST_F(Controllers, DeadZoneReadsZeroNearTheCentreAndStretchesTheRest) {
  Attach(7);
  Start();
  float& x = attached[0].values[kControlX];
  const float cases[][2] = {{0.04f, 0.0f}, {-0.04f, 0.0f}, {0.525f, 0.5f}, {-0.525f, -0.5f}, {1.0f, 1.0f}, {-1.0f, -1.0f}};
  for (const auto& c : cases) {
    x = c[0];
    EXPECT_NEAR(GetControllerAxis(0, kControlX), c[1], 1e-6f) << "raw " << c[0];
  }
  // Buttons have no dead zone; one set on a button makes a half press read 0.
  attached[0].values[kPadSouth] = 1.0f;
  EXPECT_EQ(GetControllerAxis(0, kPadSouth), 1.0f);
  attached[0].values[kControlButton0 + 3] = 0.4f;
  SetDeadZone(0, 3, 0.5f);
  EXPECT_EQ(GetControllerAxis(0, 3), 0.0f);
  // Out-of-range dead zones are refused: the axis keeps 0.05.
  SetDeadZone(0, kControlX, 1.0f);
  SetDeadZone(0, kControlX, -0.1f);
  SetDeadZone(0, kControlX, std::nanf(""));
  SetDeadZone(1, kControlX, 0.9f);
  x = 0.525f;
  EXPECT_NEAR(GetControllerAxis(0, kControlX), 0.5f, 1e-6f);
}

TEST_F(Controllers, OutOfRangeReadsZeroWithoutAPoll) {
  Attach(1);
  attached[0].values[kControlX] = 1.0f;
  Start();
  pollCount = 0;
  EXPECT_EQ(GetControllerAxis(0, 50), 0.0f);
  EXPECT_EQ(GetControllerAxis(0, -1), 0.0f);
  EXPECT_EQ(GetControllerAxis(1, kControlX), 0.0f);
  EXPECT_EQ(GetControllerAxis(-1, kControlX), 0.0f);
  EXPECT_EQ(pollCount, 0);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 1.0f);
  EXPECT_EQ(pollCount, 1);
}

TEST_F(Controllers, SeventeenthDeviceIsNotUsed) {
  for (int id = 1; id <= 17; ++id) Attach(id);
  Start();
  EXPECT_EQ(GetControllerCount(), kMaxControllers);
}

TEST_F(Controllers, PulledPadReadsZeroAndTheOthersMoveUpWithTheirDeadZones) {
  Attach(1);
  Start();
  EXPECT_EQ(GetControllerCount(), 1);
  // Plugged in later: seen at the next ask.
  Attach(2);
  attached[1].values[kControlX] = 0.3f;
  EXPECT_EQ(GetControllerCount(), 2);
  SetDeadZone(1, kControlX, 0.2f);
  // Pulled out with its stick held: nothing of it is left to read.
  attached[0].values[kControlY] = -1.0f;
  attached[0].values[kPadSouth] = 1.0f;
  EXPECT_EQ(GetControllerAxis(0, kControlY), -1.0f);
  Detach(1);
  EXPECT_EQ(GetControllerAxis(0, kControlY), 0.0f);
  EXPECT_EQ(GetControllerAxis(0, kPadSouth), 0.0f);
  EXPECT_EQ(GetControllerCount(), 1);
  // The second pad is now the first, its own dead zone kept.
  EXPECT_NEAR(GetControllerAxis(0, kControlX), 0.125f, 1e-6f);
  Detach(2);
  EXPECT_EQ(GetControllerCount(), 0);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
}

TEST_F(Controllers, EverythingReadsZeroWhileAnotherWindowIsActive) {
  Attach(1);
  attached[0].values[kControlX] = 1.0f;
  Start();
  SetInputFocus(false);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
  SetInputFocus(true);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 1.0f);
}

std::vector<int32_t> TakeKeys() {
  std::vector<int32_t> keys;
  while (int32_t k = PopTypedKey()) keys.push_back(k);
  return keys;
}

TEST_F(Controllers, PadGivesMenuKeysOnPressAndRepeatsAHeldDirection) {
  Attach(1);
  Start();
  float* v = attached[0].values;
  PushPadKeys(0);
  EXPECT_TRUE(TakeKeys().empty());
  v[kControlY] = 0.9f;
  PushPadKeys(100);
  EXPECT_EQ(TakeKeys(), std::vector<int32_t>{kKeyDown});
  PushPadKeys(400);  // held, not yet repeating
  EXPECT_TRUE(TakeKeys().empty());
  PushPadKeys(500);
  PushPadKeys(560);
  PushPadKeys(620);
  EXPECT_EQ(TakeKeys(), (std::vector<int32_t>{kKeyDown, kKeyDown}));
  // Easing back a little keeps it held; letting go and pushing again is a new press.
  v[kControlY] = 0.4f;
  PushPadKeys(630);
  EXPECT_TRUE(TakeKeys().empty());
  v[kControlY] = 0.0f;
  PushPadKeys(640);
  v[kControlX] = -1.0f;
  PushPadKeys(650);
  EXPECT_EQ(TakeKeys(), std::vector<int32_t>{kKeyLeft});
  v[kControlX] = 0.0f;
  // Buttons push once per press: south Enter, east Esc, Back Space, Start its own code.
  v[kPadSouth] = v[kPadEast] = v[kPadBack] = v[kPadStart] = 1.0f;
  PushPadKeys(700);
  PushPadKeys(800);
  EXPECT_EQ(TakeKeys(), (std::vector<int32_t>{13, 27, ' ', kKeyPadStart}));
}

TEST_F(Controllers, JoystickWithoutAPadLayoutOnlyConfirms) {
  Attach(1, false);
  Start();
  float* v = attached[0].values;
  for (int b = 0; b < 16; ++b) v[b] = 1.0f;
  PushPadKeys(0);
  EXPECT_EQ(TakeKeys(), std::vector<int32_t>{13});
}

TEST_F(Controllers, PulledPadLetsGoOfItsKeys) {
  Attach(1);
  Start();
  attached[0].values[kControlX] = 1.0f;
  PushPadKeys(0);
  Detach(1);
  for (uint32_t t = 100; t < 2000; t += 100) PushPadKeys(t);
  EXPECT_EQ(TakeKeys(), std::vector<int32_t>{kKeyRight});
  // Back again with the stick still over: a fresh press.
  Attach(1);
  attached[0].values[kControlX] = 1.0f;
  PushPadKeys(2100);
  EXPECT_EQ(TakeKeys(), std::vector<int32_t>{kKeyRight});
}

}  // namespace
