// The device and the frame pass: camera, light, opaque models (batched),
// transparent models' meshes sorted far to near, the overlay camera and the
// screen images in queue order, present, clear for the next frame.
#include "graphics/render_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "graphics/camera_light.h"
#include "graphics/engine_state.h"
#include "graphics/image_drawing.h"
#include "graphics/mesh_drawing.h"
#include "graphics/model.h"
#include "graphics/opaque_batch.h"
#include "graphics/render_queue.h"
#include "graphics/settled_scene.h"
#include "graphics/transparent_sort.h"
#include "platform/gpu_device.h"
#include "platform/gpu_resources.h"

namespace {

EngineState engine;

void ApplyCamera(const float settings[10]) {
  CameraTransforms camera = CameraFromSettings(settings);
  engine.device.projection = camera.projection;
  engine.viewMatrix = camera.view;
  engine.device.lighting = camera.lighting;
  if (settings[9] >= 0) {
    engine.device.material = GpuMaterial{glm::vec4(1), glm::vec4(1), glm::vec4(0), glm::vec4(0), 0};
  }
}

void ApplyLight(const float settings[9]) {
  engine.device.world = glm::mat4(1);
  engine.device.light = LightFromSettings(settings);
}

// Meshes that follow each other in the depth order with the same mesh and
// animation frames are drawn in one call, in order, when their layers fold.
void DrawSortedRuns(const SortedMeshItem* items, int32_t count) {
  static std::vector<GpuInstance> instances;
  for (int32_t first = 0; first < count;) {
    const SortedMeshItem& head = items[first];
    const FrameBlend frames = ChooseAnimationFrames(head.time, head.mesh->frameCount);
    const bool together = LayersDrawTogether(*head.textureSet);
    instances.clear();
    int32_t next = first;
    for (; next < count; ++next) {
      const SortedMeshItem& item = items[next];
      const FrameBlend f = ChooseAnimationFrames(item.time, item.mesh->frameCount);
      if (next > first && (!together || item.mesh != head.mesh || item.textureSet != head.textureSet ||
                           f.frameA != frames.frameA || f.frameB != frames.frameB)) {
        break;
      }
      instances.push_back(
          GpuInstance{InstanceMatrix(item.x, item.y, item.z, item.rotX, item.rotY, item.rotZ), f.weight});
    }
    DrawMeshInstances(*head.mesh, *head.textureSet, frames, instances.data(), int32_t(instances.size()));
    first = next;
  }
}

SettledScene settledScene;
bool settledEnabled = true;
bool sceneBlank = false;  // the picture was fully cleared and nothing drawn since

// Opaque models, the settled ones through the settled picture.
void DrawOpaqueWithSettled(const RenderQueue& q) {
  if (!settledEnabled || q.modelCount == 0) {
    DrawOpaqueModels(q);
    return;
  }
  SettledView view;
  std::copy(q.camera, q.camera + 10, view.camera);
  std::copy(q.light, q.light + 9, view.light);
  GpuGetSceneSize(&view.width, &view.height);
  view.extraPasses = engine.extraPassesEnabled;
  view.resourceGeneration = GpuResourceGeneration();
  // Two keys an item, as DrawOpaqueModels reads them: its still meshes, its animated ones.
  static std::vector<SettledKey> keys;
  keys.assign(PartIndex(q.modelCount, 0), SettledKey{});
  const bool extra = engine.extraPassesEnabled != 0;
  for (int32_t i = 0; i < q.modelCount; ++i) {
    const ModelDrawItem& it = q.models[i];
    // Models that add to what lies behind them are drawn afresh, in queue
    // order; so is glass, in the depth sort.
    if (it.model == nullptr || !CanBatchModel(*it.model, extra)) continue;
    int32_t count[2] = {0, 0};
    for (const GpuMesh& mesh : it.model->meshes) {
      if (it.model->TextureSetOf(mesh).transparent == 0) ++count[MeshPart(mesh)];
    }
    for (int32_t part = 0; part < 2; ++part) {
      if (count[part] == 0) continue;
      keys[PartIndex(i, part)] = SettledKey{
          it.model, it.x, it.y, it.z, it.rotX, it.rotY, it.rotZ, part == 0 ? 0.0f : it.time, part, count[part]};
    }
  }
  const SettledPlan& plan = settledScene.Plan(view, sceneBlank, keys);
  switch (plan.step) {
    case SettledStep::kDrawAll:
      DrawOpaqueModels(q);
      return;
    case SettledStep::kRedrawAndCopy:
      GpuBeginSettledPicture();
      DrawOpaqueModels(q, plan.settled, 1);
      [[fallthrough]];
    case SettledStep::kCopy:
      GpuCopySettledPicture();
      DrawOpaqueModels(q, plan.settled, 0);
      return;
  }
}

void DrawModels(RenderQueue& q) {
  DrawOpaqueWithSettled(q);
  q.sortedMeshCount = 0;
  const bool extra = engine.extraPassesEnabled != 0;
  for (int32_t i = 0; i < q.modelCount; ++i) {
    const ModelDrawItem& item = q.models[i];
    if (item.model == nullptr || !item.model->IsTransparent()) continue;
    const bool opaqueDrawn = OpaqueMeshesDrawnApart(*item.model, extra);
    for (const GpuMesh& mesh : item.model->meshes) {
      if (q.sortedMeshCount >= kQueueCapacity) break;  // beyond the list: dropped
      const MaterialTextureSet& set = item.model->TextureSetOf(mesh);
      if (opaqueDrawn && set.transparent == 0) continue;
      q.sortedMeshes[q.sortedMeshCount++] = SortedMeshItem{
          &set, &mesh, item.x, item.y, item.z, item.rotX, item.rotY, item.rotZ, item.time,
          TransparentSortKey(mesh, set, glm::vec3(item.x, item.y, item.z), engine.eye)};
    }
  }
  SortFarToNear(q.sortedMeshes, q.sortedMeshCount);
  DrawSortedRuns(q.sortedMeshes, q.sortedMeshCount);
}

}  // namespace

