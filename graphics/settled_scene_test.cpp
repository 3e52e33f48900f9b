// Which queued models the settled picture holds, frame by frame.
#include "graphics/settled_scene.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const Model* const kWall = reinterpret_cast<const Model*>(0x1000);
const Model* const kRobot = reinterpret_cast<const Model*>(0x2000);

// Ten walls in a row and one robot at column `robotX`.
std::vector<SettledKey> Board(float robotX) {
  std::vector<SettledKey> keys;
  for (int i = 0; i < 10; ++i) keys.push_back(SettledKey{kWall, float(i) * 2, 0, 0, 0, 0, 0, 0});
  keys.push_back(SettledKey{kRobot, robotX, 4, 0, 0, 0, 90, 0});
  return keys;
}

int SettledCount(const SettledPlan& plan) {
  int n = 0;
  for (uint8_t s : plan.settled) n += s;
  return n;
}

}  // namespace

TEST(SettledScene, HoldsWhatStaysStillAndRedrawsOnlyWhenThatChanges) {
  SettledScene scene;
  SettledView view;
  view.width = 640;
  struct Frame {
    float robotX;
    SettledStep step;
    int settled;
    bool robotSettled;
    const char* what;
  };
  const Frame frames[] = {
      {0, SettledStep::kDrawAll, 0, false, "first frame: nothing to compare with"},
      {0, SettledStep::kRedrawAndCopy, 11, true, "all still: all into the picture"},
      {0, SettledStep::kCopy, 11, true, "still again: the copy serves"},
      {1, SettledStep::kRedrawAndCopy, 10, false, "the robot moves off its place in the picture"},
      {2, SettledStep::kCopy, 10, false, "moving on: the walls are copied, the robot drawn"},
      {3, SettledStep::kCopy, 10, false, "moving on"},
      {3, SettledStep::kRedrawAndCopy, 11, true, "stopped: it joins the picture"},
      {3, SettledStep::kCopy, 11, true, "still"},
  };
  for (const Frame& f : frames) {
    const std::vector<SettledKey> keys = Board(f.robotX);
    const SettledPlan& plan = scene.Plan(view, true, keys);
    EXPECT_EQ(plan.step, f.step) << f.what;
    ASSERT_EQ(plan.settled.size(), keys.size()) << f.what;
    EXPECT_EQ(SettledCount(plan), f.settled) << f.what;
    EXPECT_EQ(plan.settled.back() != 0, f.robotSettled) << f.what;
  }

  // A layer drawn over the frame (other models before another camera) cannot
  // start from the copy, and leaves the picture good for the next frame.
  SettledView overlay = view;
  overlay.camera[1] = -18;
  for (int frame = 0; frame < 2; ++frame) {
    EXPECT_EQ(scene.Plan(overlay, false, Board(9)).step, SettledStep::kDrawAll);
    EXPECT_EQ(scene.Plan(view, true, Board(3)).step, SettledStep::kCopy);
  }

  // A wall gone (a door opened): the picture is drawn again without it.
  std::vector<SettledKey> opened = Board(3);
  opened.erase(opened.begin() + 4);
  const SettledPlan& redrawn = scene.Plan(view, true, opened);
  EXPECT_EQ(redrawn.step, SettledStep::kRedrawAndCopy);
  EXPECT_EQ(SettledCount(redrawn), 10);
  EXPECT_EQ(scene.Plan(view, true, opened).step, SettledStep::kCopy);

  // Another camera, light, size, option or reload: nothing kept is good.
  SettledView turned = view;
  turned.camera[0] = 1;
  EXPECT_EQ(scene.Plan(turned, true, opened).step, SettledStep::kDrawAll);
  EXPECT_EQ(scene.Plan(turned, true, opened).step, SettledStep::kRedrawAndCopy);
  SettledView reloaded = turned;
  reloaded.resourceGeneration = 7;
  EXPECT_EQ(scene.Plan(reloaded, true, opened).step, SettledStep::kDrawAll);
}

TEST(SettledScene, FewStillItemsOrOnesNeverToSettleAreDrawnAfresh) {
  SettledScene scene;
  SettledView view;
  std::vector<SettledKey> few(kFewestSettledMeshes - 1, SettledKey{kWall, 0, 0, 0, 0, 0, 0, 0});
  for (size_t i = 0; i < few.size(); ++i) few[i].x = float(i);
  scene.Plan(view, true, few);
  EXPECT_EQ(scene.Plan(view, true, few).step, SettledStep::kDrawAll);
  // What counts is the meshes: one hall of many meshes is worth a copy.
  const std::vector<SettledKey> hall = {SettledKey{kWall, 100, 0, 0, 0, 0, 0, 0, 0, kFewestSettledMeshes}};
  scene.Plan(view, true, hall);
  EXPECT_EQ(scene.Plan(view, true, hall).step, SettledStep::kRedrawAndCopy);

  // A robot's still part settles while its animated part turns; the two are
  // told apart even when the turning part comes round to time 0. Keys
  // without a model (glass, layers adding to what lies behind) never settle.
  std::vector<SettledKey> parts = Board(0);
  parts.insert(parts.end() - 1, SettledKey{kRobot, 0, 4, 0, 0, 0, 90, 0.5f, 1});
  parts.insert(parts.begin(), SettledKey{});
  const size_t turning = parts.size() - 2, still = parts.size() - 1;
  scene.Plan(view, true, parts);
  parts[turning].time = 0.25f;
  EXPECT_EQ(scene.Plan(view, true, parts).step, SettledStep::kRedrawAndCopy);
  parts[turning].time = 0;
  const SettledPlan& round = scene.Plan(view, true, parts);
  EXPECT_EQ(round.step, SettledStep::kCopy);
  EXPECT_EQ(round.settled[turning], 0);
  EXPECT_EQ(round.settled[still], 1);
  EXPECT_EQ(round.settled.front(), 0);
  EXPECT_EQ(SettledCount(round), 11);
}
