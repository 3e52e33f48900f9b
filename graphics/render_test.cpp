// Frames drawn under SDL_VIDEODRIVER=offscreen and read back as pixels:
// screen images, models lit and layered, animation blending and the order of
// transparent meshes. One hidden window and device serve the whole program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

#include "graphics/image.h"
#include "graphics/model.h"
#include "graphics/model_builder.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "platform/gpu_device.h"
#include "platform/gpu_draw.h"
#include "platform/window.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

bool EnsureDevice() {
  if (GpuHasDevice()) return true;
  WindowConfig config;
  config.width = kWidth;
  config.height = kHeight;
  config.hidden = true;
  return PlatformCreateWindow(config) && CreateRenderDevice(kWidth, kHeight, 32) == 1;
}

struct Pixel {
  int r, g, b;
};

// Tests run as separate processes side by side: each keeps its files apart.
std::string TempPath(const std::string& name) {
  return std::string(::testing::TempDir()) + "render_" + std::to_string(getpid()) + "_" + name;
}

// A square of side 2 x half in the z = height plane facing +z, one material.
MeshSource Square(float centreX, float centreY, float height, float half, int material) {
  MeshSource mesh;
  mesh.material = material;
  auto v = [&](float x, float y, float u, float w) {
    return ModelVertex{centreX + x, centreY + y, height, u, w, 0, 0, 1};
  };
  mesh.frames = {{v(-half, -half, 0, 1), v(half, -half, 1, 1), v(half, half, 1, 0), v(-half, half, 0, 0)}};
  mesh.triangles = {{0, 1, 2}, {0, 2, 3}};
  return mesh;
}

// A model of these meshes in one material with these pictures.
using Pictures = std::vector<std::pair<int, PictureSource>>;
ModelSource OneMaterial(std::vector<MeshSource> meshes, const Pictures& pictures, int32_t frameCount = 1) {
  ModelSource source;
  source.frameCount = frameCount;
  source.materials.resize(1);
  for (const auto& [slot, picture] : pictures) source.materials[0].pictures[slot] = picture;
  source.meshes = std::move(meshes);
  return source;
}

class RenderFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureDevice());
    SetExtraPasses(1);
    // The camera looks down at the z = 0 plane; the play screen's light.
    SetCamera(0, 0, 10, 0, 0, 0, 0, 1, 0, 60);
    SetLight(255, 255, 255, 0, 0, 0, 0, -20, 20);
    RenderFrame(0, 1, 1, 1);
  }

  // Draws the queue without presenting or clearing the colour, then reads it.
  Pixel Draw(int x = kWidth / 2, int y = kHeight / 2) {
    RenderFrame(0, 0, 1, 1);
    return Read(x, y);
  }
  Pixel Read(int x, int y) {
    std::vector<uint8_t> rgba;
    int32_t w = 0, h = 0;
    EXPECT_TRUE(ReadFramePixels(&rgba, &w, &h));
    const uint8_t* p = rgba.data() + (size_t(y) * size_t(w) + size_t(x)) * 4;
    return Pixel{p[0], p[1], p[2]};
  }

  Model& LoadModel(const ModelSource& source, const std::string& name) {
    std::string path = TempPath(name);
    EXPECT_TRUE(SaveModelFile(BuildModelFile(source), path.c_str()));
    models.push_back(std::make_unique<Model>());
    models.back()->Load(path.c_str());
    return *models.back();
  }

  Image& SolidImage(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    std::vector<uint8_t> rgba;
    for (int i = 0; i < 16; ++i) rgba.insert(rgba.end(), {r, g, b, a});
    std::string path = TempPath("image" + std::to_string(images.size()) + ".png");
    EXPECT_TRUE(GpuWritePng(path.c_str(), rgba, 4, 4));
    images.push_back(std::make_unique<Image>());
    images.back()->Load(path.c_str());
    EXPECT_NE(images.back()->Texture(), 0u);
    return *images.back();
  }

  void QueueFull(const Image& image, float opacity, float r = 1, float g = 1, float b = 1) {
    QueueImage(&image, 0, 0, 1, 1, -1, opacity, r, g, b, 1, 0, 0, 0, 1, 5, 6);
  }

  std::vector<std::unique_ptr<Model>> models;
  std::vector<std::unique_ptr<Image>> images;
};

