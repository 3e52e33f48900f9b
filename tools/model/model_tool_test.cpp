// rivet-model: the render command line, the framing camera, and the built
// program run on a model file made by the writer: its info line counts one
// frame's triangles and every stored picture.
#include "tools/model/model_tool.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "graphics/model_builder.h"

namespace {

ModelSource TwoMeshes() {
  ModelSource source;
  source.frameCount = 4;
  source.materials.resize(2);
  source.materials[0].pictures[kSlotBase] = MakeSolidPicture(2, 2, 255, 128, 0);
  source.materials[0].pictures[kSlotGlow] = MakeSolidPicture(2, 2, 0, 0, 40);
  source.materials[1].pictures[kSlotSphereGlow] = MakeSolidPicture(1, 1, 1, 1, 1);
  MeshSource box;
  box.frames = {{{-1, 2, -1, 0, 1, 0, -1, 0}, {1, 2, -1, 1, 1, 0, -1, 0}, {1, 2, 3, 1, 0, 0, -1, 0},
                 {-1, 2, 3, 0, 0, 0, -1, 0}}};
  box.triangles = {{0, 1, 2}, {0, 2, 3}};
  MeshSource single = box;
  single.material = 1;
  single.triangles = {{0, 2, 1}};
  source.meshes = {box, single};
  source.lights = {{LightSource{}}};
  source.cameras = {{CameraSource{}}, {CameraSource{}}};
  return source;
}

bool Parse(std::initializer_list<const char*> args, RenderOptions* options, std::string* error) {
  std::vector<const char*> argv(args);
  return ParseRenderOptions(int(argv.size()), argv.data(), options, error);
}

TEST(RenderCommandLine, ReadsEveryOptionAndRefusesBadValues) {
  RenderOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"a.vxm", "--time", "2.5", "out.png", "--width", "320", "--height", "240", "--eye", "1,2,3",
                     "--at", "0,0,0.5", "--up", "0,1,0", "--fov", "30"},
                    &o, &error))
      << error;
  EXPECT_EQ(o.modelPath, "a.vxm");
  EXPECT_EQ(o.outputPath, "out.png");
  EXPECT_EQ(o.time, 2.5f);
  EXPECT_EQ(o.width, 320);
  EXPECT_EQ(o.height, 240);
  EXPECT_TRUE(o.hasEye && o.hasAt && o.hasUp);
  EXPECT_EQ(o.eye, glm::vec3(1, 2, 3));
  EXPECT_EQ(o.at.z, 0.5f);
  EXPECT_EQ(o.fovDegrees, 30);
  // Bad values and missing paths are refused with a reason.
  for (auto args : std::vector<std::vector<const char*>>{{"a.vxm"},
                                                          {"a.vxm", "b.png", "--width"},
                                                          {"a.vxm", "b.png", "--width", "0"},
                                                          {"a.vxm", "b.png", "--height", "12.5"},
                                                          {"a.vxm", "b.png", "--eye", "1,2"},
                                                          {"a.vxm", "b.png", "--at", "1,2,3,4"},
                                                          {"a.vxm", "b.png", "--fov", "nan"},
                                                          {"a.vxm", "b.png", "--colour", "red"},
                                                          {"a.vxm", "b.png", "c.png"}}) {
    RenderOptions refused;
    error.clear();
    EXPECT_FALSE(ParseRenderOptions(int(args.size()), args.data(), &refused, &error)) << args.back();
    EXPECT_FALSE(error.empty());
  }
}

TEST(FramingCamera, LooksAtTheBoundsFromTheFrontWithZUp) {
  RenderOptions o;
  ModelFile model = BuildModelFile(TwoMeshes());
  FrameModel(model, &o);
  EXPECT_EQ(o.at, glm::vec3(0, 2, 1));
  EXPECT_EQ(o.up, glm::vec3(0, 0, 1));
  EXPECT_EQ(o.eye.x, 0);
  EXPECT_LT(o.eye.y, 2 - 5);  // radius sqrt(5), back by more than that
  RenderOptions given;
  given.hasEye = true;
  given.eye = glm::vec3(9, 9, 9);
  FrameModel(ModelFile(), &given);
  EXPECT_EQ(given.eye, glm::vec3(9, 9, 9));
}

int RunCommand(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ModelProgram, InfoAndRenderWorkOnAWrittenModel) {
  std::string tool = RR_MODEL_TOOL;
  std::string dir = ::testing::TempDir();
  std::string model = dir + "tool sample.vxm";
  ASSERT_TRUE(SaveModelFile(BuildModelFile(TwoMeshes()), model.c_str()));
  std::string out = dir + "tool info.txt";
  EXPECT_EQ(RunCommand("'" + tool + "' info '" + model + "' > '" + out + "'"), 0);
  std::FILE* file = std::fopen(out.c_str(), "r");
  ASSERT_NE(file, nullptr);
  char line[200] = {};
  ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
  std::fclose(file);
  EXPECT_STREQ(line, "frames 4 lights 1 cameras 2 meshes 2 materials 2 triangles 3 pictures 3\n");
  EXPECT_EQ(RunCommand("'" + tool + "' info '" + dir + "missing.vxm' 2>/dev/null"), 2);
  std::string png = dir + "tool render.png";
  std::remove(png.c_str());
  EXPECT_EQ(RunCommand("SDL_VIDEODRIVER=offscreen '" + tool + "' render '" + model + "' '" + png + "' --width 96 --height 72 --time 1.5"), 0);
  file = std::fopen(png.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char header[24] = {};
  EXPECT_EQ(std::fread(header, 1, sizeof header, file), sizeof header);
  std::fclose(file);
  EXPECT_EQ(header[1], 'P');
  EXPECT_EQ(header[19], 96);  // the size asked for
  EXPECT_EQ(header[23], 72);
  EXPECT_EQ(RunCommand("SDL_VIDEODRIVER=offscreen '" + tool + "' render '" + dir + "missing.vxm' '" + png + "' 2>/dev/null"), 2);
}

}  // namespace
