// Halving RGBA pictures for mipmap levels.
#include "platform/texture_levels.h"

#include <algorithm>
#include <cmath>

namespace {

// Where a smaller picture's pixel centres fall on the larger one: the two
// source pixels on either side and the weight of the second, in 256ths.
struct Tap {
  int32_t first, second, weight;
};

// Between two channel values in fixed point, halves rounded up: the software
// renderer filters so, and levels made alike show the same picture.
int32_t Lerp(int32_t a, int32_t b, int32_t weight) { return a + (((b - a) * weight + 128) >> 8); }

std::vector<Tap> Taps(int32_t from, int32_t to) {
  std::vector<Tap> taps(static_cast<size_t>(to));
  for (int32_t i = 0; i < to; ++i) {
    const float centre = (float(i) + 0.5f) * float(from) / float(to) - 0.5f;
    const float floor = std::floor(centre);
    const int32_t a = int32_t(floor);
    const int32_t weight = int32_t(std::lround((centre - floor) * 256.0f));
    taps[size_t(i)] = Tap{std::clamp(a, 0, from - 1), std::clamp(a + 1, 0, from - 1), weight};
  }
  return taps;
}

}  // namespace

void HalveRgba(const uint8_t* rgba, int32_t width, int32_t height, std::vector<uint8_t>* out) {
  const int32_t w = std::max(1, width / 2), h = std::max(1, height / 2);
  out->resize(size_t(w) * size_t(h) * 4);
  const std::vector<Tap> across = Taps(width, w), down = Taps(height, h);
  for (int32_t y = 0; y < h; ++y) {
    const Tap& ty = down[size_t(y)];
    const uint8_t* rowA = rgba + size_t(ty.first) * size_t(width) * 4;
    const uint8_t* rowB = rgba + size_t(ty.second) * size_t(width) * 4;
    uint8_t* target = out->data() + size_t(y) * size_t(w) * 4;
    for (int32_t x = 0; x < w; ++x) {
      const Tap& tx = across[size_t(x)];
      for (int32_t c = 0; c < 4; ++c) {
        const int32_t top = Lerp(rowA[tx.first * 4 + c], rowA[tx.second * 4 + c], tx.weight);
        const int32_t bottom = Lerp(rowB[tx.first * 4 + c], rowB[tx.second * 4 + c], tx.weight);
        target[x * 4 + c] = uint8_t(Lerp(top, bottom, ty.weight));
      }
    }
  }
}
