// The list of every model the generator writes: its file name under data/
// (exactly as the game spells it), its frame count and the code that builds it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/datagen/model_kit.h"

struct ModelJob {
  std::string file;  // relative to the run directory, e.g. "data/k00 mina.VXM"
  int frames = 1;
  std::function<ModelKit()> build;
};

std::vector<ModelJob> CellModelJobs();
std::vector<ModelJob> RobotModelJobs();
std::vector<ModelJob> SceneModelJobs();
std::vector<ModelJob> AllModelJobs();
