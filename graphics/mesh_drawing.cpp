// Mesh drawing with the layered materials of the engine: instances of a run
// drawn together, the layers folded into one draw where the device can;
// animated meshes blend their two frames on the GPU.
#include "graphics/mesh_drawing.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/matrix_transform.hpp>

#include "graphics/engine_state.h"

namespace {

constexpr float kDegree = 3.1415927f / 180.0f;

}  // namespace

FrameBlend ChooseAnimationFrames(float time, int32_t frameCount) {
  FrameBlend blend;
  if (frameCount <= 1 || !std::isfinite(time) || time < 0) return blend;
  double whole = std::trunc(double(time));
  blend.frameA = int32_t(std::fmod(whole, double(frameCount)));
  blend.frameB = int32_t(std::fmod(whole + 1, double(frameCount)));
  blend.weight = float(double(time) - whole);
  return blend;
}

glm::mat4 InstanceMatrix(float x, float y, float z, float rotX, float rotY, float rotZ) {
  glm::mat4 m = glm::translate(glm::mat4(1), glm::vec3(x, y, z));
  m = glm::rotate(m, rotZ * kDegree, glm::vec3(0, 0, 1));
  m = glm::rotate(m, rotY * kDegree, glm::vec3(0, 1, 0));
  return glm::rotate(m, rotX * kDegree, glm::vec3(1, 0, 0));
}

void SetMeshTransform(const GpuMesh& mesh, float x, float y, float z, float rotX, float rotY, float rotZ, float time) {
  mesh.world = InstanceMatrix(x, y, z, rotX, rotY, rotZ);
  mesh.time = time;
}

int32_t MeshLayerPasses(const MaterialTextureSet& set, bool extra, LayerPass passes[kMaxLayerPasses]) {
  int32_t n = 0;
  const GpuTextureId* layers = set.layerTextures;
  const glm::vec4 white(1, 1, 1, 1), black(0, 0, 0, 1), none(0);
  auto add = [&](GpuTextureId texture, GpuBlend source, GpuBlend destination, bool lighting, GpuTexCoordSource coords) {
    LayerPass& p = passes[n++];
    p = LayerPass{};
    p.texture = texture;
    p.sourceBlend = source;
    p.destinationBlend = destination;
    p.lighting = lighting;
    p.texCoordSource = coords;
    return &p;
  };
  if (extra && layers[kLayerSlot9] != 0) {  // reflection, replacing what lies below
    add(layers[kLayerSlot9], kBlendOne, kBlendZero, false, kTexCoordCameraReflection);
  }
  if (set.baseTexture != 0) {
    LayerPass* p = add(set.baseTexture, kBlendSrcAlpha, kBlendInvSrcAlpha, true, kTexCoordVertex);
    p->material = GpuMaterial{white, layers[kLayerSlot5] != 0 ? black : white, none, none, 0};
  }
  if (!extra) return n;
  if (layers[kLayerSlot5] != 0) {  // lit by the ambient term only
    bool overBase = set.baseTexture != 0;
    LayerPass* p = add(layers[kLayerSlot5], overBase ? kBlendOne : kBlendSrcAlpha,
                       overBase ? kBlendOne : kBlendInvSrcAlpha, true, kTexCoordVertex);
    p->material = GpuMaterial{none, white, none, none, 0};
  }
  if (layers[kLayerSlot4] != 0) add(layers[kLayerSlot4], kBlendOne, kBlendOne, false, kTexCoordVertex);  // glow
  if (layers[kLayerSlot3] != 0) {  // specular highlight: texture x specular
    LayerPass* p = add(layers[kLayerSlot3], kBlendOne, kBlendOne, true, kTexCoordVertex);
    p->material = GpuMaterial{black, black, white, none, 1 + 126 * std::pow(std::max(set.glossiness, 0.0f), 1.8f)};
    p->stageColour = kStageTextureSpecular;
  }
  if (layers[kLayerSlot8] != 0) add(layers[kLayerSlot8], kBlendOne, kBlendOne, false, kTexCoordSphereMap);
  if (layers[kLayerSlot7] != 0) {  // lit sphere map
    LayerPass* p = add(layers[kLayerSlot7], kBlendOne, kBlendOne, true, kTexCoordSphereMap);
    p->material = GpuMaterial{white, none, none, none, 0};
  }
  return n;
}

void DrawMeshInstances(const GpuMesh& mesh, const MaterialTextureSet& set, FrameBlend frames,
                       const GpuInstance* instances, int32_t count) {
  if (mesh.triangleCount <= 0 || mesh.vertexBuffer == 0 || count <= 0) return;
  LayerPass passes[kMaxLayerPasses];
  const int32_t layers = MeshLayerPasses(set, Engine().extraPassesEnabled != 0, passes);
  if (layers == 0) return;
  GpuDrawState& s = Engine().device;
  s.view = Engine().viewMatrix;
  s.depthTest = true;
  s.depthWrite = set.transparent == 0;
  s.blend = true;
  s.cullClockwise = true;
  const int32_t vertices = mesh.triangleCount * 3;
  GpuDrawLayeredMesh(s, passes, layers, mesh.vertexBuffer, frames.frameA * vertices, frames.frameB * vertices,
                     vertices, instances, count);
}

bool LayersDrawTogether(const MaterialTextureSet& set) {
  LayerPass passes[kMaxLayerPasses];
  const int32_t layers = MeshLayerPasses(set, Engine().extraPassesEnabled != 0, passes);
  return layers <= 1 || (GpuLayerFoldingEnabled() && GpuLayersFold(passes, layers));
}

void DrawMesh(const GpuMesh& mesh, const MaterialTextureSet& set) {
  FrameBlend frames = ChooseAnimationFrames(mesh.time, mesh.frameCount);
  GpuInstance instance{mesh.world, frames.weight};
  DrawMeshInstances(mesh, set, frames, &instance, 1);
}

void DrawModelInstance(const Model& model, float x, float y, float z, float rotX, float rotY, float rotZ, float time) {
  for (const GpuMesh& mesh : model.meshes) {
    SetMeshTransform(mesh, x, y, z, rotX, rotY, rotZ, time);
    DrawMesh(mesh, model.TextureSetOf(mesh));
  }
}
