// Model geometry the game relies on: each cell model stays inside its own
// 2 x 2 cell so neighbours never overlap, and the robot never dips below the
// floor in any frame, because the game draws its mirror image there.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/datagen/model_jobs.h"
#include "tools/datagen/shapes.h"
#include "tools/datagen/text.h"

namespace {

class Models : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenFonts("/usr/share/fonts/truetype/dejavu")); }
  static void TearDownTestSuite() { CloseFonts(); }
};

struct Bounds {
  glm::vec3 low{1e9f}, high{-1e9f};
};

Bounds BoundsOf(const ModelKit& kit) {
  Bounds b;
  for (const MeshSource& mesh : kit.Source().meshes)
    for (const auto& frame : mesh.frames)
      for (const ModelVertex& v : frame) {
        b.low = glm::min(b.low, glm::vec3(v.x, v.y, v.z));
        b.high = glm::max(b.high, glm::vec3(v.x, v.y, v.z));
      }
  return b;
}

TEST_F(Models, CellsStayInsideTheirCell) {
  for (const ModelJob& job : CellModelJobs()) {
    Bounds b = BoundsOf(job.build());
    EXPECT_GE(b.low.x, -1.01f) << job.file;
    EXPECT_GE(b.low.y, -1.01f) << job.file;
    EXPECT_LE(b.high.x, 1.01f) << job.file;
    EXPECT_LE(b.high.y, 1.01f) << job.file;
    EXPECT_LE(b.high.z, 2.4f) << job.file;
  }
}

TEST_F(Models, RobotsStayAboveTheFloorInEveryFrame) {
  for (const ModelJob& job : RobotModelJobs()) {
    ModelKit kit = job.build();
    EXPECT_EQ(kit.FrameCount(), job.frames) << job.file;
    Bounds b = BoundsOf(kit);
    EXPECT_GE(b.low.z, -0.02f) << job.file;
  }
  Bounds robot = BoundsOf(RobotModelJobs().front().build());
  EXPECT_LE(robot.high.x - robot.low.x, 1.9f);  // fits a cell with room to spare
  EXPECT_GT(robot.high.x - robot.low.x, 1.2f);  // and is large enough to read from above
}

TEST_F(Models, MergedCopiesKeepTheirMaterialsAndMove) {
  ModelKit a(1);
  a.AddStill("a", a.AddGlowMaterial("one", Canvas(4, 4, Colour(1.0f))), MakeQuad({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}));
  ModelKit b(1);
  b.AddGlowMaterial("first", Canvas(4, 4, Colour(0.5f)));
  b.MergeStill(a, Translation({10, 0, 0}) * RotationZ(90.0f));
  ASSERT_EQ(b.Source().meshes.size(), 1u);
  EXPECT_EQ(b.Source().meshes[0].material, 1);
  const ModelVertex& v = b.Source().meshes[0].frames[0][1];  // (1, 0, 0) turned to (0, 1, 0), moved by 10
  EXPECT_NEAR(v.x, 10.0f, 1e-5f);
  EXPECT_NEAR(v.y, 1.0f, 1e-5f);
  EXPECT_NEAR(v.nz, 1.0f, 1e-5f);
}

}  // namespace