void ExpectPixel(Pixel p, int r, int g, int b, int tolerance = 3) {
  EXPECT_NEAR(p.r, r, tolerance);
  EXPECT_NEAR(p.g, g, tolerance);
  EXPECT_NEAR(p.b, b, tolerance);
}

TEST_F(RenderFrameTest, FullScreenImageCoversEveryCorner) {
  QueueFull(SolidImage(200, 100, 50, 255), 1);
  Draw();
  ExpectPixel(Read(0, 0), 200, 100, 50);
  ExpectPixel(Read(kWidth - 1, kHeight - 1), 200, 100, 50);
  ExpectPixel(Read(kWidth / 2, kHeight / 2), 200, 100, 50);
}

TEST_F(RenderFrameTest, ImageColourAndOpacityClamping) {
  Image& white = SolidImage(255, 255, 255, 255);
  QueueFull(white, 2, 0, 1, 0);  // opacity 2 draws as 1
  ExpectPixel(Draw(), 0, 255, 0);
  QueueFull(white, -1, 1, 0, 0);  // opacity -1: invisible
  ExpectPixel(Draw(), 0, 255, 0);
  QueueFull(white, 0.5f, 0, 0, 1);
  ExpectPixel(Draw(), 0, 128, 128);
}

TEST_F(RenderFrameTest, LaterImagesCoverEarlierOnesAndImagesCoverModels) {
  Model& square =
      LoadModel(OneMaterial({Square(0, 0, 0, 3, 0)}, {{kSlotBase, MakeSolidPicture(2, 2, 0, 0, 255)}}), "blue square.vxm");
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  ExpectPixel(Draw(), 0, 0, 255);
  Image& white = SolidImage(255, 255, 255, 255);
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  QueueImage(&white, 0.4f, 0.4f, 0.2f, 0.2f, -1, 1, 1, 0, 0, 1, 0, 0, 0, 1, 5, 6);
  QueueImage(&white, 0.45f, 0.45f, 0.1f, 0.1f, -1, 1, 0, 1, 0, 1, 0, 0, 0, 1, 5, 6);
  Draw();
  ExpectPixel(Read(kWidth / 2, kHeight / 2), 0, 255, 0);
  ExpectPixel(Read(kWidth * 42 / 100, kHeight / 2), 255, 0, 0);
  ExpectPixel(Read(kWidth * 35 / 100, kHeight / 2), 0, 0, 255);
  ExpectPixel(Read(kWidth / 10, kHeight / 2), 0, 0, 0);
}

TEST_F(RenderFrameTest, LitTexturedQuadTakesTheLightsAmbientShare) {
  Model& square =
      LoadModel(OneMaterial({Square(0, 0, 0, 2, 0)}, {{kSlotBase, MakeSolidPicture(4, 4, 200, 100, 50)}}), "lit square.vxm");
  // The play screen's light saturates: the texture's own colour.
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  ExpectPixel(Draw(), 200, 100, 50);
  // Ambient 0.5 x 22 / (0.1 + 0.5 x 43.8) = 0.5 at the square: half the texture.
  SetLight(0.5f, 0.5f, 0.5f, 0, 0, 0, 0, 0, 43.8f);
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  ExpectPixel(Draw(), 100, 50, 25, 4);
  // A diffuse light straight above adds 22 x d x N.L x attenuation.
  SetLight(0, 0, 0, 0.25f, 0.25f, 0.25f, 0, 0, 43.8f);
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  ExpectPixel(Draw(), 50, 25, 12, 4);
}

