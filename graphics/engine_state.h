// For the engine's own files: the device states that persist between draws,
// as the fixed-function device keeps them, and the engine's view matrix.
#pragma once
#include <glm/glm.hpp>

#include "platform/gpu_draw.h"

struct EngineState {
  GpuDrawState device;     // transforms, blend, depth, lighting, material, light 0, stage 0
  glm::mat4 viewMatrix{1};  // written by the camera, read by mesh and image drawing
  glm::vec3 eye{0};         // the scene camera's eye, for the depth sort
  int32_t extraPassesEnabled = 1;
};

EngineState& Engine();
