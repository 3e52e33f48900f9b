// Applying the stored camera and light: the projection and view of the scene
// camera (right-handed, aspect 4:3 whatever the window's shape) and of the
// overlay camera (negative field of view), and light 0 from the nine light
// settings.
#pragma once
#include <glm/glm.hpp>

#include "platform/gpu_draw.h"

struct CameraTransforms {
  glm::mat4 projection{1};
  glm::mat4 view{1};
  bool lighting = true;  // the scene camera lights; the overlay camera does not
  glm::vec3 eye{0};
};

// From the ten camera settings: eye, target, up, field of view in degrees.
CameraTransforms CameraFromSettings(const float camera[10]);
// From the nine light settings: ambient, diffuse, position.
GpuLight LightFromSettings(const float light[9]);

// The camera of screen images: eye (0, 0, 0), target (0, 0, 1), up (0, 100000, 0), 90 degrees.
extern const float kOverlayCamera[10];
