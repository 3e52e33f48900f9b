// Mesh drawing with the layered materials of the engine. Each layer is one
// draw of the whole mesh; animated meshes blend their two frames on the GPU.
#include "graphics/mesh_drawing.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/matrix_transform.hpp>

#include "graphics/engine_state.h"

namespace {

constexpr float kDegree = 3.1415927f / 180.0f;

struct MeshStreams {
  int32_t firstA = 0;
  int32_t firstB = 0;
  float weight = 0;
  int32_t vertexCount = 0;
};

MeshStreams StreamsOf(const GpuMesh& mesh) {
  MeshStreams streams;
  streams.vertexCount = mesh.triangleCount * 3;
  if (mesh.frameCount > 1) {
    FrameBlend blend = ChooseAnimationFrames(mesh.time, mesh.frameCount);
    streams.firstA = blend.frameA * streams.vertexCount;
    streams.firstB = blend.frameB * streams.vertexCount;
    streams.weight = blend.weight;
  }
  return streams;
}

void DrawLayer(GpuDrawState& state, const GpuMesh& mesh, const MeshStreams& streams, GpuTextureId texture,
               GpuBlend source, GpuBlend destination, GpuTexCoordSource coordinates) {
  state.texture = texture;
  state.sourceBlend = source;
  state.destinationBlend = destination;
  state.texCoordSource = coordinates;
  GpuDrawTriangles(state, mesh.vertexBuffer, streams.firstA, streams.firstB, streams.weight, streams.vertexCount);
  state.texture = 0;
  state.texCoordSource = kTexCoordVertex;
}

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

void DrawMesh(const GpuMesh& mesh, const MaterialTextureSet& set) {
  EngineState& engine = Engine();
  GpuDrawState& s = engine.device;
  s.world = mesh.world;
  s.view = engine.viewMatrix;
  s.depthTest = true;
  s.depthWrite = set.transparent == 0;
  s.blend = true;
  s.cullClockwise = true;
  s.stageAlphaModulate = false;
  const MeshStreams streams = StreamsOf(mesh);
  if (streams.vertexCount <= 0 || mesh.vertexBuffer == 0) return;
  const bool extra = engine.extraPassesEnabled != 0;
  const GpuTextureId* layers = set.layerTextures;

  if (extra && layers[kLayerSlot9] != 0) {  // reflection, replacing what lies below
    s.lighting = false;
    DrawLayer(s, mesh, streams, layers[kLayerSlot9], kBlendOne, kBlendZero, kTexCoordCameraReflection);
  }
  if (set.baseTexture != 0) {
    s.lighting = true;
    s.material.diffuse = glm::vec4(1, 1, 1, 1);
    s.material.ambient = layers[kLayerSlot5] != 0 ? glm::vec4(0, 0, 0, 1) : glm::vec4(1, 1, 1, 1);
    DrawLayer(s, mesh, streams, set.baseTexture, kBlendSrcAlpha, kBlendInvSrcAlpha, kTexCoordVertex);
  }
  if (!extra) return;
  if (layers[kLayerSlot5] != 0) {  // lit by the ambient term only
    s.lighting = true;
    s.material = GpuMaterial{glm::vec4(0), glm::vec4(1, 1, 1, 1), glm::vec4(0), glm::vec4(0), 0};
    bool overBase = set.baseTexture != 0;
    DrawLayer(s, mesh, streams, layers[kLayerSlot5], overBase ? kBlendOne : kBlendSrcAlpha,
              overBase ? kBlendOne : kBlendInvSrcAlpha, kTexCoordVertex);
  }
  if (layers[kLayerSlot4] != 0) {  // glow
    s.lighting = false;
    DrawLayer(s, mesh, streams, layers[kLayerSlot4], kBlendOne, kBlendOne, kTexCoordVertex);
  }
  if (layers[kLayerSlot3] != 0) {  // specular highlight
    s.lighting = true;
    float power = 1 + 126 * std::pow(std::max(set.glossiness, 0.0f), 1.8f);
    s.material = GpuMaterial{glm::vec4(0, 0, 0, 1), glm::vec4(0, 0, 0, 1), glm::vec4(1, 1, 1, 1), glm::vec4(0), power};
    s.stageColour = kStageTextureSpecular;
    DrawLayer(s, mesh, streams, layers[kLayerSlot3], kBlendOne, kBlendOne, kTexCoordVertex);
    s.stageColour = kStageTextureDiffuse;
  }
  if (layers[kLayerSlot8] != 0) {  // unlit sphere map
    s.lighting = false;
    DrawLayer(s, mesh, streams, layers[kLayerSlot8], kBlendOne, kBlendOne, kTexCoordSphereMap);
  }
  if (layers[kLayerSlot7] != 0) {  // lit sphere map
    s.lighting = true;
    s.material = GpuMaterial{glm::vec4(1, 1, 1, 1), glm::vec4(0), glm::vec4(0), glm::vec4(0), 0};
    DrawLayer(s, mesh, streams, layers[kLayerSlot7], kBlendOne, kBlendOne, kTexCoordSphereMap);
  }
}

void DrawModelInstance(const Model& model, float x, float y, float z, float rotX, float rotY, float rotZ, float time) {
  for (const GpuMesh& mesh : model.meshes) {
    SetMeshTransform(mesh, x, y, z, rotX, rotY, rotZ, time);
    DrawMesh(mesh, model.TextureSetOf(mesh));
  }
}
