// The render device and the frame: creating the device on the platform
// window, and RenderFrame, which draws everything the render queue holds in a
// fixed order (opaque models, transparent meshes far to near, then screen
// images in queue order over everything), presents and clears for the next frame.
#pragma once
#include <cstdint>
#include <vector>

// Creates the GL device on the window opened by the platform (one per run).
// width or height -1: windowed, the picture follows the client size; else
// the picture is width x height, shown scaled with its shape kept (full
// screen). `depth` and the two trailing arguments are accepted and ignored
// (the picture is always 32-bit). Returns 0, with one diagnostic line
// printed, when no OpenGL 3.3 context can be had; the caller then ends.
int32_t CreateRenderDevice(int32_t width, int32_t height, int32_t depth, int32_t unused1 = -1, int32_t unused2 = 1);

// Draws the queued frame. Callers use (1, 1, 1, 1) for a normal frame and
// (0, 0, 1, 1) for a first layer whose depth is cleared before a second layer
// is queued and drawn with (1, 1, 1, 1) into the same shown picture.
void RenderFrame(int32_t present, int32_t clearColour, int32_t clearDepth, int32_t clearStencil);

// Called after each shown frame, while its picture can still be read back
// (scripted runs save their screenshots and advance their clock here). Null: none.
using FrameShownHook = void (*)();
void SetFrameShownHook(FrameShownHook hook);

// What the last shown frame cost the device (every RenderFrame since the
// previous shown one counts): draw calls, buffer uploads, texture binds.
struct FrameCost {
  int32_t drawCalls = 0;
  int32_t bufferUploads = 0;
  int32_t textureBinds = 0;
};
FrameCost LastFrameCost();

// Whether opaque models that stay unchanged from frame to frame are drawn once
// and copied in (settled_scene.h); on unless turned off (comparisons, benchmarks).
void SetSettledScene(bool enabled);

// 0: meshes draw their base layer only (a settings option); initially 1.
void SetExtraPasses(int32_t enabled);
int32_t ExtraPassesEnabled();

// The picture of the last frame drawn, as RGBA top row first (tools, tests).
bool ReadFramePixels(std::vector<uint8_t>* rgba, int32_t* width, int32_t* height);
bool SaveFramePng(const char* path);
