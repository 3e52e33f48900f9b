// Screen images: two triangles at depth 1 under the overlay camera, depth
// test off, blended by source alpha, texture x vertex colour.
#include "graphics/image_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/engine_state.h"
#include "graphics/image.h"
#include "platform/gpu_device.h"

namespace {

// A byte from a value already scaled to 0..255: outside values are clamped
// rather than wrapped round a byte.
uint8_t ScaledByte(float value) {
  if (!(value > 0)) return 0;  // also NaN
  return value >= 255 ? 255 : uint8_t(value);
}

uint8_t ColourByte(float value) { return ScaledByte(value * 255.0f); }

}  // namespace

std::array<ScreenPoint, 4> ImageCorners(const ImageDrawItem& item) {
  std::array<ScreenPoint, 4> corners = {ScreenPoint{item.x, item.y}, ScreenPoint{item.x + item.width, item.y},
                                        ScreenPoint{item.x, item.y + item.height},
                                        ScreenPoint{item.x + item.width, item.y + item.height}};
  if (item.angle == 0 && item.scale == 1) return corners;
  const float c = std::cos(item.angle), s = std::sin(item.angle);
  for (ScreenPoint& p : corners) {
    float dx = p.x - item.pivotX, dy = p.y - item.pivotY;
    p = ScreenPoint{c * dx * item.scale + s * dy * item.scale + item.pivotX,
                    c * dy * item.scale - s * dx * item.scale + item.pivotY};
  }
  return corners;
}

std::array<uint8_t, 4> ImageVertexColour(const ImageDrawItem& item) {
  float opacity = item.opacity > 0 ? std::min(item.opacity, 1.0f) : 0.0f;
  // Alpha byte scaled first, then faded: a x 255 x opacity, truncated.
  return {ColourByte(item.r), ColourByte(item.g), ColourByte(item.b), ScaledByte(item.a * 255.0f * opacity)};
}

namespace {

void AppendQuad(std::vector<GpuScreenVertex>& run, const std::array<ScreenPoint, 4>& corners,
                const std::array<uint8_t, 4>& colour, const float uv[4][2]) {
  GpuScreenVertex v[4];
  for (int k = 0; k < 4; ++k) {
    v[k] = GpuScreenVertex{2 * corners[k].x - 1, 1 - 2 * corners[k].y, 1, colour[0], colour[1], colour[2], colour[3],
                           uv[k][0], uv[k][1]};
  }
  run.insert(run.end(), {v[0], v[1], v[2], v[1], v[2], v[3]});
}

// An upright picture shown at least at its own size is drawn without its
// clear parts (a frame around the screen is mostly clear middle): a pixel
// there would blend in nothing. Returns false when the picture is drawn whole.
bool AppendShowingParts(std::vector<GpuScreenVertex>& run, const ImageDrawItem& item, GpuTextureId texture,
                        const std::array<uint8_t, 4>& colour) {
  GpuClearCells cells;
  const ImageArea area = item.image != nullptr ? item.image->Area() : ImageArea();
  if (area.u0 != 0 || area.v0 != 0 || area.u1 != 1 || area.v1 != 1) return false;  // a cell of a sheet
  if (item.angle != 0 || item.scale != 1 || !GpuTextureClearCells(texture, &cells)) return false;
  int32_t sceneWidth = 0, sceneHeight = 0;
  GpuGetSceneSize(&sceneWidth, &sceneHeight);
  if (std::fabs(item.width) * float(sceneWidth) < float(cells.width) ||
      std::fabs(item.height) * float(sceneHeight) < float(cells.height)) {
    return false;  // shrunk: coarser mipmap levels reach further than the cells' margin
  }
  // The first texel of a cell, as a fraction of the picture.
  auto edge = [](int32_t cell, int32_t cellCount, int32_t texels) {
    return float((int64_t(cell) * texels + cellCount - 1) / cellCount) / float(texels);
  };
  for (int32_t r = 0; r < cells.rows; ++r) {
    const float v0 = edge(r, cells.rows, cells.height), v1 = edge(r + 1, cells.rows, cells.height);
    for (int32_t c = 0; c < cells.columns;) {
      if (cells.clear[size_t(r) * size_t(cells.columns) + size_t(c)] != 0) {
        ++c;
        continue;
      }
      int32_t end = c;
      while (end < cells.columns && cells.clear[size_t(r) * size_t(cells.columns) + size_t(end)] == 0) ++end;
      const float u0 = edge(c, cells.columns, cells.width), u1 = edge(end, cells.columns, cells.width);
      const float x0 = item.x + item.width * u0, x1 = item.x + item.width * u1;
      const float y0 = item.y + item.height * v0, y1 = item.y + item.height * v1;
      const std::array<ScreenPoint, 4> corners = {ScreenPoint{x0, y0}, ScreenPoint{x1, y0}, ScreenPoint{x0, y1},
                                                  ScreenPoint{x1, y1}};
      const float uv[4][2] = {{u0, v0}, {u1, v0}, {u0, v1}, {u1, v1}};
      AppendQuad(run, corners, colour, uv);
      c = end;
    }
  }
  return true;
}

}  // namespace

void DrawImageItems(const ImageDrawItem* items, int32_t count) {
  EngineState& engine = Engine();
  GpuDrawState& s = engine.device;
  s.material = GpuMaterial{glm::vec4(1), glm::vec4(1), glm::vec4(0), glm::vec4(0), 0};
  s.depthTest = false;
  s.cullClockwise = false;
  s.world = engine.viewMatrix;
  s.view = glm::mat4(1);
  s.blend = true;
  s.sourceBlend = kBlendSrcAlpha;
  s.destinationBlend = kBlendInvSrcAlpha;
  s.stageColour = kStageTextureDiffuse;
  s.stageAlphaModulate = true;
  s.texCoordSource = kTexCoordVertex;
  // The frame's screen vertices go to the GPU in one write; a run per texture.
  static std::vector<GpuScreenVertex> run;
  static std::vector<GpuScreenRun> runs;
  run.clear();
  runs.clear();
  int32_t runStart = 0;
  auto flush = [&]() {
    const int32_t end = int32_t(run.size());
    if (end > runStart) runs.push_back(GpuScreenRun{s.texture, runStart, end - runStart});
    runStart = end;
  };
  for (int32_t i = 0; i < count; ++i) {
    const ImageDrawItem& item = items[i];
    const std::array<uint8_t, 4> colour = ImageVertexColour(item);
    if (colour[3] == 0) continue;
    const GpuTextureId texture = item.image != nullptr ? item.image->Texture() : 0;
    if (texture != s.texture) flush();
    s.texture = texture;
    // Pictures on one sheet (the letters of a line of text) share its texture and go in one call.
    const ImageArea a = item.image != nullptr ? item.image->Area() : ImageArea();
    const float uv[4][2] = {{a.u0, a.v0}, {a.u1, a.v0}, {a.u0, a.v1}, {a.u1, a.v1}};
    if (!AppendShowingParts(run, item, texture, colour)) AppendQuad(run, ImageCorners(item), colour, uv);
  }
  flush();
  if (!runs.empty()) GpuDrawScreenRuns(s, run.data(), runs.data(), int32_t(runs.size()));
  s.texture = 0;
  s.depthTest = true;
}
