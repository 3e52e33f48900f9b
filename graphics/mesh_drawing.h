// Drawing one mesh of a model instance: its world transform, the animation
// frames it blends, and the up to seven layers of its material.
#pragma once
#include <cstdint>

#include <glm/glm.hpp>

#include "graphics/model.h"

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
// Every mesh of the model in mesh order.
void DrawModelInstance(const Model& model, float x, float y, float z, float rotX, float rotY, float rotZ, float time);
