// Drawing one mesh of a model instance: its world transform, the animation
// frames it blends, and the up to seven layers of its material.
#pragma once
#include <cstdint>

#include <glm/glm.hpp>

#include "graphics/model.h"
#include "platform/gpu_draw.h"

// The two frames blended at `time` (frames count from 0; 1.0 = one frame,
// wrapping from the last frame to frame 0) and the weight of the second.
// A negative or non-finite time draws frame 0.
struct FrameBlend {
  int32_t frameA = 0;
  int32_t frameB = 0;
  float weight = 0;
};
FrameBlend ChooseAnimationFrames(float time, int32_t frameCount);

// Rotate about x, then y, then z (degrees), then translate.
glm::mat4 InstanceMatrix(float x, float y, float z, float rotX, float rotY, float rotZ);

// Stores the instance's world matrix and time in the mesh's scratch fields.
void SetMeshTransform(const GpuMesh& mesh, float x, float y, float z, float rotX, float rotY, float rotZ, float time);
void DrawMesh(const GpuMesh& mesh, const MaterialTextureSet& textureSet);

// One layer of a material as the device draws it (lighting-off layers leave
// the material unused).
using LayerPass = GpuLayer;
constexpr int32_t kMaxLayerPasses = kGpuMaxLayers;
// The layers of a set in drawing order: slot 9, base, slot 5, 4, 3, 8, 7, each
// only when its texture exists, all but the base only when `extra` is set.
int32_t MeshLayerPasses(const MaterialTextureSet& set, bool extra, LayerPass passes[kMaxLayerPasses]);

// Draws instances of one mesh in the given order with every layer of its
// material, all in one call where the layers fold (else layer by layer);
// every instance shows the same two animation frames with its own weight.
void DrawMeshInstances(const GpuMesh& mesh, const MaterialTextureSet& set, FrameBlend frames,
                       const GpuInstance* instances, int32_t count);
// Whether instances drawn together look as they would drawn one by one in the
// same order, however they overlap: true when the layers fold into one draw.
bool LayersDrawTogether(const MaterialTextureSet& set);
// Every mesh of the model in mesh order.
void DrawModelInstance(const Model& model, float x, float y, float z, float rotX, float rotY, float rotZ, float time);
