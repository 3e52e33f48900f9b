// The intro tour's flight: the point list, the hop targets, the debounced
// confirm input, the return to the overview with its zoom and fade.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gameplay/tour_motion.h"

namespace {
// The unframed overview: the whole board from 50 units at a 25-degree tilt.
const TourOverview kOverview{{0, -21.13f, 45.32f}, {0, 0, 0}};

TourInput NoInput() { return {}; }
TourInput Enter() { TourInput in; in.enterHeld = true; return in; }

// Runs ticks until the hop target changes; the number of ticks it took.
int RunToNextHop(TourState& t) {
  const int k = t.k;
  int ticks = 0;
  while (t.k == k && ticks < 2000) RunTourTick(t, NoInput()), ++ticks;
  return ticks;
}

// Plays the tour out with a single confirmation; ticks until it finished.
int RunToEnd(TourState& t) {
  int ticks = 0;
  RunTourTick(t, Enter());
  while (!TourFinished(t) && ticks < 20000) {
    RunTourTick(t, NoInput());
    CheckTourArrival(t);
    ++ticks;
  }
  return ticks;
}
}  // namespace

// The tour goes round its points, about 2.5 s a hop; with one robot and one
// exit it goes back and forth between the two.
TEST(TourHops, GoRoundThePointsAHopEveryTwoAndAHalfSeconds) {
  TourState t;
  StartTour(t, {{0, 0}, {2, 0}, {4, 0}}, kOverview, 1, 0);
  std::vector<float> lookXs;
  for (int hop = 0; hop < 4; ++hop) {
    const int ticks = RunToNextHop(t);
    if (hop > 0) {
      EXPECT_NEAR(ticks, 500, 3);
    }
    lookXs.push_back(t.lookTarget.x);
  }
  // The first boundary flies the opening hop once more, then the tour goes round.
  EXPECT_EQ(lookXs, (std::vector<float>{2, 4, 0, 2}));
  StartTour(t, {{-10, 4}, {6, -2}}, kOverview, 1, 0);
  lookXs.clear();
  for (int hop = 0; hop < 4; ++hop) RunToNextHop(t), lookXs.push_back(t.lookTarget.x);
  EXPECT_EQ(lookXs, (std::vector<float>{6, -10, 6, -10}));
}

TEST(TourConfirm, MouseHeldAtStartIsIgnoredUntilReleased) {
  TourState t;
  StartTour(t, {{0, 0}, {4, 0}}, kOverview, 1, 1);
  TourInput mouse;
  mouse.mouseButtons = 1;
  for (int i = 0; i < 50; ++i) RunTourTick(t, mouse);
  EXPECT_EQ(t.state, kTourTouring);
  RunTourTick(t, NoInput());
  RunTourTick(t, mouse);
  EXPECT_EQ(t.state, kTourReturnRequested);
  // Two buttons at once is not a confirmation.
  TourState u;
  StartTour(u, {{0, 0}, {4, 0}}, kOverview, 1, 0);
  mouse.mouseButtons = 3;
  RunTourTick(u, mouse);
  EXPECT_EQ(u.state, kTourTouring);
}

TEST(TourConfirm, ReturnWaitsForTheHopThenZoomsToTheOverviewAndDarkens) {
  TourState t;
  // Framed on a level in the board's right half.
  const TourOverview framed{{6, -12, 30}, {6, 2, 0}};
  StartTour(t, {{-10, 4}, {6, -2}}, framed, 1, 0);
  for (int i = 0; i < 100; ++i) RunTourTick(t, NoInput());
  RunTourTick(t, Enter());
  RunTourTick(t, Enter());  // held, not a second press
  EXPECT_EQ(t.state, kTourReturnRequested);
  int ticks = 0;
  while (t.state == kTourReturnRequested && ticks < 1000) RunTourTick(t, NoInput()), ++ticks;
  EXPECT_GT(ticks, 350);  // the current hop runs out first
  EXPECT_EQ(t.state, kTourReturning);
  const TourVec overview = framed.eye;
  while (!TourFinished(t) && ticks < 20000) RunTourTick(t, NoInput()), CheckTourArrival(t), ++ticks;
  ASSERT_TRUE(TourFinished(t));
  EXPECT_NEAR(CurrentTourCamera(t).fov, 45.0f, 0.01f);
  EXPECT_FLOAT_EQ(t.fade, 0.0f);
  EXPECT_NEAR(t.eye.x, overview.x, 0.01f);
  EXPECT_NEAR(t.eye.y, overview.y, 0.01f);
  EXPECT_NEAR(t.eye.z, overview.z, 0.01f);
  // Looking at the framed target, as the play screen's camera will.
  const TourCamera c = CurrentTourCamera(t);
  const float tx = c.target.x - c.eye.x, ty = c.target.y - c.eye.y, tz = c.target.z - c.eye.z;
  EXPECT_NEAR(ty / tz, (framed.target.y - overview.y) / (framed.target.z - overview.z), 0.05f);
  EXPECT_NEAR(tx, 0.0f, 0.01f);
}

TEST(TourConfirm, SecondPressLeavesAtOnceAndHalfLightEndingStopsAtHalf) {
  TourState t;
  StartTour(t, {{-10, 4}, {6, -2}}, kOverview, 0, 0);
  RunTourTick(t, Enter());
  RunTourTick(t, NoInput());
  RunTourTick(t, Enter());
  EXPECT_TRUE(TourFinished(t));

  TourState u;
  StartTour(u, {{-10, 4}, {6, -2}}, kOverview, 0, 0);
  RunToEnd(u);
  EXPECT_FLOAT_EQ(u.fade, 0.5f);
}

TEST(TourFewPoints, ABoardWithoutTwoPointsWaitsOnTheOverviewAndStillEnds) {
  for (std::vector<TourPoint> points : {std::vector<TourPoint>{}, std::vector<TourPoint>{{2, 2}}}) {
    TourState t;
    StartTour(t, points, kOverview, 1, 0);
    for (int i = 0; i < 1000; ++i) RunTourTick(t, NoInput());
    EXPECT_EQ(t.state, kTourTouring);
    EXPECT_NEAR(t.eye.z, kOverview.eye.z, 0.01f);
    EXPECT_TRUE(std::isfinite(t.yaw) && std::isfinite(t.pitch));
    EXPECT_LT(RunToEnd(t), 1000);
    EXPECT_TRUE(TourFinished(t));
  }
}