TEST_F(RenderFrameTest, BackFacesAreCulledAndInstancesTurn) {
  Model& square = LoadModel(OneMaterial({Square(2, 0, 0, 1, 0)}, {{kSlotBase, MakeSolidPicture(2, 2, 255, 255, 0)}}),
                            "turned square.vxm");
  QueueModel(&square, 0, 0, 0, 180, 0, 0, 0);  // turned over: its back faces the camera
  ExpectPixel(Draw(kWidth / 2 + 30, kHeight / 2), 0, 0, 0);
  QueueModel(&square, 0, 0, 0, 0, 0, 180, 0);  // turned about z: now left of the centre
  Draw();
  ExpectPixel(Read(kWidth / 2 - 30, kHeight / 2), 255, 255, 0);
  ExpectPixel(Read(kWidth / 2 + 30, kHeight / 2), 0, 0, 0);
}

TEST_F(RenderFrameTest, EachLayerAddsOrReplacesAsItsSlotSays) {
  struct Case {
    const char* name;
    Pictures pictures;
    Pixel expected;
  };
  const std::vector<Case> cases = {
      // A reflection alone replaces what lies below.
      {"reflection", {{kSlotReflection, MakeSolidPicture(2, 2, 0, 0, 200)}}, {0, 0, 200}},
      // An unlit sphere map adds to the base.
      {"sphere glow", {{kSlotBase, MakeSolidPicture(2, 2, 50, 50, 50)}, {kSlotSphereGlow, MakeSolidPicture(2, 2, 0, 100, 0)}},
       {50, 150, 50}},
      // With a slot 5 picture the base loses its ambient light; slot 5 takes it.
      {"ambient layer", {{kSlotBase, MakeSolidPicture(2, 2, 200, 0, 0)}, {kSlotLit, MakeSolidPicture(2, 2, 0, 80, 0)}},
       {0, 80, 0}},
      // The play light's specular term is far past white: the highlight saturates.
      {"specular", {{kSlotBase, MakeSolidPicture(2, 2, 0, 0, 0)}, {kSlotSpecular, MakeSolidPicture(2, 2, 255, 255, 255)}},
       {255, 255, 255}},
  };
  for (const Case& c : cases) {
    Model& model = LoadModel(OneMaterial({Square(0, 0, 0, 3, 0)}, c.pictures), std::string(c.name) + ".vxm");
    ASSERT_FALSE(model.IsTransparent()) << c.name;
    RenderFrame(0, 1, 1, 1);
    QueueModel(&model, 0, 0, 0, 0, 0, 0, 0);
    Pixel p = Draw();
    EXPECT_NEAR(p.r, c.expected.r, 3) << c.name;
    EXPECT_NEAR(p.g, c.expected.g, 3) << c.name;
    EXPECT_NEAR(p.b, c.expected.b, 3) << c.name;
  }
}

TEST_F(RenderFrameTest, ExtraPassesOffDrawsTheBaseLayerOnly) {
  Model& square = LoadModel(OneMaterial({Square(0, 0, 0, 3, 0)}, {{kSlotBase, MakeSolidPicture(2, 2, 0, 100, 0)},
                                                                  {kSlotGlow, MakeSolidPicture(2, 2, 150, 0, 0)}}),
                            "glowing square.vxm");
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  ExpectPixel(Draw(), 150, 100, 0);
  SetExtraPasses(0);
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  RenderFrame(0, 1, 1, 1);
  QueueModel(&square, 0, 0, 0, 0, 0, 0, 0);
  ExpectPixel(Draw(), 0, 100, 0);
}

