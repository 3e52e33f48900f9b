// Drawing on the GPU stand-in. The state record mirrors the fixed-function
// states the engine sets (transforms, blend factors, depth, culling, one
// point light, the material, texture-coordinate source, stage colour); the one
// GLSL program reproduces what those states draw.
#pragma once
#include <glm/glm.hpp>

#include "platform/gpu_resources.h"

enum GpuBlend : int32_t { kBlendZero = 0, kBlendOne, kBlendSrcAlpha, kBlendInvSrcAlpha };
enum GpuTexCoordSource : int32_t { kTexCoordVertex = 0, kTexCoordSphereMap = 1, kTexCoordCameraReflection = 2 };
// Stage 0 colour: texture x lit diffuse colour, or texture x lit specular colour.
enum GpuStageColour : int32_t { kStageTextureDiffuse = 0, kStageTextureSpecular = 1 };

struct GpuMaterial {
  glm::vec4 diffuse{1, 1, 1, 1};
  glm::vec4 ambient{1, 1, 1, 1};
  glm::vec4 specular{0, 0, 0, 0};
  glm::vec4 emissive{0, 0, 0, 0};
  float power = 0;
};

// Light 0: a point light with range and attenuation 1 / (c + l d + q d^2).
struct GpuLight {
  bool enabled = false;
  glm::vec4 diffuse{0, 0, 0, 1};
  glm::vec4 specular{0, 0, 0, 1};
  glm::vec4 ambient{0, 0, 0, 1};
  glm::vec3 position{0, 0, 0};
  float range = 0;
  glm::vec3 attenuation{1, 0, 0};
};

struct GpuDrawState {
  glm::mat4 world{1};
  glm::mat4 view{1};
  glm::mat4 projection{1};
  bool depthTest = true;
  bool depthWrite = true;
  bool cullClockwise = false;  // false: no culling
  bool blend = true;
  GpuBlend sourceBlend = kBlendSrcAlpha;
  GpuBlend destinationBlend = kBlendInvSrcAlpha;
  bool lighting = true;
  GpuMaterial material;
  GpuLight light;
  GpuTexCoordSource texCoordSource = kTexCoordVertex;
  GpuStageColour stageColour = kStageTextureDiffuse;
  bool stageAlphaModulate = false;  // alpha: texture alone, or texture x diffuse alpha
  GpuTextureId texture = 0;         // 0: stage 0 empty (reads as white)
};

// One texture layer of a mesh: the layer's picture on stage 0, blended into
// the frame with its factors, lit with its material or not, with its texture
// coordinates and stage colour.
struct GpuLayer {
  GpuTextureId texture = 0;
  GpuBlend sourceBlend = kBlendOne;
  GpuBlend destinationBlend = kBlendOne;
  bool lighting = false;
  GpuMaterial material;  // read only when lighting
  GpuTexCoordSource texCoordSource = kTexCoordVertex;
  GpuStageColour stageColour = kStageTextureDiffuse;
};
constexpr int32_t kGpuMaxLayers = 7;

// One instance of a mesh: its world matrix and the weight of animation frame B.
struct GpuInstance {
  glm::mat4 world{1};
  float weight = 0;
};

// Whether a stack of layers can be drawn as one pass with the same picture as
// drawing them one after another: true when the framebuffer can be written
// as (sum of the layers) + (a per-channel multiplier) x (what lay below),
// with nothing clamped on the way that would not be clamped at the end.
bool GpuLayersFold(const GpuLayer* layers, int32_t count);
// Off: every layer is drawn as a pass of its own (the reference picture).
void GpuSetLayerFolding(bool enabled);
bool GpuLayerFoldingEnabled();

// Triangle list of `vertexCount` vertices from a mesh buffer, drawn once per
// instance in instance order (held back until the picture is next needed, so
// that a frame's instance data goes to the GPU in one write), with every layer: folded into one draw where
// the layers allow, else one draw per layer. Two frames of a vertex animation
// are blended on the GPU: frame A starts at vertex `firstVertexA`, frame B at
// `firstVertexB`, each instance with its own weight. From the state: view,
// projection, depth test and writes, culling, the light; blending is on.
void GpuDrawLayeredMesh(const GpuDrawState& state, const GpuLayer* layers, int32_t layerCount, GpuBufferId buffer,
                        int32_t firstVertexA, int32_t firstVertexB, int32_t vertexCount, const GpuInstance* instances,
                        int32_t instanceCount);

// A screen vertex: position, colour bytes RGBA (the vertex diffuse), texture.
struct GpuScreenVertex {
  float x, y, z;
  uint8_t r, g, b, a;
  float u, v;
};
// Triangle list from the caller's vertices; lighting is taken as off and the
// vertex colour as the diffuse colour.
void GpuDrawScreenTriangles(const GpuDrawState& state, const GpuScreenVertex* vertices, int32_t count);
static_assert(sizeof(GpuScreenVertex) == 24);
// Runs of those vertices, each drawn with its own texture in place of the
// state's, in order: the vertices of all of them go to the GPU in one write.
struct GpuScreenRun {
  GpuTextureId texture = 0;
  int32_t first = 0, count = 0;
};
void GpuDrawScreenRuns(const GpuDrawState& state, const GpuScreenVertex* vertices, const GpuScreenRun* runs,
                       int32_t runCount);

// What drawing has cost since the counts were last taken: draw calls, writes
// of vertex or instance data into GPU buffers, and texture binds.
struct GpuFrameCounts {
  int32_t drawCalls = 0;
  int32_t bufferUploads = 0;
  int32_t textureBinds = 0;
};
// Returns the counts and starts them again from zero.
GpuFrameCounts GpuTakeFrameCounts();
