// The GL context on the platform window, the off-screen picture the scene is
// drawn into, presenting it into the window, and reading it back.
#include "platform/gpu_device.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstring>

#include "platform/events.h"
#include "platform/gpu_internal.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace {

struct Device {
  SDL_GLContext context = nullptr;
  bool followWindow = true;  // the picture takes the window's client size
  int32_t width = 0;
  int32_t height = 0;
  GLuint framebuffer = 0;
  GLuint colour = 0;
  GLuint depthStencil = 0;
  // The settled picture: the part of the scene that stays the same from
  // frame to frame, drawn once and copied into the picture while it holds.
  GLuint settledFramebuffer = 0;
  GLuint settledColour = 0;
  GLuint settledDepthStencil = 0;
  int32_t settledWidth = 0;
  int32_t settledHeight = 0;
};

Device device;

// A picture's colour and depth-stencil buffers at a size, attached to its
// framebuffer (all made on first use), which is left bound. The picture and
// the settled picture share these formats, so a copy between them is a plain
// copy of every buffer.
void SizePictureBuffers(GLuint* framebuffer, GLuint* colour, GLuint* depthStencil, int32_t width, int32_t height) {
  if (*framebuffer == 0) {
    glGenFramebuffers(1, framebuffer);
    glGenRenderbuffers(1, colour);
    glGenRenderbuffers(1, depthStencil);
  }
  glBindRenderbuffer(GL_RENDERBUFFER, *colour);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  glBindRenderbuffer(GL_RENDERBUFFER, *depthStencil);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
  glBindFramebuffer(GL_FRAMEBUFFER, *framebuffer);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, *colour);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, *depthStencil);
}

// Clears the bound framebuffer's buffers in `mask` to a blank picture: black,
// the far depth, stencil 0.
void ClearBoundPicture(GLbitfield mask) {
  glClearColor(0, 0, 0, 1);
  glClearDepth(1.0);
  glClearStencil(0);
  // Clearing obeys the write masks; a frame may end with depth writes off.
  glDepthMask(GL_TRUE);
  glStencilMask(0xFF);
  GpuForgetAppliedState();
  GpuForgetLayeredState();
  if (mask != 0) glClear(mask);
}

void MakePicture(int32_t width, int32_t height) {
  device.width = width;
  device.height = height;
  SizePictureBuffers(&device.framebuffer, &device.colour, &device.depthStencil, width, height);
  glViewport(0, 0, width, height);
}

// A window that follows its window's size stops following while it is full
// screen: the picture keeps the game's size and shape, shown in bars.
bool PictureFollowsWindow() { return device.followWindow && !PlatformShowsPictureInBars(); }

void DrawableSize(int* width, int* height) {
  SDL_GL_GetDrawableSize(PlatformSdlWindow(), width, height);
  if (*width < 1) *width = 1;
  if (*height < 1) *height = 1;
}

}  // namespace

bool GpuCreateDevice(int32_t sceneWidth, int32_t sceneHeight) {
  if (device.context != nullptr) return true;
  SDL_Window* window = PlatformSdlWindow();
  if (window == nullptr) {
    std::printf("OpenGL 3.3: there is no window to draw in\n");
    return false;
  }
  device.context = SDL_GL_CreateContext(window);
  if (device.context == nullptr || epoxy_gl_version() < 33) {
    std::printf("OpenGL 3.3 core context could not be created: %s\n",
                device.context == nullptr ? SDL_GetError() : "the driver offers an older version");
    if (device.context != nullptr) SDL_GL_DeleteContext(device.context);
    device.context = nullptr;
    return false;
  }
  SDL_GL_SetSwapInterval(1);
  IMG_Init(IMG_INIT_PNG);
  if (!GpuBuildProgram(&GpuCurrentProgram())) {
    SDL_GL_DeleteContext(device.context);
    device.context = nullptr;
    return false;
  }
  GpuCreateDrawObjects();
  device.followWindow = sceneWidth <= 0 || sceneHeight <= 0;
  int width = sceneWidth;
  int height = sceneHeight;
  if (device.followWindow) DrawableSize(&width, &height);
  MakePicture(width, height);
  // The states that hold for the whole run unless a draw changes them.
  glDisable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_BLEND);
  GpuClear(true, true, true);
  // While the window is being resized the picture shows mid grey.
  SetResizeRepaint(GpuRepaintGrey);
  return true;
}

bool GpuHasDevice() { return device.context != nullptr; }

void GpuGetSceneSize(int32_t* width, int32_t* height) {
  *width = device.width;
  *height = device.height;
}

void GpuBeginScene() {
  if (device.context == nullptr) return;
  if (device.followWindow) {
    int width, height;
    if (PictureFollowsWindow()) DrawableSize(&width, &height);
    else PlatformGetPictureSize(&width, &height);
    if (width != device.width || height != device.height) {
      MakePicture(width, height);
      GpuClear(true, true, true);
    }
  }
  glBindFramebuffer(GL_FRAMEBUFFER, device.framebuffer);
  glViewport(0, 0, device.width, device.height);
}

