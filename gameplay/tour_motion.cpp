// Motion of the intro tour: hops from robot to robot and exit to exit, eased
// camera, return to the overview, zoom and fade.
#include "gameplay/tour_motion.h"

#include <cmath>
#include <utility>

namespace {
constexpr float kTourSpeed = 0.002f;
constexpr float kEyeHeight = 8.5f;
constexpr float kLookHeight = 2.2f;

void AimHop(TourState& t) {
  t.stepX = (t.lookTarget.x - t.eyeTarget.x) * t.speed;
  t.stepY = (t.lookTarget.y - t.eyeTarget.y) * t.speed;
  t.climb = std::sqrt(t.stepX * t.stepX + t.stepY * t.stepY) * t.speed * 3.0f;
  t.progress = 0;
}

void UpdateDirectionTargets(TourState& t) {
  const float dx = t.lookTarget.x - t.eye.x, dy = t.lookTarget.y - t.eye.y;
  t.yawTarget = std::atan2(dx, dy);
  t.pitchTarget = std::atan2(std::sqrt(dx * dx + dy * dy), t.lookTarget.z - t.eye.z);
}

bool HasHops(const TourState& t) { return t.points.size() >= 2; }

void BeginNextHop(TourState& t) {
  if (t.state == kTourTouring && HasHops(t)) {
    const int n = static_cast<int>(t.points.size());
    if (t.k + 1 < n) {
      t.eyeTarget = {t.points[t.k].x, t.points[t.k].y, kEyeHeight};
      t.lookTarget = {t.points[t.k + 1].x, t.points[t.k + 1].y, kLookHeight};
      t.k += 1;
    } else {
      t.eyeTarget = {t.points[n - 1].x, t.points[n - 1].y, kEyeHeight};
      t.lookTarget = {t.points[0].x, t.points[0].y, kLookHeight};
      t.k = 0;
    }
  } else if (t.state == kTourReturnRequested) {
    t.eyeTarget = t.overviewEye;
    t.lookTarget = t.overviewTarget;
    t.speed = 0;
    t.state = kTourReturning;
  } else {
    return;
  }
  AimHop(t);
}

void Ease(TourState& t) {
  const float f = t.state == kTourZooming ? 1.0f : 0.0f;
  const float turn = 0.01f + 0.005f * f, glide = 0.008f + 0.008f * f, aim = 0.009f + 0.009f * f;
  t.yaw -= turn * (t.yaw - t.yawTarget);
  t.pitch -= turn * (t.pitch - t.pitchTarget);
  t.eye.x -= glide * (t.eye.x - t.eyeTarget.x);
  t.eye.y -= glide * (t.eye.y - t.eyeTarget.y);
  t.eye.z -= glide * (t.eye.z - t.eyeTarget.z);
  // Offsets keep the camera from aiming straight down at a point beneath it.
  auto near = [&t] {
    const float dy = t.eye.y - t.look.y, dx = t.eye.x - t.look.x;
    return dy * dy + dx * dx < 2.0f;
  };
  t.look.x -= aim * (t.look.x - t.lookTarget.x + (near() ? 2.0f : 0.0f));
  t.look.y -= aim * (t.look.y - t.lookTarget.y + (near() ? 2.3f : 0.0f));
  t.look.z -= aim * (t.look.z - t.lookTarget.z);
}

void Confirm(TourState& t, const TourInput& in) {
  const bool pressed = in.enterHeld || in.controllerButton || in.mouseButtons == 1;
  if (pressed && t.confirmState == 0) {
    t.state = kTourReturnRequested;
    t.confirmState = 1;
    t.pressState = 1;
  }
  if (!pressed && t.pressState == 1) t.pressState = 2;
  if (pressed && t.confirmState == 1 && t.pressState == 2) {
    // A second press leaves at once, without the fade.
    t.state = kTourLeaving;
    t.fadingOut = 0;
    t.pressState = 0;
  }
  if (in.mouseButtons == 0 && t.confirmState == 2) t.confirmState = 0;
}
}  // namespace

