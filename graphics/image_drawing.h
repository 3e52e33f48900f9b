// Drawing one queued screen image under the overlay camera: a quad in screen
// fractions, turned and scaled about its pivot, coloured and faded.
#pragma once
#include <array>
#include <cstdint>

#include "graphics/render_queue.h"

struct ScreenPoint {
  float x, y;
};

// The four corners (top-left, top-right, bottom-left, bottom-right), turned by
// angle and scaled about the pivot when angle != 0 or scale != 1. This works
// in screen fractions, so on a non-square picture a turned image is sheared.
std::array<ScreenPoint, 4> ImageCorners(const ImageDrawItem& item);
// Colour bytes of the image's vertices: opacity clamped to 0..1 and folded into alpha.
std::array<uint8_t, 4> ImageVertexColour(const ImageDrawItem& item);

// Draws the images in order; neighbours with the same texture go in one call,
// and fully faded ones (alpha 0 leaves the frame as it was) are skipped.
void DrawImageItems(const ImageDrawItem* items, int32_t count);
