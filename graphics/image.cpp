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
  area_ = ImageArea();
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

namespace {

bool PowerOfTwo(int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace

bool PackImageSheet(Image* images, int32_t count) {
  if (!GpuHasDevice() || images == nullptr || count <= 0) return false;
  std::vector<std::vector<uint8_t>> pictures(static_cast<size_t>(count));
  int32_t width = 0, height = 0;
  for (int32_t i = 0; i < count; ++i) {
    int32_t w = 0, h = 0;
    const std::vector<uint8_t>& bytes = images[i].fileBytes_;
    if (images[i].textureSet == nullptr || !DecodePictureBytes(bytes.data(), bytes.size(), 1024, &pictures[size_t(i)], &w, &h)) {
      return false;
    }
    if (i == 0) width = w, height = h;
    if (w != width || h != height || !PowerOfTwo(w) || !PowerOfTwo(h)) return false;
  }
  int32_t columns = 1;
  while (columns * columns < count) ++columns;
  const int32_t rows = (count + columns - 1) / columns;
  const size_t sheetWidth = size_t(columns) * size_t(width);
  std::vector<uint8_t> sheet(sheetWidth * size_t(rows) * size_t(height) * 4, 0);
  for (int32_t i = 0; i < count; ++i) {
    const int32_t column = i % columns, row = i / columns;
    for (int32_t y = 0; y < height; ++y) {
      const uint8_t* from = pictures[size_t(i)].data() + size_t(y) * size_t(width) * 4;
      uint8_t* to = sheet.data() + ((size_t(row) * size_t(height) + size_t(y)) * sheetWidth + size_t(column) * size_t(width)) * 4;
      std::copy(from, from + size_t(width) * 4, to);
    }
  }
  const GpuTextureId texture =
      GpuCreateTextureRgba(sheet.data(), int32_t(sheetWidth), rows * height, kWrapClamp);
  if (texture == 0) return false;
  for (int32_t i = 0; i < count; ++i) {
    Image& image = images[i];
    image.textureSet->baseTexture = texture;
    image.fileBytes_ = std::vector<uint8_t>();
    const float column = float(i % columns), row = float(i / columns);
    image.area_ = ImageArea{column / float(columns), row / float(rows), (column + 1) / float(columns),
                            (row + 1) / float(rows)};
  }
  return true;
}
