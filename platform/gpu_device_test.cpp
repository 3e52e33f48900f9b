// The GPU stand-in under SDL_VIDEODRIVER=offscreen: context, picture
// read-back, textures from file bytes, and the program's stage colour.
#include <gtest/gtest.h>


#include <SDL.h>
#include <epoxy/gl.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/gpu_device.h"
#include "platform/gpu_draw.h"
#include "platform/gpu_resources.h"
#include "platform/window.h"

namespace {

// One hidden window and context for the whole test program.
bool EnsureGpu() {
  if (GpuHasDevice()) return true;
  if (!PlatformHasWindow()) {
    WindowConfig config;
    config.width = 64;
    config.height = 48;
    config.hidden = true;
    if (!PlatformCreateWindow(config)) return false;
  }
  return GpuCreateDevice(64, 48);
}

class GpuDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureGpu());
    GpuBeginScene();
    GpuClear(true, true, true);
  }
  std::vector<uint8_t> Read() {
    std::vector<uint8_t> rgba;
    int32_t w, h;
    EXPECT_TRUE(GpuReadScene(&rgba, &w, &h));
    EXPECT_EQ(w, 64);
    EXPECT_EQ(h, 48);
    return rgba;
  }
  // Two triangles over the whole picture in one colour, with a texture.
  void DrawFullQuad(GpuTextureId texture, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    GpuScreenVertex corners[4] = {{-1, 1, 0, r, g, b, a, 0, 0}, {1, 1, 0, r, g, b, a, 1, 0},
                                  {-1, -1, 0, r, g, b, a, 0, 1}, {1, -1, 0, r, g, b, a, 1, 1}};
    GpuScreenVertex list[6] = {corners[0], corners[1], corners[2], corners[1], corners[2], corners[3]};
    GpuDrawState state;
    state.depthTest = false;
    state.texture = texture;
    state.stageAlphaModulate = true;
    GpuDrawScreenTriangles(state, list, 6);
  }
};

std::vector<uint8_t> Bmp32(uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
  std::vector<uint8_t> bmp(58, 0);
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = uint8_t(v >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(2, 58);
  put(10, 54);
  put(14, 40);
  put(18, 1);
  put(22, 1);
  bmp[26] = 1;
  bmp[28] = 32;
  put(34, 4);
  bmp[54] = b;
  bmp[55] = g;
  bmp[56] = r;
  bmp[57] = a;
  return bmp;
}

TEST_F(GpuDevice, ClearedPictureIsOpaqueBlackAndScreenTrianglesModulateTextureByVertexColour) {
  std::vector<uint8_t> cleared = Read();
  EXPECT_EQ(cleared[0], 0);
  EXPECT_EQ(cleared[3], 255);
  std::vector<uint8_t> grey = {200, 200, 200, 255, 200, 200, 200, 255, 200, 200, 200, 255, 200, 200, 200, 255};
  GpuTextureId texture = GpuCreateTextureRgba(grey.data(), 2, 2, kWrapClamp);
  ASSERT_NE(texture, 0u);
  DrawFullQuad(texture, 255, 128, 0, 255);
  std::vector<uint8_t> rgba = Read();
  EXPECT_NEAR(rgba[0], 200, 2);
  EXPECT_NEAR(rgba[1], 100, 2);
  EXPECT_NEAR(rgba[2], 0, 2);
  // No texture reads as white: the vertex colour alone.
  DrawFullQuad(0, 10, 20, 30, 255);
  rgba = Read();
  EXPECT_NEAR(rgba[1], 20, 1);
}

TEST_F(GpuDevice, BmpFourthByteIsOpacityUnlessAskedOpaque) {
  std::vector<uint8_t> bmp = Bmp32(0, 255, 0, 64);  // green, a quarter opaque
  GpuTextureId blended = GpuCreateTextureFromFileBytes(bmp.data(), bmp.size(), false, kWrapRepeat);
  GpuTextureId opaque = GpuCreateTextureFromFileBytes(bmp.data(), bmp.size(), true, kWrapRepeat);
  ASSERT_NE(blended, 0u);
  ASSERT_NE(opaque, 0u);
  DrawFullQuad(blended, 255, 255, 255, 255);
  EXPECT_NEAR(Read()[1], 64, 2);
  GpuClear(true, true, true);
  DrawFullQuad(opaque, 255, 255, 255, 255);
  EXPECT_NEAR(Read()[1], 255, 1);
}

TEST_F(GpuDevice, PngWrittenAndLoadedBackKeepsScreenPicturesAtThePictureSize) {
  // A 256 x 192 picture written as a PNG, its left half clear red, its right half opaque blue.
  std::vector<uint8_t> rgba;
  for (int y = 0; y < 192; ++y) {
    for (int x = 0; x < 256; ++x) {
      if (x < 128) {
        rgba.insert(rgba.end(), {255, 0, 0, 0});
      } else {
        rgba.insert(rgba.end(), {0, 0, 255, 255});
      }
    }
  }
  std::string path = std::string(::testing::TempDir()) + "gpu_large_picture.png";
  ASSERT_TRUE(GpuWritePng(path.c_str(), rgba, 256, 192));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::vector<uint8_t> bytes(1 << 20);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  int32_t w, h;
  GpuTextureId model = GpuCreateTextureFromFileBytes(bytes.data(), bytes.size(), false, kWrapRepeat);
  GpuGetTextureSize(model, &w, &h);
  EXPECT_EQ(w, 256);  // model pictures are tiled and minified: mipmaps serve them
  EXPECT_EQ(h, 192);
  GpuTextureId screen = GpuCreateTextureFromFileBytes(bytes.data(), bytes.size(), false, kWrapClamp);
  GpuGetTextureSize(screen, &w, &h);
  EXPECT_EQ(w, 64);
  EXPECT_EQ(h, 48);
  DrawFullQuad(screen, 255, 255, 255, 255);
  std::vector<uint8_t> read = Read();
  // Where the halves meet, the clear red lends the blue no colour.
  const size_t edge = (size_t(24) * 64 + 32) * 4;
  EXPECT_EQ(read[edge], 0);
  EXPECT_NEAR(read[edge + 2], 255, 1);
}

// SDL's allocations, to see what a picture costs before it is refused.
std::atomic<size_t> largestSdlAllocation{0};
SDL_malloc_func sdlMalloc;
SDL_calloc_func sdlCalloc;
SDL_realloc_func sdlRealloc;
SDL_free_func sdlFree;

void NoteAllocation(size_t size) {
  size_t seen = largestSdlAllocation.load();
  while (size > seen && !largestSdlAllocation.compare_exchange_weak(seen, size)) {
  }
}
void* CountingMalloc(size_t size) {
  NoteAllocation(size);
  return sdlMalloc(size);
}
void* CountingCalloc(size_t count, size_t size) {
  NoteAllocation(count * size);
  return sdlCalloc(count, size);
}
void* CountingRealloc(void* p, size_t size) {
  NoteAllocation(size);
  return sdlRealloc(p, size);
}

// A PNG of the given size in a few dozen bytes: the signature and a header
// chunk with a correct checksum, then the end chunk.
std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (uint32_t v : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(uint8_t(v >> shift));
  }
  png.insert(png.end(), {8, 6, 0, 0, 0});
  uint32_t crc = uint32_t(crc32(0, png.data() + 12, 17));
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(uint8_t(crc >> shift));
  png.insert(png.end(), {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});
  return png;
}

