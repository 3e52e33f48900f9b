// What a texture's pixels let drawing skip, noted once when it is made:
// whether it is fully opaque (blending by its alpha then replaces), whether it
// is one colour (then it need not be sampled), and which parts of a picture
// with clear areas are clear (a screen picture's clear middle need not be drawn).
#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/gpu_internal.h"
#include "platform/gpu_resources.h"

namespace {

constexpr int32_t kGridCells = 32;

struct TextureFacts {
  bool opaque = false;
  bool solid = false;
  float colour[4] = {};
  int32_t width = 0, height = 0, columns = 0, rows = 0;
  std::vector<uint8_t> clearCells;  // columns x rows; empty for opaque textures
};

std::unordered_map<GLuint, TextureFacts>& Facts() {
  static std::unordered_map<GLuint, TextureFacts> facts;
  return facts;
}

// A cell counts as clear only when no texel within one texel of it shows:
// filtering reads the neighbours of the texel a pixel falls in.
void FindClearCells(TextureFacts& f, const uint8_t* rgba) {
  f.columns = std::min(kGridCells, f.width);
  f.rows = std::min(kGridCells, f.height);
  f.clearCells.assign(size_t(f.columns) * size_t(f.rows), 1);
  auto cellOf = [](int32_t texel, int32_t texels, int32_t cells) { return int32_t(int64_t(texel) * cells / texels); };
  for (int32_t y = 0; y < f.height; ++y) {
    for (int32_t x = 0; x < f.width; ++x) {
      if (rgba[(size_t(y) * size_t(f.width) + size_t(x)) * 4 + 3] == 0) continue;
      const int32_t c0 = cellOf(std::max(x - 1, 0), f.width, f.columns);
      const int32_t c1 = cellOf(std::min(x + 1, f.width - 1), f.width, f.columns);
      const int32_t r0 = cellOf(std::max(y - 1, 0), f.height, f.rows);
      const int32_t r1 = cellOf(std::min(y + 1, f.height - 1), f.height, f.rows);
      for (int32_t r = r0; r <= r1; ++r) {
        for (int32_t c = c0; c <= c1; ++c) f.clearCells[size_t(r) * size_t(f.columns) + size_t(c)] = 0;
      }
    }
  }
}

}  // namespace

void GpuNoteTexturePixels(GLuint texture, const uint8_t* rgba, int32_t width, int32_t height) {
  TextureFacts facts;
  facts.opaque = true;
  facts.solid = true;
  facts.width = width;
  facts.height = height;
  const size_t bytes = size_t(width) * size_t(height) * 4;
  for (size_t i = 0; i < bytes && (facts.opaque || facts.solid); i += 4) {
    facts.opaque = facts.opaque && rgba[i + 3] == 255;
    facts.solid = facts.solid && std::memcmp(rgba + i, rgba, 4) == 0;
  }
  for (int c = 0; c < 4; ++c) facts.colour[c] = float(rgba[c]) / 255.0f;
  if (!facts.opaque) FindClearCells(facts, rgba);
  Facts()[texture] = std::move(facts);
}

bool GpuTextureIsOpaque(GLuint texture) {
  auto found = Facts().find(texture);
  return found != Facts().end() && found->second.opaque;
}

bool GpuTextureIsSolid(GLuint texture, float colour[4]) {
  auto found = Facts().find(texture);
  if (found == Facts().end() || !found->second.solid) return false;
  std::memcpy(colour, found->second.colour, sizeof found->second.colour);
  return true;
}

bool GpuTextureClearCells(GpuTextureId texture, GpuClearCells* cells) {
  auto found = Facts().find(texture);
  if (found == Facts().end() || found->second.clearCells.empty()) return false;
  const TextureFacts& f = found->second;
  *cells = GpuClearCells{f.width, f.height, f.columns, f.rows, f.clearCells.data()};
  return true;
}
