// Vertex buffers and textures on the GPU stand-in. Ids are 0 for "none"; a
// failed creation gives 0 and draws nothing (or with no texture).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

using GpuBufferId = uint32_t;
using GpuTextureId = uint32_t;

// A vertex of a mesh: position, normal, texture (the D3DFVF_XYZ | NORMAL | TEX1 layout).
struct GpuMeshVertex {
  float x, y, z;
  float nx, ny, nz;
  float u, v;
};
static_assert(sizeof(GpuMeshVertex) == 32);

// Counts the vertex buffers and textures made so far: a picture kept from an
// earlier frame (the settled scene) is stale once models have been (re)loaded.
uint32_t GpuResourceGeneration();
GpuBufferId GpuCreateVertexBuffer(const GpuMeshVertex* vertices, size_t count);

enum GpuTextureWrap : int32_t { kWrapRepeat = 0, kWrapClamp = 1 };
// From RGBA bytes, top row first; mipmapped, linear filtering.
GpuTextureId GpuCreateTextureRgba(const uint8_t* rgba, int32_t width, int32_t height, GpuTextureWrap wrap);
// From the bytes of a PNG or BMP file (SDL2_image). `opaque` sets every
// pixel's alpha to 255 (for 32-bit pictures whose fourth byte is no opacity).
GpuTextureId GpuCreateTextureFromFileBytes(const uint8_t* bytes, size_t size, bool opaque, GpuTextureWrap wrap);
// The decoding behind it, needing no device: RGBA pixels, top row first, of a
// PNG or BMP no wider or taller than `largest`. False (and nothing allocated
// for the picture) for another format, a damaged file, or a header claiming
// more pixels than the file's bytes could hold.
bool DecodePictureBytes(const uint8_t* bytes, size_t size, int32_t largest, std::vector<uint8_t>* rgba,
                        int32_t* width, int32_t* height);
void GpuGetTextureSize(GpuTextureId texture, int32_t* width, int32_t* height);

// A picture with clear parts cut into columns x rows cells (texel x of width
// falls in column x * columns / width); clear[row * columns + column] is 1
// when no texel in or next to the cell shows. False for textures without
// clear parts.
struct GpuClearCells {
  int32_t width = 0, height = 0, columns = 0, rows = 0;
  const uint8_t* clear = nullptr;
};
bool GpuTextureClearCells(GpuTextureId texture, GpuClearCells* cells);
