// Rules of the engine that need no GPU: material transparency, animation
// frame choice, image corners and colours, the cameras, the depth-sort keys
// and order, and the queue's limits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "graphics/camera_light.h"
#include "graphics/image.h"
#include "graphics/image_drawing.h"
#include "graphics/menu_helpers.h"
#include "graphics/mesh_drawing.h"
#include "graphics/model.h"
#include "graphics/opaque_batch.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "graphics/transparent_sort.h"

namespace {

ModelMaterial WithPictures(std::initializer_list<int> slots) {
  ModelMaterial m;
  for (int s : slots) m.hasPicture[s] = true;
  return m;
}

TEST(MaterialTransparency, FollowsOpacityBaseLitAndReflectionSlotsEvenWhenOpacityMisfits) {
  EXPECT_FALSE(IsMaterialTransparent(WithPictures({kSlotBase})));
  EXPECT_FALSE(IsMaterialTransparent(WithPictures({kSlotLit})));
  EXPECT_TRUE(IsMaterialTransparent(WithPictures({kSlotBase, kSlotOpacity})));
  EXPECT_TRUE(IsMaterialTransparent(WithPictures({kSlotGlow})));  // neither base nor slot 5
  EXPECT_TRUE(IsMaterialTransparent(WithPictures({})));
  EXPECT_FALSE(IsMaterialTransparent(WithPictures({kSlotGlow, kSlotReflection})));
  EXPECT_FALSE(IsMaterialTransparent(WithPictures({kSlotBase, kSlotOpacity, kSlotReflection})));
  // An opacity picture of another size is ignored, but the set still draws as transparent.
  ModelMaterial m = WithPictures({kSlotBase, kSlotOpacity});
  m.pictures[kSlotBase].record[8] = 4;   // width 4
  m.pictures[kSlotOpacity].record[8] = 2;  // width 2
  MaterialTextureSet set = BuildMaterialTextureSet(m);  // no device: no textures, but the rules hold
  EXPECT_EQ(set.transparent, 1);
  EXPECT_EQ(set.baseTexture, 0u);
}

TEST(AnimationFrames, BlendNeighboursWrapAndFallBackToFrameZero) {
  // Negative or broken times, and still meshes, draw frame 0.
  const struct {
    float time;
    int frames, a, b;
    float weight;
  } cases[] = {{2.5f, 4, 2, 3, 0.5f},  {3.5f, 4, 3, 0, 0.5f}, {9.25f, 4, 1, 2, 0.25f}, {-0.5f, 4, 0, 0, 0},
               {-3.0f, 4, 0, 0, 0},    {NAN, 4, 0, 0, 0},     {INFINITY, 4, 0, 0, 0},  {7.5f, 1, 0, 0, 0}};
  for (const auto& c : cases) {
    const FrameBlend b = ChooseAnimationFrames(c.time, c.frames);
    EXPECT_EQ(b.frameA, c.a) << c.time;
    EXPECT_EQ(b.frameB, c.b) << c.time;
    EXPECT_FLOAT_EQ(b.weight, c.weight) << c.time;
  }
  FrameBlend huge = ChooseAnimationFrames(3e9f, 7);
  EXPECT_GE(huge.frameA, 0);
  EXPECT_LT(huge.frameA, 7);
}

ImageDrawItem Item(float x, float y, float w, float h) {
  return ImageDrawItem{nullptr, x, y, w, h, -1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6};
}

TEST(ModelInstanceTransform, TurnsAboutXThenYThenZThenMoves) {
  auto Apply = [](const glm::mat4& m, glm::vec3 p) { return glm::vec3(m * glm::vec4(p, 1)); };
  auto Near = [](glm::vec3 a, glm::vec3 b) { return glm::length(a - b) < 1e-5f; };
  // x first: (0, 1, 0) turns up to (0, 0, 1), which a turn about z leaves alone.
  EXPECT_TRUE(Near(Apply(InstanceMatrix(0, 0, 0, 90, 0, 90), glm::vec3(0, 1, 0)), glm::vec3(0, 0, 1)));
  // y before z: (0, 0, 1) goes to (1, 0, 0), then to (0, 1, 0).
  EXPECT_TRUE(Near(Apply(InstanceMatrix(0, 0, 0, 0, 90, 90), glm::vec3(0, 0, 1)), glm::vec3(0, 1, 0)));
  // The move comes last, unturned.
  EXPECT_TRUE(Near(Apply(InstanceMatrix(5, 6, 7, 0, 0, 90), glm::vec3(1, 0, 0)), glm::vec3(5, 7, 7)));
}

TEST(ImageCorners, TurnAndScaleAboutThePivotAndStayPutWithoutEither) {
  ImageDrawItem item = Item(0.1f, 0.2f, 0.3f, 0.4f);
  item.pivotX = 0.7f;
  item.pivotY = 0.9f;
  auto c = ImageCorners(item);
  EXPECT_FLOAT_EQ(c[0].x, 0.1f);
  EXPECT_FLOAT_EQ(c[3].x, 0.4f);
  EXPECT_FLOAT_EQ(c[3].y, 0.6f);
  item = Item(0.5f, 0.5f, 0.2f, 0.1f);
  item.pivotX = 0.5f;
  item.pivotY = 0.5f;
  item.scale = 2;
  auto scaled = ImageCorners(item);
  EXPECT_FLOAT_EQ(scaled[3].x, 0.9f);
  EXPECT_FLOAT_EQ(scaled[3].y, 0.7f);
  item.scale = 1;
  item.angle = 3.1415927f / 2;
  auto turned = ImageCorners(item);  // (dx, dy) = (0.2, 0) goes to (0, -0.2)
  EXPECT_NEAR(turned[1].x, 0.5f, 1e-6);
  EXPECT_NEAR(turned[1].y, 0.3f, 1e-6);
}

// Opacity past 0..1 is drawn clamped (the drawing tests see it); here the
// bytes a broken value or a fading image gives.
TEST(ImageColour, OpacityIsClampedAndScalesTheAlphaByteThenTruncates) {
  ImageDrawItem item = Item(0, 0, 1, 1);
  item.a = 0.5f;
  item.opacity = NAN;
  EXPECT_EQ(ImageVertexColour(item)[3], 0);
  item.r = -0.01f;  // clamped, not wrapped round to white
  item.g = 1.5f;
  auto colour = ImageVertexColour(item);
  EXPECT_EQ(colour[0], 0);
  EXPECT_EQ(colour[1], 255);
  // 0.625 x 255 = 159.375, x 0.32 = 51.0; folding opacity in first loses a
  // float step and truncates to 50, so a fading image ends a shade lighter.
  item.a = 0.625f;
  item.opacity = 0.32f;
  EXPECT_EQ(ImageVertexColour(item)[3], 51);
  item.opacity = 0.64f;
  EXPECT_EQ(ImageVertexColour(item)[3], 102);
  item.a = 1;
  item.opacity = 1;
  EXPECT_EQ(ImageVertexColour(item)[3], 255);
}

TEST(CameraSettings, SceneCameraKeeps4To3AndOverlayIsLeftHandedSquare) {
  const float scene[10] = {0, -10, 10, 0, 0, 0, 0, 0, 1, 45};
  CameraTransforms t = CameraFromSettings(scene);
  EXPECT_TRUE(t.lighting);
  EXPECT_NEAR(t.projection[1][1] / t.projection[0][0], 4.0f / 3.0f, 1e-5);
  CameraTransforms overlay = CameraFromSettings(kOverlayCamera);
  EXPECT_FALSE(overlay.lighting);
  // A screen corner at depth 1 lands on the corner of the picture.
  glm::vec4 p = overlay.projection * overlay.view * glm::vec4(1, -1, 1, 1);
  EXPECT_NEAR(p.x / p.w, 1, 1e-4);
  EXPECT_NEAR(p.y / p.w, -1, 1e-4);
}

TEST(TransparentSort, KeysPutOpaqueAndEmptyMeshesFirstThenFarToNear) {
  GpuMesh mesh;
  mesh.firstVertex = glm::vec3(1, 2, 3);
  mesh.triangleCount = 1;
  MaterialTextureSet clear, solid;
  clear.transparent = 1;
  EXPECT_FLOAT_EQ(TransparentSortKey(mesh, clear, glm::vec3(10, 0, 0), glm::vec3(0)), 11 * 11 + 4 + 9);
  EXPECT_FLOAT_EQ(TransparentSortKey(mesh, solid, glm::vec3(0), glm::vec3(0)), 1e31f);
  GpuMesh empty;
  EXPECT_GT(TransparentSortKey(empty, clear, glm::vec3(0), glm::vec3(0)), 1e31f);

  SortedMeshItem items[4] = {};
  const float keys[4] = {5, NAN, 50, 1e31f};
  for (int i = 0; i < 4; ++i) items[i].key = keys[i];
  SortFarToNear(items, 4);
  EXPECT_TRUE(std::isinf(items[0].key));
  EXPECT_EQ(items[1].key, 1e31f);
  EXPECT_EQ(items[2].key, 50);
  EXPECT_EQ(items[3].key, 5);
}

TEST(RenderQueueLimits, ExtraItemsAreDroppedAndCountsResetEachFrame) {
  Model model;
  for (int i = 0; i < kQueueCapacity + 50; ++i) {
    QueueModel(&model, 0, 0, 0, 0, 0, 0, 0);
    QueueImage(nullptr, 0, 0, 1, 1, -1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  }
  EXPECT_EQ(GetRenderQueue().modelCount, kQueueCapacity);
  EXPECT_EQ(GetRenderQueue().imageCount, kQueueCapacity);
  RenderFrame(1, 1, 1, 1);  // no device in this test: nothing drawn, the lists still empty
  EXPECT_EQ(GetRenderQueue().modelCount, 0);
  EXPECT_EQ(GetRenderQueue().imageCount, 0);
}

TEST(MenuHelpers, RectExcludesItsEdges) {
  Rect r;
  r.Set(0.1f, 0.2f, 0.5f, 0.25f);
  EXPECT_TRUE(r.Contains(0.3f, 0.3f));
  EXPECT_FALSE(r.Contains(0.1f, 0.3f));
  EXPECT_FALSE(r.Contains(0.3f, 0.45f));
  EXPECT_FALSE(r.Contains(0.7f, 0.3f));
}

TEST(MissingAssets, ImageAndModelReportTheirPath) {
  ::testing::internal::CaptureStdout();
  Image image;
  image.Load("no/such picture.png");
  std::string said = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(said, "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!no/such picture.png\n");
  EXPECT_EQ(image.Texture(), 0u);
  ::testing::internal::CaptureStdout();
  Model model;
  model.Load("no/such model.vxm");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "!!!!!!!!!!   no/such model.vxm\r\n");
  EXPECT_TRUE(model.meshes.empty());
}

MaterialTextureSet EveryLayer() {
  MaterialTextureSet set;
  set.baseTexture = 100;
  for (int i = 0; i < 6; ++i) set.layerTextures[i] = GpuTextureId(i + 1);
  return set;
}

TEST(LayerPasses, BaseOnlyWithoutExtraPassesAndSlotFiveAloneBlendsByAlpha) {
  LayerPass passes[kMaxLayerPasses];
  ASSERT_EQ(MeshLayerPasses(EveryLayer(), false, passes), 1);
  EXPECT_EQ(passes[0].texture, 100u);
  EXPECT_EQ(passes[0].material.ambient, glm::vec4(0, 0, 0, 1));
  MaterialTextureSet lit;
  lit.layerTextures[kLayerSlot5] = 7;
  lit.glossiness = 1;
  ASSERT_EQ(MeshLayerPasses(lit, true, passes), 1);
  EXPECT_EQ(passes[0].sourceBlend, kBlendSrcAlpha);
  EXPECT_EQ(passes[0].destinationBlend, kBlendInvSrcAlpha);
  EXPECT_EQ(MeshLayerPasses(lit, false, passes), 0);
  MaterialTextureSet shiny;
  shiny.layerTextures[kLayerSlot3] = 3;
  shiny.glossiness = 1;
  ASSERT_EQ(MeshLayerPasses(shiny, true, passes), 1);
  EXPECT_FLOAT_EQ(passes[0].material.power, 127);
}

TEST(OpaqueBatching, OnlyModelsWhoseMeshesOpenWithAReplacingLayer) {
  Model model;
  model.materialSets = {EveryLayer(), MaterialTextureSet()};
  model.meshes.resize(2);
  model.meshes[0].materialIndex = 0;
  model.meshes[1].materialIndex = 7;  // out of range: the empty set, nothing drawn
  EXPECT_TRUE(CanBatchModel(model, true));
  model.materialSets[1].layerTextures[kLayerSlot4] = 9;  // a glow alone would add onto whatever is below
  model.meshes[1].materialIndex = 1;
  EXPECT_FALSE(CanBatchModel(model, true));
  EXPECT_TRUE(CanBatchModel(model, false));
  // Glass is left to the depth sort: its layers keep nothing else from batching.
  model.materialSets[1].transparent = 1;
  EXPECT_TRUE(CanBatchModel(model, true));
}

}  // namespace
