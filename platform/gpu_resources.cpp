// Vertex buffers and textures: from mesh vertices, from RGBA bytes, and from
// PNG or BMP file bytes decoded by SDL2_image.
#include "platform/gpu_resources.h"

#include <SDL_image.h>

#include <algorithm>
#include <vector>

#include "platform/gpu_device.h"
#include "platform/gpu_internal.h"
#include "platform/texture_levels.h"

namespace {
uint32_t resourceGeneration = 0;
}

uint32_t GpuResourceGeneration() { return resourceGeneration; }

GpuBufferId GpuCreateVertexBuffer(const GpuMeshVertex* vertices, size_t count) {
  if (!GpuHasDevice() || count == 0) return 0;
  ++resourceGeneration;
  while (glGetError() != GL_NO_ERROR) {
  }  // only this creation's own errors count below
  GLuint buffer = 0;
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(count * sizeof(GpuMeshVertex)), vertices, GL_STATIC_DRAW);
  if (glGetError() != GL_NO_ERROR) {
    glDeleteBuffers(1, &buffer);
    return 0;
  }
  return buffer;
}

GpuTextureId GpuCreateTextureRgba(const uint8_t* rgba, int32_t width, int32_t height, GpuTextureWrap wrap) {
  if (!GpuHasDevice() || rgba == nullptr || width <= 0 || height <= 0) return 0;
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  if (width > largest || height > largest) return 0;
  ++resourceGeneration;
  // Creating binds on the active unit: the draw calls' record of bindings is void.
  GpuForgetAppliedState();
  GpuForgetLayeredState();
  glActiveTexture(GL_TEXTURE0);
  while (glGetError() != GL_NO_ERROR) {
  }  // only this creation's own errors count below
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // Storage for every level at once where the driver can: given level by
  // level, it keeps each apart and copies them together at the first draw.
  const bool storage = epoxy_has_gl_extension("GL_ARB_texture_storage");
  int32_t levelCount = 1;
  while ((std::max(width, height) >> levelCount) > 0) ++levelCount;
  auto put = [storage](int32_t level, int32_t w, int32_t h, const uint8_t* pixels) {
    if (storage) glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    else glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  };
  if (storage) glTexStorage2D(GL_TEXTURE_2D, levelCount, GL_RGBA8, width, height);
  put(0, width, height, rgba);
  std::vector<uint8_t> levels[2];
  const uint8_t* above = rgba;
  for (int32_t level = 1, w = width, h = height; level < levelCount; ++level) {
    std::vector<uint8_t>& next = levels[level % 2];
    HalveRgba(above, w, h, &next);
    w = std::max(1, w / 2);
    h = std::max(1, h / 2);
    put(level, w, h, next.data());
    above = next.data();
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  GLint mode = wrap == kWrapClamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
  glBindTexture(GL_TEXTURE_2D, 0);
  if (glGetError() != GL_NO_ERROR) {
    glDeleteTextures(1, &texture);
    return 0;
  }
  GpuNoteTexturePixels(texture, rgba, width, height);
  return texture;
}

namespace {

uint32_t BigEndian(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint32_t LittleEndian(const uint8_t* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }

// Deflate never packs more than about 1032 bytes into one.
constexpr int64_t kDeflateLargestRatio = 1032;
// A BMP run takes two bytes for up to 255 pixels.
constexpr int64_t kBmpLargestRatio = 128;

// Bits of one PNG pixel from the header's depth and colour type; 0 for a
// combination the format does not have.
int64_t PngPixelBits(uint8_t depth, uint8_t colourType) {
  const int64_t channels[7] = {1, 0, 3, 1, 2, 0, 4};
  if (colourType > 6 || channels[colourType] == 0 || depth == 0 || depth > 16) return 0;
  return depth * channels[colourType];
}

// Every chunk of a PNG lies within the file: the decoder skips a chunk it
// does not know by reading its length out of the file, and a length of many
// megabytes in a file of a few hundred bytes would keep it reading nothing.
bool PngChunksFit(const uint8_t* bytes, size_t size) {
  size_t at = 8;
  while (at + 12 <= size) {
    uint32_t length = BigEndian(bytes + at);
    if (length > size - at - 12) return false;
    bool last = std::equal(bytes + at + 4, bytes + at + 8, "IEND");
    at += 12 + size_t(length);
    if (last) return true;
  }
  return false;  // the file ends inside a chunk, or before its end chunk
}

// The size a PNG or BMP header claims, checked before the decoder allocates
// for it: no texture larger than the device takes, and no more pixels than
// the file's bytes can hold even packed as tightly as the format allows, so a
// few bytes of a hostile file cannot cost hundreds of megabytes.
bool ClaimedSizeFits(const uint8_t* bytes, size_t size, int64_t largest) {
  int64_t w = 0, h = 0;
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size >= 26 && std::equal(kPng, kPng + 8, bytes)) {
    w = BigEndian(bytes + 16);
    h = BigEndian(bytes + 20);
    if (!PngChunksFit(bytes, size)) return false;
    int64_t bits = PngPixelBits(bytes[24], bytes[25]);
    if (bits == 0 || w <= 0 || h <= 0 || w > largest || h > largest) return false;
    int64_t rawBytes = h * ((w * bits + 7) / 8 + 1);  // each row starts with its filter byte
    if (rawBytes > int64_t(size) * kDeflateLargestRatio) return false;
  } else if (size >= 26 && bytes[0] == 'B' && bytes[1] == 'M') {
    w = int32_t(LittleEndian(bytes + 18));
    h = int32_t(LittleEndian(bytes + 22));
    if (h < 0) h = -h;  // rows stored top-down
    if (w <= 0 || h <= 0 || w * h > int64_t(size) * kBmpLargestRatio) return false;
  } else {
    return false;  // the game's pictures are PNG files and BMPs made in memory
  }
  return w <= largest && h <= largest && w * h <= (int64_t(1) << 26);
}

// Half the size, each pixel the mean of four weighted by their opacity (so
// that clear pixels lend no colour to the edges of what shows).
void HalvePicture(std::vector<uint8_t>& rgba, int32_t& width, int32_t& height) {
  const int32_t w = width / 2, h = height / 2;
  std::vector<uint8_t> half(size_t(w) * size_t(h) * 4);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      uint32_t colour[3] = {0, 0, 0}, alpha = 0;
      for (int32_t k = 0; k < 4; ++k) {
        const uint8_t* p = rgba.data() + (size_t(2 * y + k / 2) * size_t(width) + size_t(2 * x + k % 2)) * 4;
        for (int c = 0; c < 3; ++c) colour[c] += uint32_t(p[c]) * p[3];
        alpha += p[3];
      }
      uint8_t* out = half.data() + (size_t(y) * size_t(w) + size_t(x)) * 4;
      for (int c = 0; c < 3; ++c) out[c] = alpha > 0 ? uint8_t((colour[c] + alpha / 2) / alpha) : 0;
      out[3] = uint8_t((alpha + 2) / 4);
    }
  }
  rgba.swap(half);
  width = w;
  height = h;
}

}  // namespace

