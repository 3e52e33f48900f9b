// What the play screen queues for a board, without a device: the models of
// cells and robots with their frames, the countdown, the heads-up digits and
// the tour's points.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gameplay/board_draw.h"
#include "gameplay/game_assets.h"
#include "gameplay/intro_tour.h"
#include "gameplay/play_frame.h"
#include "graphics/render_queue.h"

namespace {
// A walled board with two robots and one exit.
Board& TestBoard() {
  static Board* board = new Board;
  *board = Board{};
  for (auto& column : board->cellChars) {
    for (auto& cell : column) cell = 'a';
  }
  board->cellChars[4][5] = '0';
  board->cellChars[5][5] = '0';
  board->cellChars[6][5] = 'D';  // exit
  board->cellChars[2][3] = 'w';  // blue door
  board->robotCount = 2;
  for (int i = 0; i < 2; ++i) {
    RobotRecord& r = board->robots[i];
    r = RobotRecord{};
    r.x = 4.0f + i;
    r.y = 5.0f;
    r.active = 1;
  }
  return *board;
}

void ClearQueue() {
  RenderQueue& q = GetRenderQueue();
  q.modelCount = 0;
  q.imageCount = 0;
}

int CountModels(const Model* model) {
  const RenderQueue& q = GetRenderQueue();
  int n = 0;
  for (int i = 0; i < q.modelCount; ++i) n += q.models[i].model == model;
  return n;
}
}  // namespace

TEST(BoardDraw, SceneryRingCellsAndEachRobotTwiceWithItsReflection) {
  Board& b = TestBoard();
  ClearQueue();
  DrawBoard(b);
  const GameAssets& a = GetGameAssets();
  const RenderQueue& q = GetRenderQueue();
  EXPECT_EQ(q.modelCount, 2 + 60 + 18 * 12 + 2 * 2);
  EXPECT_EQ(CountModels(&a.cells[kCellFloor]), 60 + 2);
  EXPECT_EQ(CountModels(&a.robot), 4);
  // The reflection hangs upside down at the same place.
  int upright = 0, flipped = 0;
  for (int i = 0; i < q.modelCount; ++i) {
    if (q.models[i].model != &a.robot) continue;
    (q.models[i].rotX == 180.0f ? flipped : upright) += 1;
  }
  EXPECT_EQ(upright, 2);
  EXPECT_EQ(flipped, 2);
  EXPECT_EQ(q.imageCount, 0);  // no limit, no countdown
}

TEST(BoardDraw, LookingThroughARobotHidesItAndKeepsTheCountdown) {
  Board& b = TestBoard();
  b.timeLimit = 30000;
  b.elapsed = 0;
  b.CameraMode = 2;
  ClearQueue();
  DrawBoard(b);
  EXPECT_EQ(CountModels(&GetGameAssets().robot), 2);  // robot 2 is the eye
  EXPECT_EQ(GetRenderQueue().imageCount, 0);
  QueueCountdown(b);
  const RenderQueue& q = GetRenderQueue();
  ASSERT_EQ(q.imageCount, 6);  // "CZAS 30": six glyphs
  // They sit in the heads-up panel at the bottom, not over the board.
  for (int i = 0; i < q.imageCount; ++i) {
    EXPECT_GT(q.images[i].y, 0.875f);
    EXPECT_LT(q.images[i].y + q.images[i].height, 1.0f);
  }
  // The tour sets its own camera and draws no countdown.
  b.CameraMode = -1;
  ClearQueue();
  DrawBoard(b);
  QueueCountdown(b);
  EXPECT_EQ(GetRenderQueue().imageCount, 0);
  EXPECT_EQ(CountModels(&GetGameAssets().robot), 4);
}

TEST(BoardDraw, RobotAndCellFramesFollowTheirAnimations) {
  Board& b = TestBoard();
  const GameAssets& a = GetGameAssets();
  RobotRecord r = b.robots[0];
  r.teleportAnim = 7;  // half-way through: the way back, frame 3
  RobotLook look = ChooseRobotLook(b, r);
  EXPECT_EQ(look.model, &a.robotTeleport);
  EXPECT_FLOAT_EQ(look.frame, 3.0f);
  r.teleportAnim = -1;
  r.cloneAnim = 4;
  EXPECT_EQ(ChooseRobotLook(b, r).model, &a.robotCloner);
  r.cloneAnim = -1;
  r.exitAnim = -0.5f;
  look = ChooseRobotLook(b, r);
  EXPECT_EQ(look.model, &a.robotExit);
  EXPECT_FLOAT_EQ(look.frame, 0.0f);
  r.exitAnim = -1;
  r.deathKind = 2;
  b.electroAnim = 6;
  look = ChooseRobotLook(b, r);
  EXPECT_EQ(look.model, &a.robotElectro);
  EXPECT_FLOAT_EQ(look.frame, 6.0f);

  b.exitAnim = 4.5f;
  EXPECT_FLOAT_EQ(CellModelFrame(b, kCellExit, 6, 5), 4.5f);
  b.cellState[2][3] = -2.5f;  // closing
  EXPECT_FLOAT_EQ(CellModelFrame(b, kCellBlueDoor, 2, 3), 2.5f);
  b.cellState[2][3] = -1000;  // switched while closed: still drawn closed
  EXPECT_FLOAT_EQ(CellModelFrame(b, kCellBlueDoor, 2, 3), 0.0f);
  EXPECT_FLOAT_EQ(CellModelFrame(b, kCellFloor, 4, 5), 0.0f);
}

