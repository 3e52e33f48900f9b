// Light effects for animated models.
#include "tools/datagen/effects.h"

#include <algorithm>

#include "tools/datagen/looks.h"
#include "tools/datagen/shapes.h"

void AddGlow(ModelKit& kit, const char* name, Colour colour, const std::function<Mesh(int)>& shape,
             const std::function<float(int)>& level) {
  int glow = kit.AddGlowMaterial(name, GlowRamp(colour));
  kit.AddAnimated(name, glow, [&](int frame) {
    Mesh m = shape(frame);
    float u = 0.02f + 0.96f * std::clamp(level(frame), 0.0f, 1.0f);
    for (MeshTriangle& t : m.triangles)
      for (MeshVertex& v : t.v) v.uv = {u, 0.5f};
    return m;
  });
}

Mesh LightColumn(float radius, float height) {
  Mesh outside = MakeCylinder(radius, radius * 0.85f, 0.0f, height, 16, false);
  Mesh both = outside;
  for (MeshTriangle t : outside.triangles) {
    std::swap(t.v[1], t.v[2]);
    both.triangles.push_back(t);
  }
  return both;
}

