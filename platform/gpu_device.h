// The Direct3D device's stand-in: an OpenGL 3.3 core context on the platform
// window. The scene is drawn into an off-screen picture of the game's own size
// and shown scaled into the window when presented (full screen: centred with
// bars, its shape kept). Only platform/ sees GL; graphics/ calls these.
#pragma once
#include <cstdint>
#include <vector>

// sceneWidth x sceneHeight: the picture size; -1 for either: the window's
// client size, followed when the window is resized. False, with one
// diagnostic line printed, when no OpenGL 3.3 context can be had.
bool GpuCreateDevice(int32_t sceneWidth, int32_t sceneHeight);
bool GpuHasDevice();
// Size of the picture drawn into (follows a windowed client size).
void GpuGetSceneSize(int32_t* width, int32_t* height);

// Makes the picture the target of drawing (and resizes it after a window resize).
void GpuBeginScene();
// Clears the chosen buffers of the picture: opaque black, depth 1, stencil 0.
void GpuClear(bool colour, bool depth, bool stencil);
// Shows the picture in the window.
void GpuPresent();
// Waits until every submitted command has been carried out (benchmarks).
void GpuFinish();
// Fills the window with mid grey and shows it (the repaint while resizing).
void GpuRepaintGrey();

// The settled picture: a second picture of the same size for the part of the
// scene that stays the same from frame to frame. Begin makes it the target of
// drawing, cleared as GpuClear clears the picture; Copy puts all of it (colour,
// depth, stencil) into the picture and makes the picture the target again;
// Drop gives its memory back.
void GpuBeginSettledPicture();
void GpuCopySettledPicture();
void GpuDropSettledPicture();

// The picture as RGBA bytes, top row first.
bool GpuReadScene(std::vector<uint8_t>* rgba, int32_t* width, int32_t* height);
// Writes RGBA pixels (top row first) as a PNG file.
bool GpuWritePng(const char* path, const std::vector<uint8_t>& rgba, int32_t width, int32_t height);
