// Screen pictures and model pictures as textures. An Image is one picture file
// (PNG under "data/png/") decoded by the platform's loader; a model picture is
// raw RGB (with an optional opacity picture) made into a texture directly.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/model.h"

// Where a picture lies on its texture, as fractions of it: all of it, or its
// cell of a sheet shared with other pictures.
struct ImageArea {
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

class Image {
 public:
  Image() = default;
  ~Image() { delete textureSet; }
  // One owner for the texture set: a copy would free it twice.
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  // Reads the whole file through FileStream. A missing, damaged or oversized
  // file prints one diagnostic line naming it (a damaged one when its texture
  // is first asked for) and leaves an image that draws untextured.
  void Load(const char* path);

  MaterialTextureSet* textureSet = nullptr;  // kind 1; only the base texture is used
  // The texture, decoded from the file's bytes the first time it is asked for:
  // pictures shown only later (the level cards) cost neither start time nor
  // memory before then.
  GpuTextureId Texture() const;
  ImageArea Area() const { return area_; }

 private:
  friend bool PackImageSheet(Image* images, int32_t count);
  mutable std::vector<uint8_t> fileBytes_;  // until the texture is made
  std::string path_;                        // for the diagnostic line
  ImageArea area_;
};

// Puts loaded pictures of one size on one texture, side by side, so that a
// line of them (text in a picture font) draws in one call. The size must be
// a power of two each way: every smaller level of the texture then keeps the
// cells apart. False, leaving every picture with a texture of its own, when
// there is no device or any of them cannot be read or differs in size.
bool PackImageSheet(Image* images, int32_t count);

// The RGBA pixels of a w x h picture, rows from the top: the colour, and as
// opacity the first byte of the opacity picture's pixel (opaque without one).
// `rgb` and `opacity` are w x h x 3 bytes. Empty when the sizes are not positive.
std::vector<uint8_t> PictureRgba(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity);

// A texture from raw pixels; 0 when `rgb` is absent or the size is not positive.
// Without an opacity picture the texture is opaque.
GpuTextureId PictureToTexture(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity);
// A model picture (24 bits per pixel) with an optional same-sized opacity
// picture; pictures of another depth or with too few bytes give 0.
GpuTextureId PictureToTexture(const ModelPicture& picture, const ModelPicture* opacity);
