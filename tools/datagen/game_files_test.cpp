// The generated set against what the game loads: every file name the game's
// code opens exists in the run directory with its exact case, each model
// loads through Model::Load and each picture through Image::Load without a
// diagnostic, and the animated models hold the frames the game drives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <tuple>
#include <set>
#include <string>
#include <vector>

#include "graphics/image.h"
#include "graphics/model.h"
#include "graphics/render_device.h"
#include "platform/gpu_device.h"
#include "platform/window.h"

namespace fs = std::filesystem;

namespace {

// The environment names the run directory; the build's own is the fallback.
std::string RunDir() {
  const char* dir = std::getenv("RR_RUN_DIR");
  return dir ? dir : RR_TEST_RUN_DIR;
}

// Model files with the number of frames the game's drawing uses: cells by
// their state (doors 0..4, exits cycling 0..10), robots by their animation
// values, scenes by time (intro 0..4, the menu and end scenes loop).
struct ExpectedModel {
  const char* file;
  int frames;
};

const std::vector<ExpectedModel>& GameModels() {
  static const std::vector<ExpectedModel> models = {
      {"data/k00.vxm", 1}, {"data/k01.vxm", 1}, {"data/k02.vxm", 1}, {"data/k03.vxm", 1}, {"data/k04.vxm", 1},
      {"data/k00 drzwi blue.vxm", 5}, {"data/k00 wl1.vxm", 1}, {"data/k00 drzwi red.vxm", 5}, {"data/k00 wl2.vxm", 1},
      {"data/k00 olej.vxm", 1}, {"data/k00 wyj.vxm", 11}, {"data/tele blue.VXM", 1}, {"data/tele green.VXM", 1},
      {"data/tele oran.VXM", 1}, {"data/znacznik blue.VXM", 1}, {"data/znacznik green.VXM", 1},
      {"data/znacznik oran.VXM", 1}, {"data/k00 mina.VXM", 1}, {"data/k00 kable.VXM", 1}, {"data/kloner.VXM", 1},
      {"data/kloner odb.VXM", 1}, {"data/k00 rolki1.VXM", 1}, {"data/k00 rolki2.VXM", 1}, {"data/k00 rolki1b.VXM", 1},
      {"data/k00 rolki2b.VXM", 1}, {"data/k00 rolki1c.VXM", 1}, {"data/k00 rolki2c.VXM", 1},
      {"data/k00 rolki_i_mina.VXM", 1}, {"data/k00 rolki2_i_mina.VXM", 1}, {"data/k00 rolki1 drzwi1.VXM", 5},
      {"data/k00 rolki1 drzwi2.VXM", 5}, {"data/kipek.vxm", 1}, {"data/kipek teleport.vxm", 11},
      {"data/kipek elektr.VXM", 21}, {"data/kipek bomb.vxm", 10}, {"data/kipek cloner.vxm", 11},
      {"data/kipek wyj.vxm", 11}, {"data/cube.vxm", 1}, {"data/ramka.vxm", 1}, {"data/tarvik_intro.vxm", 5},
      {"data/menu scena.vxm", 20}, {"data/au1.vxm", 1}, {"data/au2.vxm", 1}, {"data/au3.vxm", 1}, {"data/au4.vxm", 1},
      {"data/au5.vxm", 1}, {"data/au6.vxm", 1}, {"data/au7.vxm", 1}, {"data/end.vxm", 24},
  };
  return models;
}

std::vector<std::string> GamePictures() {
  std::vector<std::string> files = {
      "loading.png", "load_ramka.png", "load_pasek.png", "ramka.png", "latwy.png", "sredni.png", "trudny.png",
      "etap.png", "pauza.png", "poz.png", "poz45.png", "graj1a.png", "graj1b.png", "gracze1a.png", "gracze1b.png",
      "opcje1a.png", "opcje1b.png", "autorzy1a.png", "autorzy1b.png", "wyjscie1a.png", "wyjscie1b.png", "blank.png",
      "kursor.png", "latwe.png", "srednie.png", "trudne.png", "pasek.png", "st_ramka1.png", "st_ramka2.png",
      "celownik.png", "info_0.png", "OP_OPCJE.png", "OP_EFEKTY.png", "OP_MUZYKA.png", "OP_ROZDZIEL.png", "TAK.png",
      "NIE.png", "profile_tlo.png", "profile_pasek.png", "profile_skasuj1a.png", "profile_skasuj1b.png",
      "profile_wybierz1a.png", "profile_wybierz1b.png", "profile_pasek_2.png", "profile_zmien1.png",
      "profile_zmien2.png", "demo.png", "powrot1a.png", "powrot1b.png", "uruchom.png", "st_ukonczone.png",
      "par_gwiazdka.png"};
  for (int i = 1; i <= 9; ++i) files.push_back("poz" + std::to_string(i) + ".png");
  for (int i = 1; i <= 7; ++i) files.push_back("roz" + std::to_string(i) + ".png");
  for (int d = 0; d <= 9; ++d) {
    files.push_back("g" + std::to_string(d) + ".png");
    files.push_back("c" + std::to_string(d) + ".png");
  }
  for (std::string& f : files) f = "data/png/" + f;
  // The menu font: the template "data/font1/Q0.png" with its twelfth character replaced.
  std::string glyphs = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
  for (char c : glyphs) {
    std::string name = "data/font1/Q0.png";
    name[11] = c;
    files.push_back(name);
  }
  return files;
}

bool EnsureDevice() {
  if (GpuHasDevice()) return true;
  setenv("SDL_VIDEODRIVER", "offscreen", 0);  // headless unless the caller chose otherwise
  WindowConfig config;
  config.width = 64;
  config.height = 48;
  config.hidden = true;
  return PlatformCreateWindow(config) && CreateRenderDevice(64, 48, 32) == 1;
}

// A file missing or named in another case fails these loads. Each model is
// whole, holds the frames the game drives, and loads into the engine with a
// texture for every material that stores a base picture; each picture loads.
TEST(GameFiles, ModelsAndPicturesLoadIntoTheEngineWithoutDiagnostics) {
  ASSERT_TRUE(EnsureDevice());
  EXPECT_TRUE(std::filesystem::is_regular_file(RunDir() + "/data/kamera.cam"));
  static std::vector<std::unique_ptr<Model>> models;  // the engine keeps models and pictures for the whole run
  static std::vector<std::unique_ptr<Image>> pictures;
  for (const ExpectedModel& m : GameModels()) {
    std::string path = RunDir() + "/" + m.file;
    ModelFile file;
    ASSERT_EQ(ModelFile::Load(file, path.c_str()), 1) << m.file;
    EXPECT_FALSE(file.damaged) << m.file;
    EXPECT_EQ(file.frameCount, m.frames) << m.file;
    EXPECT_FALSE(file.meshes.empty()) << m.file;
    for (const ModelMesh& mesh : file.meshes) {
      EXPECT_GT(mesh.triangleCount, 0) << m.file;
      EXPECT_GE(mesh.MaterialIndex(), 0) << m.file;
      EXPECT_LT(mesh.MaterialIndex(), int32_t(file.materials.size())) << m.file;
    }
    models.push_back(std::make_unique<Model>());
    ::testing::internal::CaptureStdout();
    models.back()->Load(path.c_str());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << m.file;
    ASSERT_EQ(models.back()->materialSets.size(), file.materials.size()) << m.file;
    for (size_t i = 0; i < file.materials.size(); ++i)
      EXPECT_EQ(models.back()->materialSets[i].baseTexture != 0, file.materials[i].hasPicture[0]) << m.file << " material " << i;
  }
  for (const std::string& p : GamePictures()) {
    pictures.push_back(std::make_unique<Image>());
    ::testing::internal::CaptureStdout();
    pictures.back()->Load((RunDir() + "/" + p).c_str());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << p;
    EXPECT_NE(pictures.back()->Texture(), 0u) << p;
  }
}

// Largest distance a vertex of one mesh moves between two frames.
float LargestMove(const ModelMesh& mesh, int a, int b) {
  float largest = 0.0f;
  for (int t = 0; t < mesh.triangleCount; ++t) {
    for (int c = 0; c < 3; ++c) {
      ModelVertex p = mesh.Vertex(a, t, c), q = mesh.Vertex(b, t, c);
      largest = std::max(largest, std::hypot(p.x - q.x, p.y - q.y, p.z - q.z));
    }
  }
  return largest;
}

float LargestMove(const ModelFile& model, int a, int b) {
  float largest = 0.0f;
  for (const ModelMesh& mesh : model.meshes) largest = std::max(largest, LargestMove(mesh, a, b));
  return largest;
}

ModelFile LoadModel(const char* file) {
  ModelFile model;
  ModelFile::Load(model, (RunDir() + "/" + file).c_str());
  return model;
}

TEST(GameFiles, AnimationsMoveAndCyclesJoinWithoutASeam) {
  // Doors lower: frame 4 (open) differs from frame 0 (closed).
  EXPECT_GT(LargestMove(LoadModel("data/k00 drzwi blue.vxm"), 0, 4), 1.0f);
  EXPECT_GT(LargestMove(LoadModel("data/k00 rolki1 drzwi2.VXM"), 0, 4), 1.0f);
  // The exit cycles 0..10 and then restarts at 0, so frame 10 must equal frame 0.
  ModelFile exit = LoadModel("data/k00 wyj.vxm");
  EXPECT_GT(LargestMove(exit, 0, 5), 0.1f);
  EXPECT_LT(LargestMove(exit, 0, 10), 1e-4f);
  // The teleport is drawn at frames 0..5 and back: it must be symmetric, whole at 0.
  ModelFile teleport = LoadModel("data/kipek teleport.vxm");
  EXPECT_GT(LargestMove(teleport, 0, 5), 0.3f);
  EXPECT_LT(LargestMove(teleport, 3, 7), 1e-4f);
  // Loops played by time wrap from their last frame to frame 0: for every
  // part, that step must be no larger than its ordinary steps.
  for (const char* looping : {"data/menu scena.vxm", "data/end.vxm"}) {
    ModelFile model = LoadModel(looping);
    ASSERT_GT(model.frameCount, 2) << looping;
    EXPECT_GT(LargestMove(model, 0, 1), 0.01f) << looping;
    for (size_t m = 0; m < model.meshes.size(); ++m) {
      float ordinary = 0.0f;
      for (int f = 0; f + 1 < model.frameCount; ++f) ordinary = std::max(ordinary, LargestMove(model.meshes[m], f, f + 1));
      EXPECT_LE(LargestMove(model.meshes[m], model.frameCount - 1, 0), ordinary * 1.5f + 1e-3f) << looping << " mesh " << m;
    }
  }
}

TEST(GameFiles, RobotIsMirrorSymmetricSoItsReflectionIsTrue) {
  // The game draws the robot turned 180 degrees about x below the floor; that
  // is a mirror image only if the robot is symmetric across its y axis.
  ModelFile robot = LoadModel("data/kipek.vxm");
  std::multiset<std::tuple<long, long, long>> points, mirrored;
  for (const ModelMesh& mesh : robot.meshes)
    for (int t = 0; t < mesh.triangleCount; ++t)
      for (int c = 0; c < 3; ++c) {
        ModelVertex v = mesh.Vertex(0, t, c);
        auto key = [](float a) { return std::lround(a * 1000.0f); };
        points.insert({key(v.x), key(v.y), key(v.z)});
        mirrored.insert({key(v.x), key(-v.y), key(v.z)});
      }
  ASSERT_FALSE(points.empty());
  size_t unmatched = 0;
  for (const auto& p : mirrored) unmatched += points.count(p) == 0;
  EXPECT_LT(unmatched, points.size() / 50);  // rounding at the last digit may split a few
}

}  // namespace