TEST_F(RenderFrameTest, StackedLayeredModelsShowTheNearestWhateverTheQueueOrder) {
  // Two instances of one model with an added layer, another model between
  // them in depth: each pixel shows the nearest surface with all its layers.
  Model& a = LoadModel(OneMaterial({Square(0, 0, 0, 1, 0)}, {{kSlotBase, MakeSolidPicture(2, 2, 100, 100, 100)},
                                                              {kSlotGlow, MakeSolidPicture(2, 2, 100, 0, 0)}}),
                        "grey tile.vxm");
  Model& b = LoadModel(OneMaterial({Square(0, 0, 0, 1, 0)}, {{kSlotBase, MakeSolidPicture(2, 2, 0, 0, 100)},
                                                              {kSlotGlow, MakeSolidPicture(2, 2, 0, 100, 0)}}),
                        "blue tile.vxm");
  const int step = 9;  // pixels per scene unit at this camera, near enough
  for (bool nearFirst : {false, true}) {
    RenderFrame(0, 1, 1, 1);
    if (nearFirst) QueueModel(&a, 1.0f, 0, 2, 0, 0, 0, 0);
    QueueModel(&a, -1.0f, 0, 0, 0, 0, 0, 0);
    QueueModel(&b, 0, 0, 1, 0, 0, 0, 0);
    if (!nearFirst) QueueModel(&a, 1.0f, 0, 2, 0, 0, 0, 0);
    RenderFrame(0, 0, 1, 1);
    ExpectPixel(Read(kWidth / 2 - step * 3 / 2, kHeight / 2), 200, 100, 100);  // far grey alone
    ExpectPixel(Read(kWidth / 2 - step / 2, kHeight / 2), 0, 100, 100);       // blue over far grey
    ExpectPixel(Read(kWidth / 2 + step, kHeight / 2), 200, 100, 100);          // near grey over blue
  }
}

TEST_F(RenderFrameTest, TransparentMeshesAreDrawnFarToNearFromTheStoredEye) {
  // Half-clear red and green squares, the green nearer the camera above but
  // queued first, over a wholly clear square that must leave no trace.
  ModelSource source;
  source.materials.resize(3);
  std::vector<uint8_t> red, green, clear;
  for (int i = 0; i < 4; ++i) {
    red.insert(red.end(), {255, 0, 0, 128});
    green.insert(green.end(), {0, 255, 0, 128});
    clear.insert(clear.end(), {255, 255, 255, 0});
  }
  SetBasePicture(source.materials[0], 2, 2, red);
  SetBasePicture(source.materials[1], 2, 2, green);
  SetBasePicture(source.materials[2], 2, 2, clear);
  source.meshes = {Square(0, 0, 1, 2, 1), Square(0, 0, 0, 2, 0), Square(0, 0, -1, 3, 2)};
  Model& glass = LoadModel(source, "glass pair.vxm");
  ASSERT_TRUE(glass.IsTransparent());
  QueueModel(&glass, 0, 0, 0, 0, 0, 0, 0);
  // Red first at half over black, then green at half over that.
  ExpectPixel(Draw(), 64, 128, 0, 4);
  // A camera stored in the overlay form (negative field of view) still has an
  // eye: the sort must not keep measuring from an earlier frame's camera.
  SetCamera(0, 0, -10, 0, 0, 0, 0, 1, 0, 60);  // from below: red would be the nearer
  RenderFrame(0, 1, 1, 1);
  SetCamera(0, 0, 10, 0, 0, 0, 0, 1, 0, -60);  // from above: green is the nearer
  QueueModel(&glass, 0, 0, 0, 0, 180, 0, 0);   // turned to face this mirrored view
  ExpectPixel(Draw(), 64, 128, 0, 4);
}

TEST_F(RenderFrameTest, AnimatedMeshesBlendNeighbouringFramesOnTheGpu) {
  MeshSource moving = Square(-3, 0, 0, 1, 0);
  moving.frames.push_back(Square(3, 0, 0, 1, 0).frames[0]);
  Model& slider = LoadModel(OneMaterial({moving}, {{kSlotBase, MakeSolidPicture(2, 2, 255, 255, 255)}}, 2), "slider.vxm");
  const int left = kWidth / 2 - 30, right = kWidth / 2 + 30, centre = kWidth / 2;
  struct Case {
    float time;
    int litX;
  };
  for (Case c : {Case{0.5f, centre}, Case{1.0f, right}, Case{1.5f, centre}, Case{-2.0f, left}, Case{2.0f, left}}) {
    QueueModel(&slider, 0, 0, 0, 0, 0, 0, c.time);
    RenderFrame(0, 0, 1, 1);
    for (int x : {left, centre, right}) {
      EXPECT_EQ(Read(x, kHeight / 2).r, x == c.litX ? 255 : 0) << "time " << c.time << " x " << x;
    }
    RenderFrame(0, 1, 1, 1);
  }
}

