// Recording into the global render queue.
#include "graphics/render_queue.h"

namespace {
RenderQueue* queue = nullptr;
}

void CreateRenderQueue() {
  if (queue != nullptr) return;
  queue = new RenderQueue;
  queue->images = new ImageDrawItem[kQueueCapacity];
  queue->models = new ModelDrawItem[kQueueCapacity];
  queue->sortedMeshes = new SortedMeshItem[kQueueCapacity];
}

RenderQueue& GetRenderQueue() {
  CreateRenderQueue();
  return *queue;
}

void SetCamera(float eyeX, float eyeY, float eyeZ, float atX, float atY, float atZ, float upX, float upY, float upZ,
               float fovDegrees) {
  float values[10] = {eyeX, eyeY, eyeZ, atX, atY, atZ, upX, upY, upZ, fovDegrees};
  for (int i = 0; i < 10; ++i) GetRenderQueue().camera[i] = values[i];
}

void SetLight(float ambR, float ambG, float ambB, float difR, float difG, float difB, float posX, float posY,
              float posZ) {
  float values[9] = {ambR, ambG, ambB, difR, difG, difB, posX, posY, posZ};
  for (int i = 0; i < 9; ++i) GetRenderQueue().light[i] = values[i];
}

void SetViewRect(int32_t a, int32_t b, int32_t x, int32_t y, int32_t width, int32_t height, int32_t c, int32_t d) {
  int32_t values[8] = {a, b, x, y, width, height, c, d};
  for (int i = 0; i < 8; ++i) GetRenderQueue().viewRect[i] = values[i];
}

void QueueModel(const Model* model, float x, float y, float z, float rotX, float rotY, float rotZ, float time) {
  RenderQueue& q = GetRenderQueue();
  if (q.modelCount >= kQueueCapacity) return;
  q.models[q.modelCount++] = ModelDrawItem{model, x, y, z, rotX, rotY, rotZ, time};
}

void QueueImage(const Image* image, float x, float y, float width, float height, float reserved, float opacity, float r,
                float g, float b, float a, float angle, float pivotX, float pivotY, float scale, int32_t sourceBlend,
                int32_t destinationBlend) {
  RenderQueue& q = GetRenderQueue();
  if (q.imageCount >= kQueueCapacity) return;
  q.images[q.imageCount++] = ImageDrawItem{image, x, y, width, height, reserved, opacity, r, g, b, a,
                                           angle, pivotX, pivotY, scale, sourceBlend, destinationBlend};
}
