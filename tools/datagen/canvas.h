// A floating-point RGBA picture with anti-aliased drawing: filled shapes by
// signed distance (rounded rectangles, circles, rings, polygons, thick lines),
// gradients and deterministic noise. Screen pictures are saved from it as PNG
// and model pictures are taken from it as RGB bytes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <glm/glm.hpp>

using Colour = glm::vec4;  // straight (not premultiplied) red, green, blue, opacity, 0..1

Colour Rgb(int r, int g, int b, float a = 1.0f);
Colour WithAlpha(Colour c, float a);
Colour Mix(Colour a, Colour b, float t);
Colour Scaled(Colour c, float factor);  // colour times factor, opacity kept

// Signed distance from a point to a shape (negative inside), with the box
// outside which the shape surely has no pixels.
struct Distance {
  std::function<float(glm::vec2)> at;
  glm::vec2 low{-1e9f};
  glm::vec2 high{1e9f};
  float operator()(glm::vec2 p) const { return at(p); }
};
Distance RoundRectShape(glm::vec2 low, glm::vec2 high, float radius);
Distance CircleShape(glm::vec2 centre, float radius);
Distance RingShape(glm::vec2 centre, float radius, float halfWidth);
Distance PolygonShape(std::vector<glm::vec2> corners);
Distance LineShape(glm::vec2 a, glm::vec2 b, float halfWidth);
Distance Outlined(Distance shape, float halfWidth);  // the band along the shape's edge

// Deterministic value noise in 0..1, smooth at scale 1 (one cell per unit).
float ValueNoise(glm::vec2 p, uint32_t salt);
// Sum of octaves of value noise, 0..1.
float FractalNoise(glm::vec2 p, uint32_t salt, int octaves);

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Colour fill = Colour(0.0f));

  int Width() const { return width_; }
  int Height() const { return height_; }
  Colour At(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  void Set(int x, int y, Colour c) { pixels_[size_t(y) * size_t(width_) + size_t(x)] = c; }

  // Paints `c` over the pixel with the given coverage (0..1).
  void Blend(int x, int y, Colour c, float coverage = 1.0f);
  // Fills a shape; `paint` gives the colour at each pixel centre.
  void Fill(const Distance& shape, const std::function<Colour(glm::vec2)>& paint);
  void Fill(const Distance& shape, Colour c);
  // Fills a shape with a vertical gradient between its top and bottom rows.
  void FillVertical(const Distance& shape, float top, float bottom, Colour upper, Colour lower);
  // Applies `f` to every pixel (for procedural textures).
  void Shade(const std::function<Colour(glm::vec2, Colour)>& f);
  // Multiplies the colour (not the opacity) by 1 + amount * (noise - 0.5).
  void AddNoise(float amount, float scale, uint32_t salt);
  // Draws another canvas over this one with its top-left corner at (x, y), tinted.
  void Draw(const Canvas& other, int x, int y, Colour tint = Colour(1.0f));

  // RGB bytes rows from the top, each pixel composited over black.
  std::vector<uint8_t> Rgb() const;
  // RGBA bytes rows from the top.
  std::vector<uint8_t> Rgba() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

// Saves the canvas as a PNG (SDL2_image). False when it cannot be written.
bool SavePng(const Canvas& canvas, const std::string& path);
// Loads a PNG into a canvas (empty canvas when it cannot be read).
Canvas LoadPng(const std::string& path);