TEST_F(GpuDevice, DamagedFileBytesGiveNoTexture) {
  std::vector<uint8_t> junk = {0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_EQ(GpuCreateTextureFromFileBytes(junk.data(), junk.size(), false, kWrapClamp), 0u);
  EXPECT_EQ(GpuCreateTextureFromFileBytes(nullptr, 0, false, kWrapClamp), 0u);
  std::vector<uint8_t> bmp = Bmp32(1, 2, 3, 4);
  bmp[18] = 0xFF;  // width far beyond the pixels stored
  bmp[21] = 0x7F;
  EXPECT_EQ(GpuCreateTextureFromFileBytes(bmp.data(), bmp.size(), false, kWrapClamp), 0u);
  // Headers claiming more pixels than any texture, or than the file's few
  // bytes could hold however tightly packed, are refused before the decoder
  // allocates for them.
  SDL_GetMemoryFunctions(&sdlMalloc, &sdlCalloc, &sdlRealloc, &sdlFree);
  SDL_SetMemoryFunctions(CountingMalloc, CountingCalloc, CountingRealloc, sdlFree);
  for (uint32_t side : {100000u, 8000u, 2000u}) {
    std::vector<uint8_t> png = PngHeaderOnly(side, side);
    largestSdlAllocation = 0;
    EXPECT_EQ(GpuCreateTextureFromFileBytes(png.data(), png.size(), false, kWrapClamp), 0u) << side;
    EXPECT_LT(largestSdlAllocation.load(), size_t(1) << 20) << side;
  }
  SDL_SetMemoryFunctions(sdlMalloc, sdlCalloc, sdlRealloc, sdlFree);
}

// Every level of a texture, as the GPU holds it.
std::vector<std::vector<uint8_t>> ReadLevels(GLuint texture, int32_t width, int32_t height) {
  std::vector<std::vector<uint8_t>> levels;
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  for (int32_t level = 0;; ++level) {
    const int32_t w = std::max(1, width >> level), h = std::max(1, height >> level);
    levels.emplace_back(size_t(w) * size_t(h) * 4);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, levels.back().data());
    if (w == 1 && h == 1) break;
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  return levels;
}

TEST_F(GpuDevice, TextureLevelsAreTheDriversOwnWithinRounding) {
  // Odd and even sides, a side of 1; noisy pixels, so a level shifted by a
  // pixel or taken from the wrong level shows.
  for (auto [width, height] : {std::pair{64, 32}, {37, 23}, {1, 9}, {100, 3}}) {
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    uint32_t state = 12345;
    for (uint8_t& b : rgba) b = uint8_t((state = state * 1103515245u + 12345u) >> 24);
    const GpuTextureId ours = GpuCreateTextureRgba(rgba.data(), width, height, kWrapClamp);
    ASSERT_NE(ours, 0u);
    GLuint drivers = 0;
    glGenTextures(1, &drivers);
    glBindTexture(GL_TEXTURE_2D, drivers);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    const auto a = ReadLevels(ours, width, height), b = ReadLevels(drivers, width, height);
    ASSERT_EQ(a.size(), b.size());
    for (size_t level = 0; level < a.size(); ++level) {
      int worst = 0;
      for (size_t i = 0; i < a[level].size(); ++i) worst = std::max(worst, std::abs(int(a[level][i]) - int(b[level][i])));
      EXPECT_EQ(worst, 0) << width << "x" << height << " level " << level;
    }
    glDeleteTextures(1, &drivers);
    GLuint own = ours;
    glDeleteTextures(1, &own);
  }
}

}  // namespace
