// Framing the overview camera on the used part of the board.
#include "gameplay/overview_framing.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/mat4x4.hpp>

namespace {
constexpr float kDegrees = 3.1415f / 180.0f;
constexpr float kHalfFov = 22.5f * kDegrees;
constexpr float kWallHeight = 2.0f;  // wall tops and robots rise this far above the floor

struct ScreenBox {
  glm::vec2 low{1e9f}, high{-1e9f};
};

// The used cells and the ring of wall blocks around them, floor and tops.
ScreenBox ProjectArea(const UsedArea& a, const OverviewView& view) {
  const float x0 = 2.0f * float(a.minColumn) - 18.0f - 1.0f, x1 = 2.0f * float(a.maxColumn) - 18.0f + 1.0f;
  const float y0 = 12.0f - 2.0f * float(a.maxRow) - 1.0f, y1 = 12.0f - 2.0f * float(a.minRow) + 1.0f;
  ScreenBox box;
  for (float x : {x0, x1})
    for (float y : {y0, y1})
      for (float z : {0.0f, kWallHeight}) {
        const glm::vec2 p = ProjectOverview(view, {x, y, z});
        box.low = glm::min(box.low, p);
        box.high = glm::max(box.high, p);
      }
  return box;
}

// The camera at distance d from the target, moved along y until the area
// sits midway between the top and bottom of the frame.
OverviewView Place(const UsedArea& a, glm::vec3 direction, glm::vec3 centre, float d) {
  OverviewView v{centre + d * direction, centre};
  const float unitsPerScreen = 2.0f * d * std::tan(kHalfFov) / std::max(direction.z, 0.5f);
  for (int i = 0; i < 4; ++i) {
    const ScreenBox box = ProjectArea(a, v);
    const float off = (box.low.y + box.high.y) * 0.5f - (kFrameTop + kFrameBottom) * 0.5f;
    v.target.y -= off * unitsPerScreen;
    v.eye.y -= off * unitsPerScreen;
  }
  return v;
}

bool Fits(const ScreenBox& box) {
  return box.low.x >= kFrameLeft && box.high.x <= kFrameRight && box.low.y >= kFrameTop && box.high.y <= kFrameBottom;
}
}  // namespace

glm::vec2 ProjectOverview(const OverviewView& view, glm::vec3 point) {
  const glm::mat4 m = glm::perspectiveRH_NO(2.0f * kHalfFov, 4.0f / 3.0f, 0.1f, 100000.0f) *
                      glm::lookAtRH(view.eye, view.target, glm::vec3(0, 1, 0));
  const glm::vec4 clip = m * glm::vec4(point, 1.0f);
  if (clip.w <= 0.0f) return {-1.0f, -1.0f};
  return {0.5f + 0.5f * clip.x / clip.w, 0.5f - 0.5f * clip.y / clip.w};
}

OverviewView FrameOverview(const UsedArea& area, float pitchDegrees) {
  const glm::vec3 direction(0.0f, std::sin(pitchDegrees * kDegrees), std::cos(pitchDegrees * kDegrees));
  const glm::vec3 centre(float(area.minColumn + area.maxColumn) - 18.0f, 12.0f - float(area.minRow + area.maxRow), 0.0f);
  // The nearest distance at which the area fits; never nearer than a few cells.
  float near = 12.0f, far = 120.0f;
  for (int i = 0; i < 24; ++i) {
    const float d = 0.5f * (near + far);
    (Fits(ProjectArea(area, Place(area, direction, centre, d))) ? far : near) = d;
  }
  return Place(area, direction, centre, far);
}
