// Image loading and the picture-to-texture conversion through a 32-bit BMP.
#include "graphics/image.h"

#include <algorithm>
#include <cstdio>

#include "files/file_stream.h"
#include "graphics/file_bytes.h"
#include "platform/gpu_resources.h"

namespace {

void PutInt(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

bool HoldsPixels(const ModelPicture& picture) {
  return picture.BitsPerPixel() == 24 && picture.Width() > 0 && picture.Height() > 0 &&
         picture.pixels.size() >= size_t(picture.Width()) * size_t(picture.Height()) * 3;
}

}  // namespace

std::vector<uint8_t> BuildPictureBmp(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity) {
  if (rgb == nullptr || width <= 0 || height <= 0 || int64_t(width) * height > (1 << 26)) return {};
  const size_t w = size_t(width), h = size_t(height);
  std::vector<uint8_t> bmp(54 + w * h * 4, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  PutInt(bmp, 2, uint32_t(bmp.size()));
  PutInt(bmp, 10, 54);
  PutInt(bmp, 14, 40);
  PutInt(bmp, 18, uint32_t(width));
  PutInt(bmp, 22, uint32_t(height));
  bmp[26] = 1;
  bmp[28] = 32;
  PutInt(bmp, 34, uint32_t(w * h * 4));
  for (size_t y = 0; y < h; ++y) {
    uint8_t* row = bmp.data() + 54 + (h - 1 - y) * w * 4;
    for (size_t x = 0; x < w; ++x) {
      const uint8_t* source = rgb + (y * w + x) * 3;
      row[x * 4 + 0] = source[2];
      row[x * 4 + 1] = source[1];
      row[x * 4 + 2] = source[0];
      row[x * 4 + 3] = opacity != nullptr ? opacity[(y * w + x) * 3] : 0;
    }
  }
  return bmp;
}

GpuTextureId PictureToTexture(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity) {
  std::vector<uint8_t> bmp = BuildPictureBmp(rgb, width, height, opacity);
  if (bmp.empty()) return 0;
  // The fourth byte is opacity only when an opacity picture gave it.
  return GpuCreateTextureFromFileBytes(bmp.data(), bmp.size(), opacity == nullptr, kWrapRepeat);
}

GpuTextureId PictureToTexture(const ModelPicture& picture, const ModelPicture* opacity) {
  if (!HoldsPixels(picture)) return 0;
  const uint8_t* alpha = nullptr;
  if (opacity != nullptr && HoldsPixels(*opacity) && opacity->Width() == picture.Width() &&
      opacity->Height() == picture.Height()) {
    alpha = opacity->pixels.data();
  }
  return PictureToTexture(picture.pixels.data(), picture.Width(), picture.Height(), alpha);
}

void Image::Load(const char* path) {
  if (FileExists(path) == 0) {
    std::printf("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!%s\n", path);
    std::fflush(stdout);
  }
  if (textureSet == nullptr) textureSet = new MaterialTextureSet;
  *textureSet = MaterialTextureSet();
  if (!ReadFileBytes(path, kLargestImageFile, &fileBytes_)) fileBytes_.clear();
}

GpuTextureId Image::Texture() const {
  if (textureSet == nullptr) return 0;
  if (!fileBytes_.empty()) {
    textureSet->baseTexture = GpuCreateTextureFromFileBytes(fileBytes_.data(), fileBytes_.size(), false, kWrapClamp);
    fileBytes_ = std::vector<uint8_t>();
  }
  return textureSet->baseTexture;
}