TEST(BoardDraw, HeadsUpDigitsCountWithinTheDifficulty) {
  const struct {
    int level, difficulty, tens, ones;
  } cases[] = {{31, 2, 0, 1}, {15, 0, 1, 5}, {16, 1, 0, 1}};
  for (const auto& c : cases) {
    const LevelDigits d = LevelDigitsOf(c.level);
    EXPECT_EQ(d.difficulty * 100 + d.tens * 10 + d.ones, c.difficulty * 100 + c.tens * 10 + c.ones) << c.level;
  }
  EXPECT_EQ(LevelDigitsOf(99).difficulty, 2);  // never past the last picture
}

TEST(BoardDraw, TourVisitsRobotsThenExits) {
  const std::vector<TourPoint> p = TourPointsOf(TestBoard());
  ASSERT_EQ(p.size(), 3u);
  EXPECT_FLOAT_EQ(p[0].x, -10);  // robot at column 4
  EXPECT_FLOAT_EQ(p[1].x, -8);
  EXPECT_FLOAT_EQ(p[2].x, -6);   // the exit at column 6
  EXPECT_FLOAT_EQ(p[2].y, 2);
}

// The overview camera comes close enough that every level's used cells span
// most of the screen's width at any tilt the player can choose, while the
// cells stay clear of the heads-up panel at the bottom.
TEST(BoardDraw, OverviewFramesEveryLevelsUsedAreaWideAndWhole) {
  const char* run = std::getenv("RR_RUN_DIR");
  if (run == nullptr) GTEST_SKIP() << "no run directory";
  static Board board;
  float narrowest[3] = {1.0f, 1.0f, 1.0f};  // by tilt, for the test's report
  for (int level = 1; level <= 45; ++level) {
    ASSERT_TRUE(board.LoadLevel(level, (std::string(run) + "/").c_str())) << level;
    const UsedArea a = UsedAreaOf(board);
    for (int tilt = 0; tilt < 3; ++tilt) {
      const float pitch = tilt == 0 ? -45.0f : tilt == 1 ? -25.0f : 0.0f;
      board.pitch = pitch;
      const OverviewView v = OverviewOf(board);
      const float left = 2.0f * a.minColumn - 19.0f, right = 2.0f * a.maxColumn - 17.0f;
      const float bottom = 12.0f - 2.0f * a.maxRow - 1.0f, top = 12.0f - 2.0f * a.minRow + 1.0f;
      glm::vec2 low(1e9f), high(-1e9f);
      for (float x : {left, right})
        for (float y : {bottom, top})
          for (float z : {0.0f, 2.0f}) {  // floor and wall tops
            const glm::vec2 p = ProjectOverview(v, {x, y, z});
            low = glm::min(low, p), high = glm::max(high, p);
          }
      EXPECT_GE(low.x, 0.0f) << level << " at " << pitch;
      EXPECT_LE(high.x, 1.0f) << level << " at " << pitch;
      EXPECT_GE(low.y, 0.04f) << level << " at " << pitch;
      EXPECT_LE(high.y, 0.88f) << level << " at " << pitch;
      // The used cells' floor: its widest row is the nearest one.
      const float span = ProjectOverview(v, {right, bottom, 0}).x - ProjectOverview(v, {left, bottom, 0}).x;
      narrowest[tilt] = std::min(narrowest[tilt], span);
      // Looked at straight down, a level taller than the screen's shape fills
      // the height instead.
      const bool heightBound = high.y - low.y >= 0.78f;
      EXPECT_TRUE(span >= 0.7f || (pitch == 0.0f && heightBound)) << level << " at " << pitch << ": " << span;
    }
  }
  RecordProperty("narrowest_at_45", std::to_string(narrowest[0]));
  RecordProperty("narrowest_at_25", std::to_string(narrowest[1]));
  RecordProperty("narrowest_straight_down", std::to_string(narrowest[2]));
}
