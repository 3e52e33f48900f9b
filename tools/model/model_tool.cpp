// rivet-model's info line, argument parsing and framing camera.
#include "tools/model/model_tool.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string FormatModelInfo(const ModelFile& model) {
  long long triangles = 0;
  long long pictures = 0;
  for (const ModelMesh& mesh : model.meshes) triangles += mesh.triangleCount;
  for (const ModelMaterial& material : model.materials) {
    for (bool has : material.hasPicture) pictures += has ? 1 : 0;
  }
  char line[256];
  std::snprintf(line, sizeof line, "frames %d lights %d cameras %d meshes %zu materials %zu triangles %lld pictures %lld",
                model.frameCount, model.lightCount, model.cameraCount, model.meshes.size(), model.materials.size(),
                triangles, pictures);
  return line;
}

namespace {

bool ParseFloat(const char* text, float* value) {
  char* end = nullptr;
  float v = std::strtof(text, &end);
  if (end == text || *end != '\0' || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

bool ParseVector(const char* text, glm::vec3* value) {
  float v[3];
  int n = 0;
  const char* p = text;
  while (n < 3) {
    char* end = nullptr;
    v[n] = std::strtof(p, &end);
    if (end == p || !std::isfinite(v[n])) return false;
    ++n;
    p = end;
    if (n < 3) {
      if (*p != ',') return false;
      ++p;
    }
  }
  if (*p != '\0') return false;
  *value = glm::vec3(v[0], v[1], v[2]);
  return true;
}

bool ParseSize(const char* text, int* value) {
  float v;
  if (!ParseFloat(text, &v) || v < 1 || v > 8192 || v != std::floor(v)) return false;
  *value = int(v);
  return true;
}

}  // namespace

bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions* o, std::string* error) {
  int positional = 0;
  for (int i = 0; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.empty() || arg[0] != '-') {  // a name; anything with a dash is an option
      if (positional == 0) o->modelPath = arg;
      if (positional == 1) o->outputPath = arg;
      if (positional >= 2) {
        *error = "unexpected argument " + arg;
        return false;
      }
      ++positional;
      continue;
    }
    if (i + 1 >= argc) {
      *error = arg + " needs a value";
      return false;
    }
    const char* value = argv[++i];
    bool ok = false;
    if (arg == "--time") {
      ok = ParseFloat(value, &o->time);
    } else if (arg == "--width") {
      ok = ParseSize(value, &o->width);
    } else if (arg == "--height") {
      ok = ParseSize(value, &o->height);
    } else if (arg == "--fov") {
      ok = ParseFloat(value, &o->fovDegrees) && o->fovDegrees > 0 && o->fovDegrees < 180;
    } else if (arg == "--eye") {
      ok = o->hasEye = ParseVector(value, &o->eye);
    } else if (arg == "--at") {
      ok = o->hasAt = ParseVector(value, &o->at);
    } else if (arg == "--up") {
      ok = o->hasUp = ParseVector(value, &o->up);
    } else {
      *error = "unknown option " + arg;
      return false;
    }
    if (!ok) {
      *error = "bad value for " + arg + ": " + value;
      return false;
    }
  }
  if (positional < 2) {
    *error = "render needs FILE and OUT.png";
    return false;
  }
  return true;
}

bool ModelBounds(const ModelFile& model, glm::vec3* low, glm::vec3* high) {
  bool any = false;
  for (const ModelMesh& mesh : model.meshes) {
    for (int32_t t = 0; t < mesh.triangleCount; ++t) {
      for (int32_t c = 0; c < 3; ++c) {
        ModelVertex v = mesh.Vertex(0, t, c);
        glm::vec3 p(v.x, v.y, v.z);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) continue;
        *low = any ? glm::min(*low, p) : p;
        *high = any ? glm::max(*high, p) : p;
        any = true;
      }
    }
  }
  return any;
}

void FrameModel(const ModelFile& model, RenderOptions* o) {
  glm::vec3 low(-1), high(1);
  ModelBounds(model, &low, &high);
  glm::vec3 centre = (low + high) * 0.5f;
  float radius = std::max(glm::length(high - low) * 0.5f, 0.01f);
  if (!o->hasAt) o->at = centre;
  if (!o->hasUp) o->up = glm::vec3(0, 0, 1);
  if (!o->hasEye) {
    // The vertical field of view is the narrower one (the picture is 4:3).
    float distance = radius / std::sin(o->fovDegrees * 3.1415927f / 360.0f) * 1.05f;
    o->eye = o->at + glm::vec3(0, -distance, 0);
  }
}
