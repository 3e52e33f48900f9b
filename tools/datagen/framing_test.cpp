// The scenes are framed by cameras fixed in the game's code: the intro's, the
// menu camera of "data/kamera.cam", the credits', the end scene's and the play
// screen's overview. Each scene must sit inside its camera's view, and the
// menu's title must show above the buttons.
#include <gtest/gtest.h>

#include <sstream>

#include <glm/gtc/matrix_transform.hpp>

#include "tools/datagen/menu_camera.h"
#include "tools/datagen/model_jobs.h"
#include "tools/datagen/text.h"

namespace {

struct Camera {
  glm::vec3 eye, at, up;
  float fov;
};

// Screen box (x right, y down, 0..1) of every vertex of the meshes whose name
// contains `part` ("" for all), as the engine projects them (aspect 4/3).
struct ScreenBox {
  glm::vec2 low{1e9f}, high{-1e9f};
  bool behind = false;
};

ScreenBox Project(const ModelKit& kit, const Camera& c, int frame, const std::string& part = "") {
  glm::mat4 view = glm::lookAtRH(c.eye, c.at, c.up);
  glm::mat4 projection = glm::perspectiveRH_NO(glm::radians(c.fov), 4.0f / 3.0f, 0.1f, 100000.0f);
  ScreenBox box;
  for (const MeshSource& mesh : kit.Source().meshes) {
    if (mesh.name.find(part) == std::string::npos) continue;
    const auto& vertices = mesh.frames[std::min<size_t>(size_t(frame), mesh.frames.size() - 1)];
    for (const ModelVertex& v : vertices) {
      glm::vec4 clip = projection * view * glm::vec4(v.x, v.y, v.z, 1.0f);
      if (clip.w <= 0.0f) {
        box.behind = true;
        continue;
      }
      glm::vec2 screen(0.5f + 0.5f * clip.x / clip.w, 0.5f - 0.5f * clip.y / clip.w);
      box.low = glm::min(box.low, screen);
      box.high = glm::max(box.high, screen);
    }
  }
  return box;
}

bool Inside(const ScreenBox& box, float margin = 0.0f) {
  return !box.behind && box.low.x >= -margin && box.low.y >= -margin && box.high.x <= 1.0f + margin && box.high.y <= 1.0f + margin;
}

ModelKit Build(const std::string& file) {
  for (const ModelJob& job : AllModelJobs())
    if (job.file == file) return job.build();
  ADD_FAILURE() << "no job builds " << file;
  return ModelKit(1);
}

class Framing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenFonts("/usr/share/fonts/truetype/dejavu")); }
  static void TearDownTestSuite() { CloseFonts(); }
};

TEST_F(Framing, MenuCameraFileHoldsTenNumbersThatShowTheTitleAboveTheButtons) {
  std::istringstream text(MenuCameraText());
  float v[10];
  int read = 0;
  while (read < 10 && text >> v[read]) ++read;
  ASSERT_EQ(read, 10);
  std::string rest;
  EXPECT_FALSE(text >> rest);  // nothing after the ten numbers
  Camera menu{{v[0], v[1], v[2]}, {v[3], v[4], v[5]}, {v[6], v[7], v[8]}, v[9]};
  ASSERT_GT(glm::length(menu.up), 0.0f);
  ASSERT_GT(menu.fov, 10.0f);
  ASSERT_LT(menu.fov, 120.0f);
  ModelKit scene = Build("data/menu scena.vxm");
  // The title sign stands clear above the first button (which starts at y 0.34).
  ScreenBox sign = Project(scene, menu, 0, "sign face");
  EXPECT_TRUE(Inside(sign));
  EXPECT_LT(sign.high.y, 0.34f);
  EXPECT_LT(sign.low.x, 0.3275f);  // and is wider than the buttons
  EXPECT_GT(sign.high.x, 0.695f);
  // The robots circling the track stay in view through the whole loop.
  for (int f = 0; f < scene.FrameCount(); ++f) EXPECT_TRUE(Inside(Project(scene, menu, f, "robot"), 0.02f)) << f;
}

TEST_F(Framing, IntroTitleAndRobotEndInsideTheIntroCamera) {
  Camera intro{{2.24f, -39.2402f, 0.56f}, {2.24f, -39.1602f, 0.56f}, {0.0f, -0.0000000437114f, 1.0f}, 90.0f};
  ModelKit scene = Build("data/tarvik_intro.vxm");
  ASSERT_EQ(scene.FrameCount(), 5);  // the intro's time runs 0..4 and holds frame 4
  ScreenBox title = Project(scene, intro, 4, "title");
  EXPECT_TRUE(Inside(title));
  EXPECT_GT(title.high.x - title.low.x, 0.5f);  // large enough to read
  EXPECT_TRUE(Inside(Project(scene, intro, 4, "robot")));
}

TEST_F(Framing, CreditSignsFillMuchOfTheCreditsViewAtRest) {
  Camera credits{{0, -18, 0}, {0, 0, 0}, {0, 0, 1}, 90.0f};
  for (int i = 1; i <= 7; ++i) {
    std::string file = "data/au" + std::to_string(i) + ".vxm";
    ScreenBox box = Project(Build(file), credits, 0);
    EXPECT_TRUE(Inside(box)) << file;
    EXPECT_GT(box.high.x - box.low.x, 0.45f) << file;
  }
}

TEST_F(Framing, EndSceneGreetingFacesTheEndCamera) {
  Camera end{{11.0838f, -12.7017f, 6.97126f}, {11.0541f, -12.6282f, 6.96047f}, {-0.0505161f, 0.125032f, 0.990866f}, 80.0f};
  ModelKit scene = Build("data/end.vxm");
  ScreenBox sign = Project(scene, end, 0, "sign face");
  EXPECT_TRUE(Inside(sign));
  EXPECT_GT(sign.high.x - sign.low.x, 0.3f);
  for (int f = 0; f < scene.FrameCount(); f += 5) EXPECT_TRUE(Inside(Project(scene, end, f, "robot"))) << f;
}

TEST_F(Framing, BoardFrameFitsTheOverviewAtEveryPitch) {
  // The play screen's overview: distance 50, pitch -45..0 degrees, up +y.
  ModelKit frame = Build("data/ramka.vxm");
  for (float pitch : {-45.0f, -25.0f, 0.0f}) {
    float a = glm::radians(pitch);
    Camera overview{{0, 50.0f * std::sin(a), 50.0f * std::cos(a)}, {0, 0, 0}, {0, 1, 0}, 45.0f};
    EXPECT_TRUE(Inside(Project(frame, overview, 0, "frame"), 0.05f)) << pitch;
  }
}

}  // namespace
