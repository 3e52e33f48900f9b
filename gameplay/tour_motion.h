// The camera flight of the level intro tour, without drawing: the points it
// visits, the hops between them, the eased camera, the return to the
// overview, the zoom and the fades, and the debounce of the confirm input.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

struct TourVec {
  float x = 0, y = 0, z = 0;
};

struct TourPoint {
  float x = 0, y = 0;
};

enum TourStage : int {
  kTourTouring = 0,
  kTourLeaving = 1,
  kTourReturnRequested = 3,
  kTourReturning = 5,
  kTourZooming = 10,
};

struct TourState {
  std::vector<TourPoint> points;
  int k = 0;
  TourVec eye, eyeTarget, look, lookTarget;
  float yaw = 0, pitch = 0, yawTarget = 0, pitchTarget = 0;
  float progress = 0, speed = 0;
  float stepX = 0, stepY = 0, climb = 0;
  float zoom = 0, fade = 0;
  uint8_t fadingIn = 0, fadingOut = 0;
  int state = kTourTouring;
  int confirmState = 0, pressState = 0;
  TourVec overviewEye, overviewTarget;  // where the return ends and what it looks at
  uint8_t endOnBlack = 1;
};

struct TourInput {
  bool enterHeld = false;
  bool controllerButton = false;  // a controller exists and its first button is down
  int mouseButtons = 0;
};

// Scene positions of the robots (cell units, table order), then of the exit
// cells (column by column), truncated to whole numbers.
std::vector<TourPoint> BuildTourPoints(std::span<const TourPoint> robotCells,
                                       std::span<const TourPoint> exitCells);

// The overview camera the tour returns to (the play screen's, framed on the level).
struct TourOverview {
  TourVec eye, target;
};

// Sets up a tour over the points. With fewer than two points there is
// nothing to fly between and the camera waits on the overview.
void StartTour(TourState& t, std::vector<TourPoint> points, const TourOverview& overview,
               uint8_t endOnBlack, int mouseButtonsAtStart);

// One 5 ms tick of motion, fades and confirmation.
void RunTourTick(TourState& t, const TourInput& input);
// Once per frame: the returning camera has arrived; start the zoom.
void CheckTourArrival(TourState& t);
bool TourFinished(const TourState& t);

struct TourCamera {
  TourVec eye, target, up;
  float fov = 70;
};
TourCamera CurrentTourCamera(const TourState& t);
