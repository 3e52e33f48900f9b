// The intro's clock and loop, driven by a fake tick source.
#include <gtest/gtest.h>

#include <vector>

#include "input/keyboard.h"
#include "input/mouse.h"
#include "shell/intro.h"

namespace {

uint32_t fakeNow = 0;
uint32_t fakeStep = 10;
uint32_t FakeTick() {
  uint32_t now = fakeNow;
  fakeNow += fakeStep;
  return now;
}

std::vector<float> drawnFrames;
void RecordFrame(float frame) { drawnFrames.push_back(frame); }
int skips = 0;
void CountSkip() { ++skips; }

uint32_t heldButtons = 0;
uint32_t PollHeldButtons() { return heldButtons; }

class IntroLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    fakeNow = 5000;
    fakeStep = 10;
    drawnFrames.clear();
    skips = 0;
    heldButtons = 0;
    ReleaseAllKeys();
    SetInputFocus(true);
    MouseDevice device;
    device.pollButtons = PollHeldButtons;
    InitInput(device);
    calls.tick = FakeTick;
    calls.drawFrame = RecordFrame;
    calls.onSkip = CountSkip;
  }
  void TearDown() override {
    ReleaseAllKeys();
    InitInput(MouseDevice{});
  }
  IntroCalls calls;
};

TEST(IntroClock, StallsCatchUpWholeStepsAndTheSceneHoldsItsLastPose) {
  IntroClock clock = StartIntroClock(1000);
  EXPECT_EQ(AdvanceIntroClock(clock, 1000), 0);
  EXPECT_EQ(AdvanceIntroClock(clock, 1100), 10);
  EXPECT_NEAR(clock.time, 0.10f, 1e-5f);
  EXPECT_EQ(AdvanceIntroClock(clock, 1100), 0);
  EXPECT_EQ(AdvanceIntroClock(clock, 1101), 1);  // a step is due as soon as its deadline passes
  EXPECT_EQ(AdvanceIntroClock(clock, 1109), 0);
  // Millisecond counts past float's exact range must not lose or add steps.
  IntroClock late = StartIntroClock(3'000'000'000u);
  EXPECT_EQ(AdvanceIntroClock(late, 3'000'000'100u), 10);
  EXPECT_EQ(AdvanceIntroClock(late, 3'000'000'100u), 0);
  EXPECT_FLOAT_EQ(IntroSceneFrame(3.99f), 3.99f);
  EXPECT_FLOAT_EQ(IntroSceneFrame(5.5f), 4.0f);
}

TEST_F(IntroLoop, RunsSixSecondsOfIntroTimeAndSlowFramesTakeFewerPassesNotLonger) {
  float end = RunIntro(calls);
  EXPECT_GE(end, kIntroLength);
  EXPECT_LT(end, kIntroLength + 0.02f);
  EXPECT_EQ(skips, 0);
  // One 10 ms step per frame: about 600 frames, the scene frozen from 4 s on.
  EXPECT_NEAR(static_cast<double>(drawnFrames.size()), 600.0, 2.0);
  for (size_t i = 1; i < drawnFrames.size(); ++i) ASSERT_LE(drawnFrames[i - 1], drawnFrames[i]);
  EXPECT_FLOAT_EQ(drawnFrames.back(), kIntroLastPose);
  drawnFrames.clear();
  fakeStep = 100;  // every frame stalls 100 ms: ten steps each
  EXPECT_LT(RunIntro(calls), kIntroLength + 0.02f);
  EXPECT_NEAR(static_cast<double>(drawnFrames.size()), 60.0, 1.0);
}

TEST_F(IntroLoop, EachSkipInputEndsItOnTheFirstFrameAndNothingElseDoes) {
  for (int key : {VK_ESCAPE, VK_SPACE, VK_RETURN}) {
    drawnFrames.clear();
    skips = 0;
    SetKeyHeld(key, true);
    EXPECT_FLOAT_EQ(RunIntro(calls), kIntroSkipped) << key;
    EXPECT_EQ(drawnFrames.size(), 1u) << key;
    EXPECT_EQ(skips, 1) << key;
    SetKeyHeld(key, false);
  }
  drawnFrames.clear();
  heldButtons = 1u << 3;  // any button, not only the left one
  EXPECT_FLOAT_EQ(RunIntro(calls), kIntroSkipped);
  EXPECT_EQ(drawnFrames.size(), 1u);
  heldButtons = 0;

  // Other keys, and keys held in another window, do not skip.
  skips = 0;
  SetKeyHeld('A', true);
  SetKeyHeld(VK_CONTROL, true);
  EXPECT_LT(RunIntro(calls), kIntroSkipped);
  SetKeyHeld(VK_SPACE, true);
  SetInputFocus(false);
  EXPECT_LT(RunIntro(calls), kIntroSkipped);
  EXPECT_EQ(skips, 0);
  SetInputFocus(true);
}

}  // namespace
