// Where the overview camera stands so that the part of the board a level
// uses fills the play screen: it keeps the player's tilt and the 45-degree
// view and comes as close as the used cells allow between the heads-up
// texts at the top and the panel at the bottom.
#pragma once
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

// Columns and rows of the cells a level uses (inclusive).
struct UsedArea {
  int minColumn = 0, maxColumn = 17, minRow = 0, maxRow = 11;
};

struct OverviewView {
  glm::vec3 eye{0.0f}, target{0.0f};
};

// The screen a framed board must stay in, x and y 0..1 from the top left.
constexpr float kFrameLeft = 0.03f, kFrameRight = 0.97f, kFrameTop = 0.05f, kFrameBottom = 0.86f;

// The camera for the area at a pitch in degrees (-45 looks from the front,
// 0 straight down); up is +y, the field of view 45 degrees, aspect 4/3.
OverviewView FrameOverview(const UsedArea& area, float pitchDegrees);

// Where a scene point lands on the screen (0..1 from the top left).
glm::vec2 ProjectOverview(const OverviewView& view, glm::vec3 point);
