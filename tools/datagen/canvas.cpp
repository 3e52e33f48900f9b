// Anti-aliased drawing into floating-point RGBA pictures, PNG in and out.
#include "tools/datagen/canvas.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>

Colour Rgb(int r, int g, int b, float a) { return Colour(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, a); }
Colour WithAlpha(Colour c, float a) { return Colour(c.r, c.g, c.b, a); }
Colour Mix(Colour a, Colour b, float t) { return a + (b - a) * t; }
Colour Scaled(Colour c, float factor) { return Colour(glm::vec3(c) * factor, c.a); }

Distance RoundRectShape(glm::vec2 low, glm::vec2 high, float radius) {
  glm::vec2 centre = (low + high) * 0.5f, half = (high - low) * 0.5f;
  radius = std::min({radius, half.x, half.y});
  return {[=](glm::vec2 p) {
            glm::vec2 q = glm::abs(p - centre) - half + radius;
            return glm::length(glm::max(q, glm::vec2(0.0f))) + std::min(std::max(q.x, q.y), 0.0f) - radius;
          },
          low - 1.0f, high + 1.0f};
}

Distance CircleShape(glm::vec2 centre, float radius) {
  return {[=](glm::vec2 p) { return glm::length(p - centre) - radius; }, centre - radius - 1.0f, centre + radius + 1.0f};
}

Distance RingShape(glm::vec2 centre, float radius, float halfWidth) {
  float outer = radius + halfWidth + 1.0f;
  return {[=](glm::vec2 p) { return std::abs(glm::length(p - centre) - radius) - halfWidth; }, centre - outer, centre + outer};
}

Distance PolygonShape(std::vector<glm::vec2> v) {
  glm::vec2 low(1e9f), high(-1e9f);
  for (glm::vec2 p : v) {
    low = glm::min(low, p);
    high = glm::max(high, p);
  }
  auto at = [v](glm::vec2 p) {
    float d = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
      glm::vec2 e = v[j] - v[i], w = p - v[i];
      glm::vec2 b = w - e * std::clamp(glm::dot(w, e) / std::max(glm::dot(e, e), 1e-12f), 0.0f, 1.0f);
      d = std::min(d, glm::dot(b, b));
      bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
      if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) inside = !inside;
    }
    return (inside ? -1.0f : 1.0f) * std::sqrt(d);
  };
  return {at, low - 1.0f, high + 1.0f};
}

Distance LineShape(glm::vec2 a, glm::vec2 b, float halfWidth) {
  return {[=](glm::vec2 p) {
            glm::vec2 pa = p - a, ba = b - a;
            float h = std::clamp(glm::dot(pa, ba) / std::max(glm::dot(ba, ba), 1e-12f), 0.0f, 1.0f);
            return glm::length(pa - ba * h) - halfWidth;
          },
          glm::min(a, b) - halfWidth - 1.0f, glm::max(a, b) + halfWidth + 1.0f};
}

Distance Outlined(Distance shape, float halfWidth) {
  return {[=](glm::vec2 p) { return std::abs(shape(p)) - halfWidth; }, shape.low - halfWidth, shape.high + halfWidth};
}

namespace {

float Hash(int x, int y, uint32_t salt) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + salt * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xffffffu) / float(0xffffff);
}

}  // namespace

float ValueNoise(glm::vec2 p, uint32_t salt) {
  int x0 = int(std::floor(p.x)), y0 = int(std::floor(p.y));
  float fx = p.x - float(x0), fy = p.y - float(y0);
  fx = fx * fx * (3.0f - 2.0f * fx);
  fy = fy * fy * (3.0f - 2.0f * fy);
  float a = Hash(x0, y0, salt), b = Hash(x0 + 1, y0, salt);
  float c = Hash(x0, y0 + 1, salt), d = Hash(x0 + 1, y0 + 1, salt);
  return (a + (b - a) * fx) * (1.0f - fy) + (c + (d - c) * fx) * fy;
}

float FractalNoise(glm::vec2 p, uint32_t salt, int octaves) {
  float sum = 0.0f, weight = 0.5f, total = 0.0f;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(p, salt + uint32_t(i) * 101u) * weight;
    total += weight;
    p *= 2.0f;
    weight *= 0.5f;
  }
  return sum / total;
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(size_t(width_) * size_t(height_), fill) {}