// A picture with detail in every channel, so that rounding shows.
PictureSource Pattern(int size, int salt) {
  PictureSource p{size, size, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      p.rgb.insert(p.rgb.end(), {uint8_t((x * 37 + salt * 50) % 256), uint8_t((y * 23 + x * 5 + salt * 90) % 256),
                                 uint8_t((x * y * 3 + salt * 20) % 256)});
    }
  }
  return p;
}

TEST_F(RenderFrameTest, LayersDrawnInOnePassMatchTheLayersDrawnOneByOne) {
  // Every layer slot the engine draws, in the stacks the game's models use
  // (base with specular, sphere glow and glow; the see-through floor; glow
  // alone) and in the ones it allows (reflection under a base, the ambient
  // layer, the lit sphere map, the ambient layer alone), turned so that the
  // light, the highlight and the generated coordinates vary over the squares.
  const std::vector<std::vector<int>> stacks = {
      {kSlotBase, kSlotSpecular, kSlotSphereGlow, kSlotGlow},
      {kSlotBase, kSlotOpacity, kSlotSpecular},
      {kSlotGlow},
      {kSlotReflection, kSlotBase, kSlotLit, kSlotSphereLit},
      {kSlotLit, kSlotSpecular},
  };
  ModelSource source;
  for (size_t m = 0; m < stacks.size(); ++m) {
    MaterialSource material;
    for (int slot : stacks[m]) {
      if (slot == kSlotOpacity) continue;
      material.pictures[slot] = Pattern(8, slot + int(m));
    }
    if (std::find(stacks[m].begin(), stacks[m].end(), kSlotOpacity) != stacks[m].end()) {
      std::vector<uint8_t> rgba;
      const PictureSource& base = material.pictures[kSlotBase];
      for (size_t i = 0; i < base.rgb.size(); i += 3) {
        rgba.insert(rgba.end(), {base.rgb[i], base.rgb[i + 1], base.rgb[i + 2], uint8_t(40 + (i * 7) % 200)});
      }
      SetBasePicture(material, 8, 8, rgba);
    }
    material.glossiness = 0.6f;
    source.materials.push_back(material);
    source.meshes.push_back(Square(-4.0f + 2.0f * float(m), 0, 0.2f * float(m), 1.6f, int(m)));
  }
  Model& stacked = LoadModel(source, "every stack.vxm");
  SetSettledScene(false);  // each frame drawn whole, the way it is asked for
  auto frame = [&](bool fold) {
    GpuSetLayerFolding(fold);
    RenderFrame(0, 1, 1, 1);
    SetCamera(0, -7, 8, 0, 0, 0, 0, 0, 1, 60);
    SetLight(0.3f, 0.3f, 0.3f, 0.2f, 0.2f, 0.2f, 2, -6, 9);
    // Overlapping and turned copies: see-through squares over each other and over opaque ones.
    QueueModel(&stacked, 0, 0, 0, 0, 0, 0, 0);
    QueueModel(&stacked, 0.8f, 1.0f, 0.5f, 25, 0, 10, 0);
    QueueModel(&stacked, -0.6f, -1.2f, 1.0f, -20, 15, -30, 0);
    RenderFrame(0, 0, 1, 1);
    std::vector<uint8_t> rgba;
    int32_t w = 0, h = 0;
    EXPECT_TRUE(ReadFramePixels(&rgba, &w, &h));
    RenderFrame(1, 1, 1, 1);  // shown: the cost of both passes is counted
    return std::make_pair(rgba, LastFrameCost());
  };
  const auto [oneByOne, layeredCost] = frame(false);
  const auto [folded, foldedCost] = frame(true);
  ASSERT_EQ(oneByOne.size(), folded.size());
  size_t far = 0, lit = 0;
  for (size_t i = 0; i < folded.size(); i += 4) {
    int worst = 0;
    for (size_t c = 0; c < 3; ++c) worst = std::max(worst, std::abs(int(folded[i + c]) - int(oneByOne[i + c])));
    if (worst > 2) ++far;
    if (oneByOne[i] + oneByOne[i + 1] + oneByOne[i + 2] > 0) ++lit;
  }
  EXPECT_GT(lit, folded.size() / 4 / 4);  // the squares cover a good part of the picture
  EXPECT_LE(far, folded.size() / 4 / 1000) << "pixels more than 2 apart";
  EXPECT_LT(foldedCost.drawCalls, layeredCost.drawCalls);
  // All the frame's instance data goes to the GPU in one write: a buffer
  // rewritten while the frame still reads it stalls the renderer.
  EXPECT_EQ(foldedCost.bufferUploads, 1);
  SetSettledScene(true);
}

