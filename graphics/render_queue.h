// The render queue: what the current frame shows. Game and menu code record
// the camera, the one light, model instances and screen images here during a
// frame; RenderFrame (render_device.h) draws them and empties the item lists.
// Camera, light and view rectangle persist from frame to frame.
#pragma once
#include <cstdint>

class Model;
class Image;
struct GpuMesh;
struct MaterialTextureSet;

constexpr int32_t kQueueCapacity = 10000;

struct ImageDrawItem {
  const Image* image;
  float x, y, width, height;  // fractions of the screen, y from the top
  float reserved;
  float opacity;              // clamped to 0..1 when drawn
  float r, g, b, a;           // 0..1
  float angle;                // radians, about the pivot
  float pivotX, pivotY;
  float scale;
  int32_t sourceBlend, destinationBlend;  // recorded; images always blend by source alpha
};

struct ModelDrawItem {
  const Model* model;
  float x, y, z;
  float rotX, rotY, rotZ;  // degrees
  float time;              // animation frames
};

struct SortedMeshItem {
  const MaterialTextureSet* textureSet;
  const GpuMesh* mesh;
  float x, y, z, rotX, rotY, rotZ, time;
  float key;  // squared distance from the eye; drawn largest first
};

struct RenderQueue {
  ImageDrawItem* images = nullptr;  // kQueueCapacity each, allocated once
  int32_t imageCount = 0;
  ModelDrawItem* models = nullptr;
  int32_t modelCount = 0;
  SortedMeshItem* sortedMeshes = nullptr;
  int32_t sortedMeshCount = 0;
  int32_t viewRect[8] = {};
  float light[9] = {1, 1, 1, 0, 0, 0, 0, 0, 0};
  float camera[10] = {};
};

// Creates the one global queue (start-up calls it after the device). The
// queue operations create it on first use too.
void CreateRenderQueue();
RenderQueue& GetRenderQueue();

// Stores the camera: eye, target, up, vertical field of view in degrees
// (negative: the overlay camera, see camera_light.h).
void SetCamera(float eyeX, float eyeY, float eyeZ, float atX, float atY, float atZ, float upX, float upY, float upZ,
               float fovDegrees);
// Stores the light: ambient colour, diffuse colour, position. The play screen
// uses (255, 255, 255, 0, 0, 0, 0, -20, 20).
void SetLight(float ambR, float ambG, float ambB, float difR, float difG, float difB, float posX, float posY,
              float posZ);
// Stores eight values; they do not change the drawing. Callers pass (0, 2000, x, y, w, h, 0, 0).
void SetViewRect(int32_t a, int32_t b, int32_t x, int32_t y, int32_t width, int32_t height, int32_t c, int32_t d);
// Appends a model instance (rotations in degrees, time in animation frames).
// Past 10000 items in one frame the extra ones are dropped.
void QueueModel(const Model* model, float x, float y, float z, float rotX, float rotY, float rotZ, float time);
// Appends a screen image; see ImageDrawItem. Typical call:
// (image, 0.1875, 0.46, 0.625, 0.078, -1, 1, r, g, b, a, 0, 0, 0, 1, 5, 6).
void QueueImage(const Image* image, float x, float y, float width, float height, float reserved, float opacity, float r,
                float g, float b, float a, float angle, float pivotX, float pivotY, float scale, int32_t sourceBlend,
                int32_t destinationBlend);
