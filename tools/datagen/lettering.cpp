// Solid 3D lettering cut from font ink.
#include "tools/datagen/lettering.h"

#include "tools/datagen/shapes.h"

std::vector<GridRect> CoverGrid(const std::vector<bool>& cells, int columns, int rows) {
  std::vector<bool> used(cells.size(), false);
  auto free = [&](int x, int y) { return cells[size_t(y * columns + x)] && !used[size_t(y * columns + x)]; };
  std::vector<GridRect> rects;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      if (!free(x, y)) continue;
      int w = 1;
      while (x + w < columns && free(x + w, y)) ++w;
      int h = 1;
      for (bool grow = true; grow && y + h < rows; ) {
        for (int i = 0; i < w; ++i) grow = grow && free(x + i, y + h);
        if (grow) ++h;
      }
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) used[size_t((y + j) * columns + x + i)] = true;
      rects.push_back({x, y, w, h});
    }
  }
  return rects;
}

float LetteringWidth(const std::string& utf8, float height, FontFace face, int pixels) {
  Canvas ink = RenderInk(utf8, face, pixels);
  if (ink.Height() == 0) return 0.0f;
  return height * float(ink.Width()) / float(ink.Height());
}

Mesh MakeLettering(const std::string& utf8, float height, float depth, FontFace face, int pixels) {
  Mesh mesh;
  Canvas ink = RenderInk(utf8, face, pixels);
  if (ink.Height() == 0) return mesh;
  int columns = ink.Width(), rows = ink.Height();
  std::vector<bool> cells(size_t(columns) * size_t(rows));
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) cells[size_t(y * columns + x)] = ink.At(x, y).a >= 0.5f;
  float step = height / float(rows);
  float left = -0.5f * step * float(columns);
  for (const GridRect& r : CoverGrid(cells, columns, rows)) {
    float x0 = left + step * float(r.x), x1 = x0 + step * float(r.width);
    float z1 = height * 0.5f - step * float(r.y), z0 = z1 - step * float(r.height);
    mesh.Append(MakeBox({x0, 0.0f, z0}, {x1, depth, z1}));
  }
  return mesh;
}
