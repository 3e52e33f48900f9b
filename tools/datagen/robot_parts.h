// The robot, built from pieces so animations can move each piece on its own.
// It faces -x (the game's angle 0) and is mirror-symmetric across y, so the
// upside-down copy the game draws below the floor is a true reflection. A
// chevron on its back and the lit visor show which way it faces from above.
#pragma once
#include <functional>
#include <vector>

#include "tools/datagen/model_kit.h"

enum RobotLook { kBody, kTrack, kMetal, kDark, kVisor, kLamp, kArrow, kLookCount };

struct RobotPiece {
  RobotLook look;
  Mesh mesh;
  glm::vec3 centre;
};

std::vector<RobotPiece> BuildRobot();
// Adds the robot's materials and one mesh per material, every piece posed per frame by `pose`.
void AddPosedRobot(ModelKit& kit, const std::function<glm::mat4(const RobotPiece&, int frame)>& pose);
