// Screen pictures and model pictures as textures. An Image is one picture file
// (PNG under "data/png/") decoded by the platform's loader; a model picture is
// raw RGB turned into an in-memory 32-bit BMP and decoded the same way.
#pragma once
#include <cstdint>
#include <vector>

#include "graphics/model.h"

class Image {
 public:
  Image() = default;
  // Reads the whole file through FileStream and makes its texture. A missing
  // file prints one diagnostic line and leaves an image that draws untextured.
  void Load(const char* path);

  MaterialTextureSet* textureSet = nullptr;  // kind 1; only the base texture is used
  // The texture, decoded from the file's bytes the first time it is asked for:
  // pictures shown only later (the level cards) cost neither start time nor
  // memory before then.
  GpuTextureId Texture() const;

 private:
  mutable std::vector<uint8_t> fileBytes_;  // until the texture is made
};

// The BMP file image of a w x h picture: 54-byte headers, then rows bottom
// first, each pixel blue, green, red, opacity (the first byte of the opacity
// picture's pixel, or 0 without one). `rgb` and `opacity` are w x h x 3 bytes,
// rows from the top. Empty when the sizes are not positive or the bytes too few.
std::vector<uint8_t> BuildPictureBmp(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity);

// A texture from raw pixels; 0 when `rgb` is absent or cannot be decoded.
// Without an opacity picture the texture is opaque.
GpuTextureId PictureToTexture(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity);
// A model picture (24 bits per pixel) with an optional same-sized opacity
// picture; pictures of another depth or with too few bytes give 0.
GpuTextureId PictureToTexture(const ModelPicture& picture, const ModelPicture* opacity);
