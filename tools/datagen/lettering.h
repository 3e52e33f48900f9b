// Solid 3D lettering: text rendered with a real font, its ink cut into as few
// rectangles as possible and each raised into a block. The letters stand in
// the x-z plane facing -y, centred on the origin, raised from y = 0 to +depth.
#pragma once
#include <string>

#include "tools/datagen/mesh.h"
#include "tools/datagen/text.h"

// `pixels` is the glyph size the ink is cut at (the step size of the blocks).
Mesh MakeLettering(const std::string& utf8, float height, float depth, FontFace face = FontFace::Bold, int pixels = 40);
// Width of that lettering for the given height (0 for empty text).
float LetteringWidth(const std::string& utf8, float height, FontFace face = FontFace::Bold, int pixels = 40);

// Covers a set of grid cells with rectangles (x, y, width, height), greedily.
struct GridRect {
  int x, y, width, height;
};
std::vector<GridRect> CoverGrid(const std::vector<bool>& cells, int columns, int rows);
