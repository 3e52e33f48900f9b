// Opaque models drawn model by model and mesh by mesh: all instances of a
// mesh that show the same animation frames in one instanced call. With depth
// writes on and every opaque material opening with a layer that replaces the
// pixel, the picture equals drawing each instance whole in queue order, at a
// fraction of the calls.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/render_queue.h"

// Whether every opaque mesh of the model opens with a replacing layer (else the
// model is drawn instance by instance, as queued).
bool CanBatchModel(const Model& model, bool extraPasses);
// Whether the model's opaque meshes are drawn here, before the depth-sorted
// transparent ones: always for a wholly opaque model; for one with glass too
// when its opaque meshes batch (else all its meshes go through the depth sort,
// where the opaque ones come first, in queue order).
bool OpaqueMeshesDrawnApart(const Model& model, bool extraPasses);
// Which part of its model a mesh is: 0 still (one animation frame), 1 animated.
int32_t MeshPart(const GpuMesh& mesh);
// Where queue item `item`'s `part` stands in a list of two entries an item.
inline size_t PartIndex(int32_t item, int32_t part) { return size_t(item) * 2 + size_t(part); }
// Draws the queue's opaque model items (transparent ones are left to the depth
// sort). With `only`, two entries an item (queue index i: [2i] its still
// meshes, [2i+1] its animated ones): just the parts whose entry equals
// `value`; a model drawn instance by instance only when both entries do.
void DrawOpaqueModels(const RenderQueue& queue);
void DrawOpaqueModels(const RenderQueue& queue, const std::vector<uint8_t>& only, uint8_t value);
