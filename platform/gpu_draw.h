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

// Triangle list of `vertexCount` vertices from a buffer. Two frames of a
// vertex animation are blended on the GPU: frame A starts at vertex
// `firstVertexA`, frame B at `firstVertexB`, and weight 0 draws frame A.
void GpuDrawTriangles(const GpuDrawState& state, GpuBufferId buffer, int32_t firstVertexA, int32_t firstVertexB,
                      float weight, int32_t vertexCount);

// The triangles of a still mesh (from vertex 0) once for each world matrix;
// state.world is ignored.
void GpuDrawTrianglesInstanced(const GpuDrawState& state, GpuBufferId buffer, int32_t vertexCount,
                               const glm::mat4* worlds, int32_t count);

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
