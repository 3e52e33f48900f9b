// The controller table over a made-up device: dead zones, range checks, pads
// that come and go, and the keys a pad's buttons type.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
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
  for (int i = 0; i < attachedCount && i < capacity; ++i) readings[i] = attached[i];
  return attachedCount;  // a careless device may claim more than it was given room for
}

ControllerReading& Attach(int32_t id, bool standardPad = true) {
  ControllerReading& r = attached[attachedCount++];
  r = ControllerReading{};
  r.id = id;
  r.standardPad = standardPad;
  std::snprintf(r.name, sizeof r.name, "pad %d", id);
  return r;
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
    attachedCount = 0;
    PushPadKeys();  // forget held buttons
    InitControllers(ControllerDevice{});
    ClearTypedKeys();
  }
  void Start() { InitControllers(ControllerDevice{PollFake}); }
};

TEST_F(Controllers, DeadZoneReadsZeroNearTheCentreAndStretchesTheRest) {
  float& x = Attach(7).values[kControlX];
  Start();
  const float cases[][2] = {{0.04f, 0.0f}, {-0.04f, 0.0f}, {0.525f, 0.5f}, {-0.525f, -0.5f}, {-1.0f, -1.0f}};
  for (const auto& c : cases) {
    x = c[0];
    EXPECT_NEAR(GetControllerAxis(0, kControlX), c[1], 1e-6f) << "raw " << c[0];
  }
  // Out-of-range dead zones are refused: the axis keeps 0.05.
  for (float bad : {1.0f, -0.1f, std::nanf("")}) SetDeadZone(0, kControlX, bad);
  SetDeadZone(1, kControlX, 0.9f);
  x = 0.525f;
  EXPECT_NEAR(GetControllerAxis(0, kControlX), 0.5f, 1e-6f);
}

TEST_F(Controllers, OutOfRangeReadsZeroWithoutAPollAndOnlySixteenCount) {
  Attach(1).values[kControlX] = 1.0f;
  for (int id = 2; id <= 17; ++id) Attach(id);
  Start();
  EXPECT_EQ(GetControllerCount(), kMaxControllers);
  pollCount = 0;
  EXPECT_EQ(GetControllerAxis(0, 50), 0.0f);
  EXPECT_EQ(GetControllerAxis(0, -1), 0.0f);
  EXPECT_EQ(GetControllerAxis(16, kControlX), 0.0f);
  EXPECT_EQ(GetControllerAxis(-1, kControlX), 0.0f);
  EXPECT_EQ(pollCount, 0);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 1.0f);
  EXPECT_EQ(pollCount, 1);
  // Another window active: everything reads 0, as the keys do.
  SetInputFocus(false);
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
}

TEST_F(Controllers, PulledPadReadsZeroAndTheOthersMoveUpWithTheirDeadZones) {
  Attach(1);
  Start();
  EXPECT_EQ(GetControllerCount(), 1);
  // Plugged in later: seen at the next ask.
  Attach(2).values[kControlX] = 0.3f;
  EXPECT_EQ(GetControllerCount(), 2);
  SetDeadZone(1, kControlX, 0.2f);
  // Pulled out with its stick and button held: nothing of it is left to read.
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
  EXPECT_EQ(GetControllerAxis(0, kControlX), 0.0f);
}

std::vector<int32_t> TakeKeys() {
  std::vector<int32_t> keys;
  while (int32_t k = PopTypedKey()) keys.push_back(k);
  return keys;
}

TEST_F(Controllers, ButtonsTypeTheirKeyOncePerPress) {
  float* v = Attach(1).values;
  Start();
  v[kPadSouth] = v[kPadEast] = v[kPadBack] = v[kPadStart] = v[kPadLeftShoulder] = 1.0f;
  PushPadKeys();
  PushPadKeys();
  EXPECT_EQ(TakeKeys(), (std::vector<int32_t>{13, 27, ' ', kKeyPadStart, 'u'}));
  // Pulled out while held and plugged in again still held: a fresh press.
  Detach(1);
  PushPadKeys();
  v = Attach(1, false).values;
  for (int b = 0; b < 16; ++b) v[b] = 1.0f;
  PushPadKeys();
  // Without the pad layout only the first button is known.
  EXPECT_EQ(TakeKeys(), std::vector<int32_t>{13});
}

}  // namespace