void GpuClear(bool colour, bool depth, bool stencil) {
  if (device.context == nullptr) return;
  GpuFlushLayeredDraws();
  glBindFramebuffer(GL_FRAMEBUFFER, device.framebuffer);
  GLbitfield mask = 0;
  if (colour) mask |= GL_COLOR_BUFFER_BIT;
  if (depth) mask |= GL_DEPTH_BUFFER_BIT;
  if (stencil) mask |= GL_STENCIL_BUFFER_BIT;
  ClearBoundPicture(mask);
}

void GpuPresent() {
  if (device.context == nullptr) return;
  GpuFlushLayeredDraws();
  int areaW, areaH, x, y, w, h;
  DrawableSize(&areaW, &areaH);
  if (PictureFollowsWindow()) {
    x = y = 0;
    w = areaW;
    h = areaH;
  } else {
    FitPictureRect(areaW, areaH, device.width, device.height, &x, &y, &w, &h);
  }
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  if (x > 0 || y > 0 || w < areaW || h < areaH) {  // bars beside the picture
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  glBindFramebuffer(GL_READ_FRAMEBUFFER, device.framebuffer);
  glBlitFramebuffer(0, 0, device.width, device.height, x, y, x + w, y + h, GL_COLOR_BUFFER_BIT,
                    (w == device.width && h == device.height) ? GL_NEAREST : GL_LINEAR);
  SDL_GL_SwapWindow(PlatformSdlWindow());
  glBindFramebuffer(GL_FRAMEBUFFER, device.framebuffer);
}

void GpuFinish() {
  GpuFlushLayeredDraws();
  if (device.context != nullptr) glFinish();
}

void GpuRepaintGrey() {
  if (device.context == nullptr) return;
  GpuFlushLayeredDraws();
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  int width, height;
  DrawableSize(&width, &height);
  glViewport(0, 0, width, height);
  glClearColor(0.5f, 0.5f, 0.5f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  SDL_GL_SwapWindow(PlatformSdlWindow());
  glBindFramebuffer(GL_FRAMEBUFFER, device.framebuffer);
  glViewport(0, 0, device.width, device.height);
}

void GpuBeginSettledPicture() {
  if (device.context == nullptr) return;
  GpuFlushLayeredDraws();
  if (device.settledWidth != device.width || device.settledHeight != device.height) {
    device.settledWidth = device.width;
    device.settledHeight = device.height;
    SizePictureBuffers(&device.settledFramebuffer, &device.settledColour, &device.settledDepthStencil, device.width,
                       device.height);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, device.settledFramebuffer);
  glViewport(0, 0, device.width, device.height);
  // Cleared as a fresh frame is, so the copy matches one.
  ClearBoundPicture(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void GpuCopySettledPicture() {
  if (device.context == nullptr || device.settledFramebuffer == 0) return;
  GpuFlushLayeredDraws();
  glBindFramebuffer(GL_READ_FRAMEBUFFER, device.settledFramebuffer);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, device.framebuffer);
  glBlitFramebuffer(0, 0, device.width, device.height, 0, 0, device.width, device.height,
                    GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_FRAMEBUFFER, device.framebuffer);
  glViewport(0, 0, device.width, device.height);
}

void GpuDropSettledPicture() {
  if (device.context == nullptr || device.settledFramebuffer == 0) return;
  GpuFlushLayeredDraws();
  glBindFramebuffer(GL_FRAMEBUFFER, device.framebuffer);
  glDeleteFramebuffers(1, &device.settledFramebuffer);
  glDeleteRenderbuffers(1, &device.settledColour);
  glDeleteRenderbuffers(1, &device.settledDepthStencil);
  device.settledFramebuffer = device.settledColour = device.settledDepthStencil = 0;
  device.settledWidth = device.settledHeight = 0;
}

bool GpuReadScene(std::vector<uint8_t>* rgba, int32_t* width, int32_t* height) {
  if (device.context == nullptr) return false;
  GpuFlushLayeredDraws();
  *width = device.width;
  *height = device.height;
  size_t row = size_t(device.width) * 4;
  std::vector<uint8_t> bottomUp(row * size_t(device.height));
  glBindFramebuffer(GL_READ_FRAMEBUFFER, device.framebuffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, device.width, device.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
  rgba->resize(bottomUp.size());
  for (int32_t y = 0; y < device.height; ++y) {
    std::memcpy(rgba->data() + row * size_t(y), bottomUp.data() + row * size_t(device.height - 1 - y), row);
  }
  return true;
}

bool GpuWritePng(const char* path, const std::vector<uint8_t>& rgba, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0 || rgba.size() < size_t(width) * size_t(height) * 4) return false;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba.data()), width, height, 32,
                                                            width * 4, SDL_PIXELFORMAT_ABGR8888);
  if (surface == nullptr) return false;
  bool ok = IMG_SavePNG(surface, path) == 0;
  SDL_FreeSurface(surface);
  return ok;
}
