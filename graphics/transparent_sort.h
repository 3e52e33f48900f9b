// The depth sort of transparent models' meshes: opaque meshes of such models
// first, then transparent meshes from far to near.
#pragma once
#include <glm/glm.hpp>

#include "graphics/model.h"
#include "graphics/render_queue.h"

// Squared distance from the eye to the instance position plus the mesh's first
// vertex (unrotated); a mesh without triangles sits at (1e31, 1e31, 1e31); a
// mesh whose material is not transparent gets 1e31 (drawn first).
float TransparentSortKey(const GpuMesh& mesh, const MaterialTextureSet& set, glm::vec3 position, glm::vec3 eye);
// Largest key first; equal keys keep queue order. A NaN key counts as largest.
void SortFarToNear(SortedMeshItem* items, int32_t count);