std::vector<TourPoint> BuildTourPoints(std::span<const TourPoint> robotCells,
                                       std::span<const TourPoint> exitCells) {
  std::vector<TourPoint> points;
  points.reserve(robotCells.size() + exitCells.size());
  for (std::span<const TourPoint> cells : {robotCells, exitCells}) {
    for (const TourPoint& c : cells) {
      points.push_back({std::trunc(2.0f * c.x - 18.0f), std::trunc(12.0f - 2.0f * c.y)});
    }
  }
  return points;
}

void StartTour(TourState& t, std::vector<TourPoint> points, const TourOverview& overview,
               uint8_t endOnBlack, int mouseButtonsAtStart) {
  t = TourState{};
  t.points = std::move(points);
  t.overviewEye = overview.eye;
  t.overviewTarget = overview.target;
  t.endOnBlack = endOnBlack;
  t.fadingIn = 1;
  if (HasHops(t)) {
    t.eye = t.eyeTarget = {t.points[0].x, t.points[0].y, kEyeHeight};
    t.look = t.lookTarget = {t.points[1].x, t.points[1].y, kLookHeight};
    t.speed = kTourSpeed;
  } else {
    // Nothing to fly between: wait on the overview, already looking at the board.
    t.eye = t.eyeTarget = overview.eye;
    t.look = t.lookTarget = overview.target;
    t.speed = 0;
    UpdateDirectionTargets(t);
    t.yaw = t.yawTarget;
    t.pitch = t.pitchTarget;
  }
  AimHop(t);
  t.confirmState = mouseButtonsAtStart == 1 ? 2 : 0;
}

void RunTourTick(TourState& t, const TourInput& input) {
  t.eyeTarget.x += t.stepX;
  t.eyeTarget.y += t.stepY;
  t.eyeTarget.z += t.progress < 0.5f ? t.climb : -t.climb;
  if (t.fadingOut) {
    t.fade -= 0.02f;
    const float floor = t.endOnBlack ? 0.0f : 0.5f;
    if (t.fade <= floor) t.fade = floor, t.fadingOut = 0;
  }
  if (t.fadingIn) {
    t.fade += 0.02f;
    if (t.fade >= 1.0f) t.fade = 1.0f, t.fadingIn = 0;
  }
  if (t.state == kTourZooming) {
    t.zoom += 0.2f;
    if (t.zoom >= 25.0f) t.state = kTourLeaving, t.fadingOut = 1;
  }
  Ease(t);
  UpdateDirectionTargets(t);
  t.progress += t.speed;
  // Without hops there is no boundary to wait for: a return starts at once.
  if ((t.progress > 0.5f && t.eyeTarget.z <= kEyeHeight) || !HasHops(t)) BeginNextHop(t);
  Confirm(t, input);
}

void CheckTourArrival(TourState& t) {
  if (t.state != kTourReturning) return;
  if (std::fabs(t.eye.x - t.eyeTarget.x) <= 0.01f && std::fabs(t.eye.y - t.eyeTarget.y) <= 0.01f &&
      std::fabs(t.eye.z - t.eyeTarget.z) <= 0.01f) {
    t.state = kTourZooming;
  }
}

bool TourFinished(const TourState& t) { return t.state == kTourLeaving && t.fadingOut == 0; }

TourCamera CurrentTourCamera(const TourState& t) {
  TourCamera c;
  c.eye = t.eye;
  const float sp = std::sin(t.pitch);
  c.target = {t.eye.x + sp * std::sin(t.yaw), t.eye.y + sp * std::cos(t.yaw), t.eye.z + std::cos(t.pitch)};
  c.up = {0.0f, 0.01f, 1.0f};
  c.fov = 70.0f - t.zoom;
  return c;
}
