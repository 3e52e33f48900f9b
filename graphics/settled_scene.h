// The settled part of the scene. Opaque model instances queued unchanged
// frame after frame (the walls, the floor, a robot standing still, the still
// meshes of a model whose other meshes are animated) are drawn
// once into a picture of their own, which is copied into each frame while all
// of them stay queued unchanged; only the rest (a robot on the move, an exit's
// animation) is drawn every frame. The copy carries colour and depth, so what
// is drawn after it is hidden and blended as it would be over those models
// drawn afresh: on the software renderer most of a still board costs a copy.
#pragma once
#include <cstdint>
#include <vector>

class Model;

// One part of a queued opaque instance as the settled picture tells it apart:
// its still meshes (part 0, time 0: time changes nothing they show) or its
// animated ones (part 1). A menu hall settles while its gears turn. Model
// null: never settled.
struct SettledKey {
  const Model* model = nullptr;
  float x = 0, y = 0, z = 0, rotX = 0, rotY = 0, rotZ = 0, time = 0;
  int32_t part = 0;
  int32_t meshCount = 1;  // how many meshes the part draws
};

// What the settled picture is drawn for: camera, light, picture size, the
// extra passes option and the GPU resources then made (a reload makes it stale).
struct SettledView {
  float camera[10] = {};
  float light[9] = {};
  int32_t width = 0, height = 0;
  int32_t extraPasses = 0;
  uint32_t resourceGeneration = 0;
};

enum class SettledStep {
  kDrawAll,         // no settled picture this frame: every model drawn afresh
  kCopy,            // copy the picture, draw the items not settled
  kRedrawAndCopy,   // draw the settled items into the picture first, then as kCopy
};

struct SettledPlan {
  SettledStep step = SettledStep::kDrawAll;
  std::vector<uint8_t> settled;  // by key index: 1 when the picture holds the part
};

class SettledScene {
 public:
  // The plan for a frame whose opaque parts are `keys`.
  // `sceneBlank`: the frame starts from a full clear, so a copy can replace it;
  // a pass drawn over the frame is drawn afresh and changes nothing kept.
  const SettledPlan& Plan(const SettledView& view, bool sceneBlank, const std::vector<SettledKey>& keys);
  // The picture holds nothing (after it was given back).
  void Forget();

 private:
  bool haveView_ = false;
  SettledView view_;
  bool pictureHeld_ = false;
  std::vector<SettledKey> held_;      // sorted: what the picture shows
  std::vector<SettledKey> previous_;  // sorted: last frame's settleable items
  SettledPlan plan_;
};

// Fewer settled meshes than this are drawn afresh: the copy would cost more.
constexpr int32_t kFewestSettledMeshes = 4;