void Canvas::Blend(int x, int y, Colour c, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
  if (a <= 0.0f) return;
  Colour& d = pixels_[size_t(y) * size_t(width_) + size_t(x)];
  float outA = a + d.a * (1.0f - a);
  glm::vec3 rgb = outA > 0.0f ? (glm::vec3(c) * a + glm::vec3(d) * d.a * (1.0f - a)) / outA : glm::vec3(0.0f);
  d = Colour(rgb, outA);
}

void Canvas::Fill(const Distance& shape, const std::function<Colour(glm::vec2)>& paint) {
  int x0 = std::max(0, int(std::floor(std::max(shape.low.x, -1.0f))));
  int y0 = std::max(0, int(std::floor(std::max(shape.low.y, -1.0f))));
  int x1 = std::min(width_, int(std::ceil(std::min(shape.high.x, float(width_) + 1.0f))));
  int y1 = std::min(height_, int(std::ceil(std::min(shape.high.y, float(height_) + 1.0f))));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      glm::vec2 p(float(x) + 0.5f, float(y) + 0.5f);
      float d = shape(p);
      if (d >= 0.5f) continue;
      Blend(x, y, paint(p), std::clamp(0.5f - d, 0.0f, 1.0f));
    }
  }
}

void Canvas::Fill(const Distance& shape, Colour c) {
  Fill(shape, [c](glm::vec2) { return c; });
}

void Canvas::FillVertical(const Distance& shape, float top, float bottom, Colour upper, Colour lower) {
  Fill(shape, [=](glm::vec2 p) { return Mix(upper, lower, std::clamp((p.y - top) / std::max(bottom - top, 1e-3f), 0.0f, 1.0f)); });
}

void Canvas::Shade(const std::function<Colour(glm::vec2, Colour)>& f) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) Set(x, y, f(glm::vec2(float(x) + 0.5f, float(y) + 0.5f), At(x, y)));
}

void Canvas::AddNoise(float amount, float scale, uint32_t salt) {
  Shade([=](glm::vec2 p, Colour c) {
    float n = FractalNoise(p / scale, salt, 3) - 0.5f;
    return Colour(glm::clamp(glm::vec3(c) * (1.0f + amount * n), 0.0f, 1.0f), c.a);
  });
}

void Canvas::Draw(const Canvas& other, int x, int y, Colour tint) {
  for (int sy = 0; sy < other.height_; ++sy)
    for (int sx = 0; sx < other.width_; ++sx) Blend(x + sx, y + sy, other.At(sx, sy) * tint);
}

namespace {
uint8_t ToByte(float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }
}  // namespace

std::vector<uint8_t> Canvas::Rgb() const {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels_.size() * 3);
  for (const Colour& c : pixels_)
    for (int k = 0; k < 3; ++k) bytes.push_back(ToByte(c[k] * c.a));
  return bytes;
}

std::vector<uint8_t> Canvas::Rgba() const {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels_.size() * 4);
  for (const Colour& c : pixels_)
    for (int k = 0; k < 4; ++k) bytes.push_back(ToByte(c[k]));
  return bytes;
}

bool SavePng(const Canvas& canvas, const std::string& path) {
  std::vector<uint8_t> bytes = canvas.Rgba();
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(bytes.data(), canvas.Width(), canvas.Height(), 32,
                                                            canvas.Width() * 4, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return false;
  bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

Canvas LoadPng(const std::string& path) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  if (!loaded) return Canvas();
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (!rgba) return Canvas();
  Canvas canvas(rgba->w, rgba->h);
  for (int y = 0; y < rgba->h; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(rgba->pixels) + size_t(y) * size_t(rgba->pitch);
    for (int x = 0; x < rgba->w; ++x)
      canvas.Set(x, y, Colour(row[x * 4] / 255.0f, row[x * 4 + 1] / 255.0f, row[x * 4 + 2] / 255.0f, row[x * 4 + 3] / 255.0f));
  }
  SDL_FreeSurface(rgba);
  return canvas;
}
