// The pieces of rivet-model that need no window: the info line, the command
// line of "render", and the camera that frames a model from the front.
#pragma once
#include <string>

#include <glm/glm.hpp>

#include "graphics/model_file.h"

// "frames F lights NL cameras NC meshes NM materials NT triangles T pictures P"
std::string FormatModelInfo(const ModelFile& model);

struct RenderOptions {
  std::string modelPath;
  std::string outputPath;
  float time = 0;
  int width = 640;
  int height = 480;
  bool hasEye = false, hasAt = false, hasUp = false;
  glm::vec3 eye{0}, at{0}, up{0, 0, 1};
  float fovDegrees = 45;
};

// Parses the arguments after "render". False with `error` set on bad input.
bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions* options, std::string* error);

// Bounds of every vertex of frame 0; false for a model without triangles.
bool ModelBounds(const ModelFile& model, glm::vec3* low, glm::vec3* high);
// Fills in what the command line left out: looking at the bounds' centre from
// the front (-y), z up, far enough back for the whole model to fit.
void FrameModel(const ModelFile& model, RenderOptions* options);