TEST_F(RenderFrameTest, PicturesWithClearPartsLookTheSameDrawnWithoutThem) {
  // A frame picture: a ragged opaque border, a lone dot and a faint patch
  // in its clear middle. Drawn over blue, once as it is (its clear cells
  // skipped) and once scaled by a hair (drawn whole): the same picture.
  const int w = 40, h = 30;
  std::vector<uint8_t> rgba;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool border = x < 2 + (y % 3) || y < 2 || x >= w - 2 || y >= h - 3;
      const bool dot = x == 17 && y == 11;
      const bool faint = x >= 25 && x < 29 && y >= 20 && y < 22;
      rgba.insert(rgba.end(), {uint8_t(border ? 250 : 30), uint8_t(dot ? 240 : 20), uint8_t(x * 6),
                               uint8_t(border || dot ? 255 : faint ? 3 : 0)});
    }
  }
  std::string path = TempPath("frame picture.png");
  ASSERT_TRUE(GpuWritePng(path.c_str(), rgba, w, h));
  images.push_back(std::make_unique<Image>());
  Image& frame = *images.back();
  frame.Load(path.c_str());
  Image& blue = SolidImage(0, 0, 200, 255);
  std::vector<uint8_t> pictures[2];
  for (int whole = 0; whole < 2; ++whole) {
    RenderFrame(0, 1, 1, 1);
    QueueFull(blue, 1);
    QueueImage(&frame, 0, 0, 1, 1, -1, 1, 1, 1, 1, 1, 0, 0.5f, 0.5f, whole == 1 ? 1.00001f : 1.0f, 5, 6);
    RenderFrame(0, 0, 1, 1);
    int32_t rw = 0, rh = 0;
    ASSERT_TRUE(ReadFramePixels(&pictures[whole], &rw, &rh));
  }
  int differing = 0;
  for (size_t i = 0; i < pictures[0].size(); ++i) differing += std::abs(pictures[0][i] - pictures[1][i]) > 1;
  EXPECT_LE(differing, 2);
  ExpectPixel(Read(kWidth / 2, kHeight / 2), 0, 0, 200, 1);  // the clear middle leaves the blue as it was
  ExpectPixel(Read(2, kHeight / 2), 250, 20, 12, 40);          // the border shows
}

