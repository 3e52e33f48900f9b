// The credits against a fake clock, mouse and Escape: the order and timing
// of the scenes, and leaving.
#include <gtest/gtest.h>

#include <vector>

#include "frontend/credits_show.h"

namespace {
struct Credits {
  CreditsShow s;
  bool escape = false, button = false;
  std::vector<int> sounds;
  explicit Credits(bool buttonAtEntry = false) : s(BeginCredits(buttonAtEntry)), button(buttonAtEntry) {}
  void Steps(int n) {
    for (int i = 0; i < n && !s.finished; ++i) {
      StepCredits(s, escape, button, [this](int slot) { sounds.push_back(slot); });
    }
  }
};
}  // namespace

TEST(Credits, SevenScenesInOrderEachFlyingInTurningAndFlyingPast) {
  Credits c;
  EXPECT_FLOAT_EQ(CreditsSceneY(c.s), 160.0f);  // far beyond the origin
  c.Steps(160);
  EXPECT_FLOAT_EQ(CreditsSceneY(c.s), 0.0f);
  c.Steps(150);  // resting, not turning yet
  EXPECT_FLOAT_EQ(CreditsSceneAngle(c.s), 360.0f);
  EXPECT_FLOAT_EQ(CreditsSceneY(c.s), 0.0f);
  c.Steps(120);  // turned once, still in place
  EXPECT_FLOAT_EQ(CreditsSceneAngle(c.s), 0.0f);
  EXPECT_FLOAT_EQ(CreditsSceneY(c.s), 0.0f);

  std::vector<int> order{CreditsSceneIndex(c.s)};
  std::vector<int> lengths;
  float nearest = 0.0f;
  int steps = 430, since = 0;
  while (order.size() < 9 && steps < 20000) {
    c.Steps(1), ++steps, ++since;
    if (order.size() == 1 && CreditsSceneY(c.s) < nearest) nearest = CreditsSceneY(c.s);
    if (CreditsSceneIndex(c.s) != order.back()) {
      order.push_back(CreditsSceneIndex(c.s));
      lengths.push_back(order.size() == 2 ? steps : since);
      since = 0;
    }
  }
  EXPECT_EQ(order, (std::vector<int>{0, 1, 5, 2, 3, 4, 6, 0, 1}));
  EXPECT_LT(nearest, -39.0f);  // flown past the camera 18 units away
  // About 6.9 s a scene: 1.6 s flying in, 2 s still, 0.6 s turning, 2.67 s.
  for (int n : lengths) EXPECT_NEAR(n, 687, 3);
  EXPECT_FALSE(c.s.finished);
}

TEST(Credits, LeavingNeedsAFreshClickOrEscapeAfterTheFadeIn) {
  // A button held from the main menu does not leave; a click afterwards does.
  Credits held(true);
  held.Steps(200);
  EXPECT_FALSE(held.s.leaving);
  held.button = false;
  held.Steps(2);
  held.button = true;
  held.Steps(1);
  EXPECT_TRUE(held.s.leaving);
  EXPECT_EQ(held.sounds, std::vector<int>{0});
  held.Steps(60);
  EXPECT_TRUE(held.s.finished);

  // Escape let go during the fade-in is ignored; held through it, it leaves.
  Credits early;
  early.Steps(20);
  early.escape = true;
  early.Steps(10);
  early.escape = false;
  early.Steps(100);
  EXPECT_FALSE(early.s.leaving);
  Credits through;
  through.escape = true;
  through.Steps(51);
  EXPECT_TRUE(through.s.leaving);
  EXPECT_TRUE(through.sounds.empty());  // Escape makes no click
  through.Steps(49);
  EXPECT_FALSE(through.s.finished);
  through.Steps(2);
  EXPECT_TRUE(through.s.finished);
}
