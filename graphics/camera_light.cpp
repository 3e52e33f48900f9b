// The camera and light formulas of the engine.
#include "graphics/camera_light.h"

#include <glm/gtc/matrix_transform.hpp>

namespace {
constexpr float kDegree = 3.1415927f / 180.0f;
constexpr float kNear = 0.1f;
constexpr float kFar = 100000.0f;
}  // namespace

const float kOverlayCamera[10] = {0, 0, 0, 0, 0, 1, 0, 100000, 0, -90};

CameraTransforms CameraFromSettings(const float c[10]) {
  CameraTransforms t;
  glm::vec3 eye(c[0], c[1], c[2]);
  glm::vec3 at(c[3], c[4], c[5]);
  glm::vec3 up(c[6], c[7], c[8]);
  t.eye = eye;
  if (c[9] >= 0) {
    t.projection = glm::perspectiveRH_NO(c[9] * kDegree, 1.3333334f, kNear, kFar);
    t.view = glm::lookAtRH(eye, at, up);
    t.lighting = true;
  } else {
    t.projection = glm::perspectiveLH_NO(-c[9] * kDegree, 1.0f, kNear, kFar);
    t.view = glm::lookAtLH(eye, at, up);
    t.lighting = false;
  }
  return t;
}

GpuLight LightFromSettings(const float l[9]) {
  GpuLight light;
  light.enabled = true;
  light.diffuse = glm::vec4(l[3] * 22, l[4] * 22, l[5] * 22, 1);
  // Every channel of the specular colour takes the blue diffuse term.
  light.specular = glm::vec4((2 * l[0] + 22 * l[5]) * 1.5f, (2 * l[1] + 22 * l[5]) * 1.5f,
                             (2 * l[2] + 22 * l[5]) * 1.5f, 1.5f);
  light.ambient = glm::vec4(l[0] * 22, l[1] * 22, l[2] * 22, 1);
  light.position = glm::vec3(l[6], l[7], l[8]);
  light.range = 8000;
  light.attenuation = glm::vec3(0.1f, 0.5f, 0.0f);
  return light;
}