TEST_F(RenderFrameTest, TextFromOneSheetLooksLikeTextFromSeparatePicturesInOneDraw) {
  // Letter-like pictures: clear round a faint outline and a solid mark that
  // differs per letter. Two copies of each: one copy put on a sheet.
  const int kLetters = 5, kSide = 16;
  std::vector<std::unique_ptr<Image[]>> sets;
  for (int set = 0; set < 2; ++set) {
    sets.push_back(std::make_unique<Image[]>(kLetters));
    for (int l = 0; l < kLetters; ++l) {
      std::vector<uint8_t> rgba;
      for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
          const bool mark = x >= 3 + l && x < 12 && y >= 3 && y < 13 - l;
          const bool outline = x >= 2 && x < 14 && y >= 2 && y < 14;
          rgba.insert(rgba.end(), {uint8_t(mark ? 250 : 0), uint8_t(40 * l), uint8_t(255 - x * 9),
                                   uint8_t(mark ? 255 : outline ? 90 : 0)});
        }
      }
      std::string path = TempPath("letter" + std::to_string(set) + std::to_string(l) + ".png");
      ASSERT_TRUE(GpuWritePng(path.c_str(), rgba, kSide, kSide));
      sets.back()[l].Load(path.c_str());
    }
  }
  ASSERT_TRUE(PackImageSheet(sets[1].get(), kLetters));
  Image& grey = SolidImage(90, 110, 130, 255);
  std::vector<uint8_t> pictures[2];
  FrameCost costs[2];
  for (int set = 0; set < 2; ++set) {
    RenderFrame(0, 1, 1, 1);
    GpuTakeFrameCounts();  // count this frame's drawing alone
    QueueFull(grey, 1);
    // A line shrunk about three times, one enlarged about two times, a letter twice in a row.
    const int line[] = {0, 1, 2, 3, 4, 4, 2};
    for (int i = 0; i < 7; ++i) {
      const Image* letter = &sets[size_t(set)][line[i]];
      QueueImage(letter, 0.05f + 0.04f * float(i), 0.1f, 0.034f, 0.045f, 0, 1, 1, 0.9f, 0.8f, 1, 0, 0, 0, 1, 5, 6);
      QueueImage(letter, 0.05f + 0.13f * float(i), 0.5f, 0.2f, 0.26f, 0, 1, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
    }
    RenderFrame(0, 0, 1, 1);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(ReadFramePixels(&pictures[set], &w, &h));
    RenderFrame(1, 1, 1, 1);
    costs[set] = LastFrameCost();
  }
  size_t far = 0, inked = 0;
  for (size_t i = 0; i < pictures[0].size(); i += 4) {
    int worst = 0;
    for (size_t c = 0; c < 3; ++c) worst = std::max(worst, std::abs(int(pictures[0][i + c]) - int(pictures[1][i + c])));
    if (worst > 2) ++far;
    if (pictures[0][i] > 150) ++inked;
  }
  EXPECT_GT(inked, size_t(kWidth * kHeight / 20));  // the letters show
  EXPECT_LE(far, pictures[0].size() / 4 / 1000) << "pixels more than 2 apart";
  EXPECT_EQ(costs[1].drawCalls, 2);  // the backdrop and every letter
  EXPECT_GT(costs[0].drawCalls, 5);
  EXPECT_EQ(costs[0].bufferUploads, 1);  // however many textures, the vertices go in one write
}

TEST(ImageSheet, PicturesOfDifferentSizesOrUnreadableKeepTheirOwnTextures) {
  ASSERT_TRUE(EnsureDevice());
  std::vector<uint8_t> square(8 * 8 * 4, 200), wide(16 * 8 * 4, 100);
  const std::string a = TempPath("sheet a.png"), b = TempPath("sheet b.png");
  ASSERT_TRUE(GpuWritePng(a.c_str(), square, 8, 8));
  ASSERT_TRUE(GpuWritePng(b.c_str(), wide, 16, 8));
  Image mixed[2];
  mixed[0].Load(a.c_str());
  mixed[1].Load(b.c_str());
  EXPECT_FALSE(PackImageSheet(mixed, 2));
  Image missing[2];
  missing[0].Load(a.c_str());
  missing[1].Load(TempPath("no such picture.png").c_str());
  EXPECT_FALSE(PackImageSheet(missing, 2));
  for (const Image* image : {&mixed[0], &mixed[1], &missing[0]}) {
    EXPECT_NE(image->Texture(), 0u);
    EXPECT_EQ(image->Area().u1, 1.0f);
  }
  EXPECT_NE(mixed[0].Texture(), mixed[1].Texture());
}

}  // namespace

TEST_F(RenderFrameTest, SavedShotIsOpaqueWhateverTheBlendedAlpha) {
  // Half a white image over black leaves mid grey with a partial alpha behind it.
  QueueFull(SolidImage(255, 255, 255, 255), 0.5f);
  ExpectPixel(Draw(), 128, 128, 128);
  std::string shot = TempPath("shot.png");
  ASSERT_TRUE(SaveFramePng(shot.c_str()));
  // Drawn back at full opacity, the shot must show the same grey, not a dimmer one.
  RenderFrame(0, 1, 1, 1);
  images.push_back(std::make_unique<Image>());
  images.back()->Load(shot.c_str());
  QueueFull(*images.back(), 1);
  ExpectPixel(Draw(), 128, 128, 128);
}

