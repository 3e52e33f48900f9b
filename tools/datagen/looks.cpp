// Procedural surface pictures for the models.
#include "tools/datagen/looks.h"

#include <algorithm>
#include <cmath>

namespace {

void AddRivet(Canvas& c, glm::vec2 at, float radius, Colour base) {
  c.Fill(CircleShape(at + glm::vec2(radius * 0.25f), radius), Scaled(base, 0.45f));
  c.Fill(CircleShape(at, radius), base);
  c.Fill(CircleShape(at - glm::vec2(radius * 0.3f), radius * 0.45f), Mix(base, Colour(1.0f), 0.5f));
}

}  // namespace

SurfaceLook FloorLook() {
  const int n = 128;
  Canvas c(n, n, palette::kFloor);
  c.AddNoise(0.25f, 6.0f, 11);
  // A bevelled plate: light top-left edge, dark bottom-right edge, fine tread.
  c.Fill(Outlined(RoundRectShape({3, 3}, {n - 3.0f, n - 3.0f}, 6), 1.2f), Mix(palette::kFloor, Colour(1.0f), 0.25f));
  c.Fill(Outlined(RoundRectShape({1, 1}, {n - 1.0f, n - 1.0f}, 6), 1.0f), palette::kFloorLine);
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 8; ++j) {
      glm::vec2 centre(16.0f + 13.5f * float(i), 16.0f + 13.5f * float(j));
      glm::vec2 d = ((i + j) % 2 == 0) ? glm::vec2(3.0f, 1.5f) : glm::vec2(1.5f, 3.0f);
      c.Fill(LineShape(centre - d, centre + d, 1.0f), Mix(palette::kFloor, Colour(1.0f), 0.12f));
    }
  }
  for (glm::vec2 at : {glm::vec2(9, 9), glm::vec2(n - 9.0f, 9), glm::vec2(9, n - 9.0f), glm::vec2(n - 9.0f, n - 9.0f)})
    AddRivet(c, at, 3.5f, Rgb(120, 130, 145));
  c.Shade([](glm::vec2, Colour k) { return WithAlpha(k, 0.74f); });  // the robots' reflections show through
  SurfaceLook look;
  look.pattern = c;
  look.bands = 1;
  look.translucent = true;
  look.specular = 0.12f;
  look.glossiness = 0.7f;
  return look;
}

SurfaceLook WallLook(uint32_t salt) {
  const int n = 64;
  Canvas c(n, n, palette::kWall);
  c.AddNoise(0.18f, 5.0f, salt);
  c.Fill(Outlined(RoundRectShape({2, 2}, {n - 2.0f, n - 2.0f}, 3), 1.0f), palette::kWallDark);
  c.Fill(LineShape({2, n * 0.5f}, {n - 2.0f, n * 0.5f}, 0.7f), palette::kWallDark);
  for (glm::vec2 at : {glm::vec2(6, 6), glm::vec2(n - 6.0f, 6), glm::vec2(6, n - 6.0f), glm::vec2(n - 6.0f, n - 6.0f)})
    AddRivet(c, at, 2.2f, Rgb(190, 196, 204));
  SurfaceLook look;
  look.pattern = c;
  look.specular = 0.15f;
  look.glossiness = 0.5f;
  return look;
}

SurfaceLook PaintLook(Colour colour, uint32_t salt) {
  const int n = 32;
  Canvas c(n, n, colour);
  c.AddNoise(0.15f, 4.0f, salt);
  c.Fill(Outlined(RoundRectShape({0.5f, 0.5f}, {n - 0.5f, n - 0.5f}, 2), 0.6f), Scaled(colour, 0.7f));
  SurfaceLook look;
  look.pattern = c;
  look.specular = 0.3f;
  look.glossiness = 0.6f;
  look.shine = 0.25f;
  return look;
}

SurfaceLook MetalLook(Colour colour, float shine) {
  const int n = 32;
  Canvas c(n, n, colour);
  c.Shade([&](glm::vec2 p, Colour k) {  // brushed along u
    float streak = FractalNoise({p.x * 0.15f, p.y * 2.0f}, 7, 3);
    return Scaled(k, 0.85f + 0.3f * streak);
  });
  SurfaceLook look;
  look.pattern = c;
  look.specular = 0.5f;
  look.glossiness = 0.8f;
  look.shine = shine;
  return look;
}

SurfaceLook RubberLook() {
  const int n = 32;
  Canvas c(n, n, Rgb(36, 36, 40));
  for (int i = 0; i < 4; ++i) c.Fill(LineShape({0, 4.0f + 8.0f * float(i)}, {float(n), 4.0f + 8.0f * float(i)}, 1.2f), Rgb(20, 20, 22));
  SurfaceLook look;
  look.pattern = c;
  look.specular = 0.05f;
  return look;
}

SurfaceLook HazardLook() {
  const int n = 32;
  Canvas c(n, n, palette::kHazard);
  c.Shade([](glm::vec2 p, Colour k) {
    float stripe = std::fmod(p.x + p.y, 16.0f);
    return stripe < 8.0f ? k : Rgb(28, 28, 30);
  });
  SurfaceLook look;
  look.pattern = c;
  look.specular = 0.1f;
  return look;
}

SurfaceLook LampLook(Colour colour) {
  SurfaceLook look;
  look.pattern = Canvas(16, 16, Scaled(colour, 0.35f));
  look.bands = 1;
  look.glow = GlowPicture(Scaled(colour, 0.8f));
  look.specular = 0.6f;
  look.glossiness = 0.9f;
  return look;
}

Canvas GlowPicture(Colour colour) { return Canvas(8, 8, WithAlpha(colour, 1.0f)); }

Canvas GlowRamp(Colour colour) {
  Canvas c(64, 4);
  c.Shade([&](glm::vec2 p, Colour) { return Colour(glm::vec3(colour) * (p.x / 64.0f), 1.0f); });
  return c;
}