bool DecodePictureBytes(const uint8_t* bytes, size_t size, int32_t largest, std::vector<uint8_t>* rgba,
                        int32_t* width, int32_t* height) {
  rgba->clear();
  *width = *height = 0;
  if (bytes == nullptr || size == 0 || size > 0x7FFFFFFF || !ClaimedSizeFits(bytes, size, largest)) return false;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes, int(size));
  // Only the two formats the game uses: no other decoder sees a file's bytes.
  const char* type = bytes[0] == 'B' ? "BMP" : "PNG";
  SDL_Surface* decoded = stream != nullptr ? IMG_LoadTyped_RW(stream, 1, type) : nullptr;
  if (decoded == nullptr) return false;
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ABGR8888, 0);
  SDL_FreeSurface(decoded);
  if (surface == nullptr) return false;
  bool ok = SDL_LockSurface(surface) == 0;
  if (ok) {
    rgba->resize(size_t(surface->w) * size_t(surface->h) * 4);
    for (int y = 0; y < surface->h; ++y) {
      const uint8_t* row = static_cast<const uint8_t*>(surface->pixels) + size_t(y) * size_t(surface->pitch);
      std::copy(row, row + size_t(surface->w) * 4, rgba->begin() + std::ptrdiff_t(size_t(y) * size_t(surface->w) * 4));
    }
    SDL_UnlockSurface(surface);
    *width = surface->w;
    *height = surface->h;
  }
  SDL_FreeSurface(surface);
  return ok;
}

GpuTextureId GpuCreateTextureFromFileBytes(const uint8_t* bytes, size_t size, bool opaque, GpuTextureWrap wrap) {
  if (!GpuHasDevice()) return 0;
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  std::vector<uint8_t> rgba;
  int32_t width = 0, height = 0;
  if (!DecodePictureBytes(bytes, size, largest, &rgba, &width, &height)) return 0;
  if (opaque) {
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  }
  // A screen picture never shows larger than the picture drawn into: one
  // made for a larger screen is kept no larger than it can show.
  int32_t sceneWidth = 0, sceneHeight = 0;
  GpuGetSceneSize(&sceneWidth, &sceneHeight);
  while (wrap == kWrapClamp && sceneWidth > 0 && sceneHeight > 0 && width / 2 >= sceneWidth &&
         height / 2 >= sceneHeight) {
    HalvePicture(rgba, width, height);
  }
  return GpuCreateTextureRgba(rgba.data(), width, height, wrap);
}

void GpuGetTextureSize(GpuTextureId texture, int32_t* width, int32_t* height) {
  *width = 0;
  *height = 0;
  if (!GpuHasDevice() || texture == 0) return;
  GLint w = 0, h = 0;
  GpuForgetAppliedState();
  GpuForgetLayeredState();
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  glBindTexture(GL_TEXTURE_2D, 0);
  *width = w;
  *height = h;
}