TEST_F(RenderFrameTest, ADamagedPictureFileIsReportedByNameOnOneLine) {
  std::string path = TempPath("damaged picture.png");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite("\x89PNG\r\n\x1a\n0000IHDR", 1, 16, file);
  std::fclose(file);
  Image image;
  ::testing::internal::CaptureStdout();
  image.Load(path.c_str());
  EXPECT_EQ(image.Texture(), 0u);
  EXPECT_EQ(image.Texture(), 0u);  // said once, not at every draw
  std::string printed = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(printed.find(path), std::string::npos) << printed;
  EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
}

namespace {
std::vector<std::vector<uint8_t>> shownFrames;
void KeepShownFrame() {
  std::vector<uint8_t> rgba;
  int32_t w = 0, h = 0;
  ReadFramePixels(&rgba, &w, &h);
  shownFrames.push_back(rgba);
}
}  // namespace

// A row of tiles that stays put while a robot crosses it (under a post) and
// stops, its antenna swinging all along, then a tile is taken away and the
// camera moves: the frames drawn through the settled picture are the frames
// drawn afresh, pixel for pixel, and once settled only the antenna costs a draw.
TEST_F(RenderFrameTest, FramesThroughTheSettledPictureEqualFramesDrawnAfresh) {
  Model& tile = LoadModel(OneMaterial({Square(0, 0, 0, 0.45f, 0)}, {{kSlotBase, MakeSolidPicture(2, 2, 90, 160, 220)}}),
                          "settled tile.vxm");
  MeshSource antenna = Square(0.9f, 0, 0.7f, 0.15f, 0);
  antenna.frames.push_back(Square(0.9f, 0.4f, 0.7f, 0.15f, 0).frames[0]);
  Model& robot = LoadModel(OneMaterial({Square(0, 0, 0.5f, 0.6f, 0), antenna},
                                       {{kSlotBase, MakeSolidPicture(2, 2, 240, 200, 40)}}, 2),
                           "settled robot.vxm");

  std::vector<int32_t> draws;
  auto run = [&](bool settled) {
    SetSettledScene(settled);
    shownFrames.clear();
    draws.clear();
    SetFrameShownHook(KeepShownFrame);
    RenderFrame(1, 1, 1, 1);  // every frame below starts from a full clear
    shownFrames.clear();
    for (int frame = 0; frame < 9; ++frame) {
      SetCamera(frame < 8 ? 0.0f : 0.5f, 0, 10, 0, 0, 0, 0, 1, 0, 60);
      for (int i = 0; i < 9; ++i) {
        if (frame < 7 || i != 5) QueueModel(&tile, float(i - 4), 0, 0, 0, 0, 0, 0);
      }
      QueueModel(&tile, -1, 0.2f, 1, 0, 0, 0, 0);  // a post the robot passes under
      QueueModel(&robot, -3.0f + 0.7f * float(std::min(frame, 4)), 0.2f, 0, 0, 0, 0, 0.3f * float(frame));
      RenderFrame(1, 1, 1, 1);
      draws.push_back(LastFrameCost().drawCalls);
    }
    SetFrameShownHook(nullptr);
    return shownFrames;
  };
  const std::vector<std::vector<uint8_t>> afresh = run(false);
  const std::vector<int32_t> afreshDraws = draws;
  const std::vector<std::vector<uint8_t>> settled = run(true);
  SetSettledScene(true);
  ASSERT_EQ(afresh.size(), settled.size());
  for (size_t f = 0; f < afresh.size(); ++f) EXPECT_TRUE(afresh[f] == settled[f]) << "shown frame " << f;
  EXPECT_NE(afresh[2], afresh[3]) << "the robot moves";
  EXPECT_NE(afresh[5], afresh[6]) << "the antenna swings";
  EXPECT_NE(afresh[6], afresh[7]) << "a tile goes";
  // Frame 3: the robot moving over tiles copied in; frame 6: its body stood
  // still and joined them.
  EXPECT_LT(draws[3], afreshDraws[3]);
  EXPECT_EQ(draws[6], 1);
}
