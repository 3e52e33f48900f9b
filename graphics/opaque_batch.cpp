// Grouping queued opaque models and drawing each mesh's instances together.
#include "graphics/opaque_batch.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "graphics/engine_state.h"
#include "graphics/mesh_drawing.h"
#include "graphics/model.h"

namespace {

struct Group {
  const Model* model;
  std::vector<int32_t> items;
  float reach;  // nearest far side of an instance's bounds, seen from the eye
};

// How far from the eye the far side of an instance's bounds lies. Drawing
// what ends nearest first lets the depth test skip shading what it hides (a
// backdrop around the board goes last).
float FarReach(const ModelDrawItem& item) {
  glm::vec3 d = glm::vec3(item.x, item.y, item.z) - Engine().eye;
  float reach = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z) + item.model->radius;
  return std::isfinite(reach) ? reach : 0.0f;
}

// Every instance of each mesh, one draw per pair of animation frames shown
// (still meshes and robots standing or stepping together: one draw).
void DrawGroup(const Model& model, const std::vector<int32_t>& items, const RenderQueue& q,
               const std::vector<uint8_t>& only, uint8_t value) {
  static std::vector<GpuInstance> instances;
  static std::vector<std::pair<FrameBlend, int32_t>> framed;
  for (const GpuMesh& mesh : model.meshes) {
    if (mesh.triangleCount <= 0 || mesh.vertexBuffer == 0) continue;
    const MaterialTextureSet& set = model.TextureSetOf(mesh);
    if (set.transparent != 0) continue;  // left to the depth sort
    const int32_t part = MeshPart(mesh);
    framed.clear();
    for (int32_t i : items) {
      if (!only.empty() && only[PartIndex(i, part)] != value) continue;
      framed.emplace_back(ChooseAnimationFrames(q.models[i].time, mesh.frameCount), i);
    }
    for (size_t first = 0; first < framed.size(); ++first) {
      const FrameBlend frames = framed[first].first;
      if (framed[first].second < 0) continue;  // drawn with an earlier pair
      instances.clear();
      for (size_t k = first; k < framed.size(); ++k) {
        const FrameBlend f = framed[k].first;
        if (framed[k].second < 0 || f.frameA != frames.frameA || f.frameB != frames.frameB) continue;
        const ModelDrawItem& it = q.models[framed[k].second];
        instances.push_back(GpuInstance{InstanceMatrix(it.x, it.y, it.z, it.rotX, it.rotY, it.rotZ), f.weight});
        framed[k].second = -1;
      }
      DrawMeshInstances(mesh, set, frames, instances.data(), int32_t(instances.size()));
    }
  }
}

}  // namespace

int32_t MeshPart(const GpuMesh& mesh) { return mesh.frameCount > 1 ? 1 : 0; }

bool CanBatchModel(const Model& model, bool extraPasses) {
  for (const GpuMesh& mesh : model.meshes) {
    const MaterialTextureSet& set = model.TextureSetOf(mesh);
    if (set.transparent != 0) continue;
    LayerPass passes[kMaxLayerPasses];
    if (MeshLayerPasses(set, extraPasses, passes) > 0 && passes[0].destinationBlend == kBlendOne) return false;
  }
  return true;
}

bool OpaqueMeshesDrawnApart(const Model& model, bool extraPasses) {
  return !model.IsTransparent() || CanBatchModel(model, extraPasses);
}

void DrawOpaqueModels(const RenderQueue& q) { DrawOpaqueModels(q, {}, 0); }

void DrawOpaqueModels(const RenderQueue& q, const std::vector<uint8_t>& only, uint8_t value) {
  static std::vector<Group> groups;
  static std::unordered_map<const Model*, size_t> groupOf;
  groups.clear();
  groupOf.clear();
  const bool extra = Engine().extraPassesEnabled != 0;
  for (int32_t i = 0; i < q.modelCount; ++i) {
    const Model* model = q.models[i].model;
    if (model == nullptr || !OpaqueMeshesDrawnApart(*model, extra)) continue;
    if (!only.empty() && only[PartIndex(i, 0)] != value && only[PartIndex(i, 1)] != value) continue;
    auto found = groupOf.find(model);
    if (found == groupOf.end()) {
      found = groupOf.emplace(model, groups.size()).first;
      groups.push_back(Group{model, {}, FarReach(q.models[i])});
    }
    Group& group = groups[found->second];
    group.items.push_back(i);
    group.reach = std::min(group.reach, FarReach(q.models[i]));
  }
  // Any order of opaque instances gives the same picture; near first is cheapest.
  std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) { return a.reach < b.reach; });
  for (Group& group : groups) {
    static std::vector<std::pair<float, int32_t>> keyed;
    keyed.clear();
    for (int32_t i : group.items) keyed.emplace_back(FarReach(q.models[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t k = 0; k < keyed.size(); ++k) group.items[k] = keyed[k].second;
  }
  for (const Group& group : groups) {
    if (CanBatchModel(*group.model, extra)) {
      DrawGroup(*group.model, group.items, q, only, value);
      continue;
    }
    for (int32_t i : group.items) {
      if (!only.empty() && (only[PartIndex(i, 0)] != value || only[PartIndex(i, 1)] != value)) continue;
      const ModelDrawItem& it = q.models[i];
      DrawModelInstance(*group.model, it.x, it.y, it.z, it.rotX, it.rotY, it.rotZ, it.time);
    }
  }
}
