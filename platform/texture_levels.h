// The smaller pictures of a texture (its mipmap levels), made on the
// processor: the software renderer makes them by drawing, which cost a third
// of a second of start-up for the game's few hundred textures.
#pragma once
#include <cstdint>
#include <vector>

// The next level of an RGBA picture: max(1, width / 2) x max(1, height / 2),
// each pixel filtered from the larger picture at its centre, in the fixed
// point of the software renderer's own levels, so the picture stays the same.
void HalveRgba(const uint8_t* rgba, int32_t width, int32_t height, std::vector<uint8_t>* out);
