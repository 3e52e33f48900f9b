// Opaque models drawn model by model and layer by layer: every instance of a
// still mesh in one instanced call per layer, animated meshes one call per
// instance per layer. With depth writes on and every opaque material opening
// with a layer that replaces the pixel, the picture equals drawing each
// instance whole in queue order, at a fraction of the state changes.
#pragma once
#include <cstdint>

#include "graphics/render_queue.h"

// Whether every mesh of the model opens with a replacing layer (else the model
// is drawn instance by instance, as queued).
bool CanBatchModel(const Model& model, bool extraPasses);
// Draws the queue's opaque model items (transparent ones are left to the depth sort).
void DrawOpaqueModels(const RenderQueue& queue);