EngineState& Engine() { return engine; }

int32_t CreateRenderDevice(int32_t width, int32_t height, int32_t, int32_t, int32_t) {
  bool windowed = width == -1 || height == -1;
  if (!GpuCreateDevice(windowed ? -1 : width, windowed ? -1 : height)) return 0;
  engine.device = GpuDrawState();
  engine.device.cullClockwise = false;
  engine.device.depthTest = true;
  engine.device.blend = true;
  return 1;
}

namespace {
FrameShownHook frameShownHook = nullptr;
FrameCost lastFrameCost;
}

FrameCost LastFrameCost() { return lastFrameCost; }

void SetFrameShownHook(FrameShownHook hook) { frameShownHook = hook; }

void RenderFrame(int32_t present, int32_t clearColour, int32_t clearDepth, int32_t clearStencil) {
  RenderQueue& q = GetRenderQueue();
  if (GpuHasDevice()) {
    ApplyCamera(q.camera);
    // The depth sort measures from the stored camera's eye, whichever form it has.
    engine.eye = glm::vec3(q.camera[0], q.camera[1], q.camera[2]);
    GpuBeginScene();
    ApplyLight(q.light);
    DrawModels(q);
    sceneBlank = false;
    ApplyCamera(kOverlayCamera);
    DrawImageItems(q.images, q.imageCount);
    if (present != 0) {
      const GpuFrameCounts counts = GpuTakeFrameCounts();
      lastFrameCost = FrameCost{counts.drawCalls, counts.bufferUploads, counts.textureBinds};
      GpuPresent();
      if (frameShownHook != nullptr) frameShownHook();
    }
    GpuClear(clearColour != 0, clearDepth != 0, clearStencil != 0);
    sceneBlank = clearColour != 0 && clearDepth != 0 && clearStencil != 0;
  }
  q.imageCount = 0;
  q.modelCount = 0;
  q.sortedMeshCount = 0;
}

void SetSettledScene(bool enabled) {
  settledEnabled = enabled;
  if (enabled) return;
  settledScene.Forget();
  GpuDropSettledPicture();
}

void SetExtraPasses(int32_t enabled) { engine.extraPassesEnabled = enabled; }
int32_t ExtraPassesEnabled() { return engine.extraPassesEnabled; }

bool ReadFramePixels(std::vector<uint8_t>* rgba, int32_t* width, int32_t* height) {
  return GpuReadScene(rgba, width, height);
}

bool SaveFramePng(const char* path) {
  std::vector<uint8_t> rgba;
  int32_t width, height;
  if (!ReadFramePixels(&rgba, &width, &height)) return false;
  // The window shows the picture opaque; keep the stored alpha of blended
  // layers out of the file, or viewers show the shot washed out.
  for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  return GpuWritePng(path, rgba, width, height);
}
