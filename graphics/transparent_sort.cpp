// Keys and order of the depth-sorted meshes.
#include "graphics/transparent_sort.h"

#include <algorithm>
#include <cmath>
#include <limits>

float TransparentSortKey(const GpuMesh& mesh, const MaterialTextureSet& set, glm::vec3 position, glm::vec3 eye) {
  if (set.transparent == 0) return 1e31f;
  glm::vec3 point(1e31f);
  if (mesh.triangleCount > 0) point = position + mesh.firstVertex;
  glm::vec3 d = point - eye;
  return d.x * d.x + d.y * d.y + d.z * d.z;
}

void SortFarToNear(SortedMeshItem* items, int32_t count) {
  if (count <= 1) return;
  // NaN would break the ordering the sort relies on.
  for (int32_t i = 0; i < count; ++i) {
    if (std::isnan(items[i].key)) items[i].key = std::numeric_limits<float>::infinity();
  }
  std::stable_sort(items, items + count, [](const SortedMeshItem& a, const SortedMeshItem& b) { return a.key > b.key; });
}
