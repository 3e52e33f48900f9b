// Image loading and the picture-to-texture conversion.
#include "graphics/image.h"

#include <algorithm>
#include <cstdio>

#include "files/file_stream.h"
#include "graphics/file_bytes.h"
#include "platform/gpu_device.h"
#include "platform/gpu_resources.h"

namespace {

bool HoldsPixels(const ModelPicture& picture) {
  return picture.BitsPerPixel() == 24 && picture.Width() > 0 && picture.Height() > 0 &&
         picture.pixels.size() >= size_t(picture.Width()) * size_t(picture.Height()) * 3;
}

}  // namespace

std::vector<uint8_t> PictureRgba(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity) {
  if (rgb == nullptr || width <= 0 || height <= 0 || int64_t(width) * height > (1 << 26)) return {};
  const size_t pixels = size_t(width) * size_t(height);
  std::vector<uint8_t> rgba(pixels * 4);
  for (size_t i = 0; i < pixels; ++i) {
    rgba[i * 4 + 0] = rgb[i * 3 + 0];
    rgba[i * 4 + 1] = rgb[i * 3 + 1];
    rgba[i * 4 + 2] = rgb[i * 3 + 2];
    rgba[i * 4 + 3] = opacity != nullptr ? opacity[i * 3] : 255;
  }
  return rgba;
}

GpuTextureId PictureToTexture(const uint8_t* rgb, int32_t width, int32_t height, const uint8_t* opacity) {
  // Straight to the texture: a picture file decoder would take an opacity of
  // 0 everywhere for a picture without opacity and draw it solid.
  std::vector<uint8_t> rgba = PictureRgba(rgb, width, height, opacity);
  if (rgba.empty()) return 0;
  return GpuCreateTextureRgba(rgba.data(), width, height, kWrapRepeat);
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
  if (!ReadFileBytes(path, kLargestImageFile, &fileBytes_)) {
    fileBytes_.clear();
    if (FileExists(path) != 0) std::printf("Picture \"%s\": larger than any picture of the game\n", path);
    std::fflush(stdout);
  }
  path_ = path;
}

GpuTextureId Image::Texture() const {
  if (textureSet == nullptr) return 0;
  if (!fileBytes_.empty()) {
    textureSet->baseTexture = GpuCreateTextureFromFileBytes(fileBytes_.data(), fileBytes_.size(), false, kWrapClamp);
    fileBytes_ = std::vector<uint8_t>();
    if (textureSet->baseTexture == 0 && GpuHasDevice()) {
      std::printf("Picture \"%s\": damaged, or not a PNG picture of a size the game can show\n", path_.c_str());
      std::fflush(stdout);
    }
  }
  return textureSet->baseTexture;
}
