// Colour-blindness simulation: full-strength protanopia and deuteranopia as
// linear-light 3 x 3 matrices (Machado, Oliveira and Fernandes, 2009), and
// lightness as Rec. 709 luminance.
#include "tools/levelshots/colour_vision.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
using Matrix = std::array<std::array<float, 3>, 3>;

constexpr Matrix kProtanopia = {{{0.152286f, 1.052583f, -0.204868f},
                                 {0.114503f, 0.786281f, 0.099216f},
                                 {-0.003882f, -0.048116f, 1.051998f}}};
constexpr Matrix kDeuteranopia = {{{0.367322f, 0.860646f, -0.227968f},
                                   {0.280085f, 0.672501f, 0.047413f},
                                   {-0.011820f, 0.042940f, 0.968881f}}};
constexpr Matrix kLightness = {{{0.2126f, 0.7152f, 0.0722f}, {0.2126f, 0.7152f, 0.0722f}, {0.2126f, 0.7152f, 0.0722f}}};

float ToLinear(uint8_t v) {
  const float c = float(v) / 255.0f;
  return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

uint8_t ToSrgb(float c) {
  c = std::clamp(c, 0.0f, 1.0f);
  const float v = c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
  return uint8_t(std::lround(v * 255.0f));
}
}  // namespace

void SimulateColourVision(std::vector<uint8_t>& rgba, ColourVision vision) {
  if (vision == ColourVision::Normal) return;
  const Matrix& m = vision == ColourVision::Protanopia ? kProtanopia
                    : vision == ColourVision::Deuteranopia ? kDeuteranopia
                                                           : kLightness;
  std::array<float, 256> linear;
  for (int i = 0; i < 256; ++i) linear[size_t(i)] = ToLinear(uint8_t(i));
  for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
    const float c[3] = {linear[rgba[i]], linear[rgba[i + 1]], linear[rgba[i + 2]]};
    for (size_t k = 0; k < 3; ++k) rgba[i + k] = ToSrgb(m[k][0] * c[0] + m[k][1] * c[1] + m[k][2] * c[2]);
  }
}

const char* ColourVisionName(ColourVision vision) {
  switch (vision) {
    case ColourVision::Protanopia: return "protanopia";
    case ColourVision::Deuteranopia: return "deuteranopia";
    case ColourVision::Lightness: return "lightness";
    default: return "normal";
  }
}
