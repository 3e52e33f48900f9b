// A ".vxm" model as built from its file for drawing: one
// MaterialTextureSet per material and one GpuMesh per mesh. Models are loaded
// once (usually into globals) and queued with QueueModel (render_queue.h).
#pragma once
#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "graphics/model_file.h"
#include "platform/gpu_resources.h"

// The textures of one material (an Image uses only the base texture).
struct MaterialTextureSet {
  int32_t kind = 1;
  GpuTextureId baseTexture = 0;        // slot 0, with slot 1 as its opacity
  GpuTextureId layerTextures[6] = {};  // slots 4, 5, 3, 8, 9, 7 in that order
  GpuTextureId slot2Texture = 0;       // built, never drawn
  float glossiness = 0;
  int32_t transparent = 0;             // its meshes are depth-sorted and drawn without depth writes
};

// Indices into MaterialTextureSet::layerTextures.
enum LayerTexture : int32_t {
  kLayerSlot4 = 0,
  kLayerSlot5 = 1,
  kLayerSlot3 = 2,
  kLayerSlot8 = 3,
  kLayerSlot9 = 4,
  kLayerSlot7 = 5,
};

struct GpuMesh {
  int32_t kind = 1;
  mutable glm::mat4 world{1};          // scratch of the draw in progress (SetMeshTransform)
  glm::vec3 firstVertex{1e31f};        // frame 0's first vertex (the depth sort's point of the mesh)
  mutable float time = 0;              // scratch of the draw in progress
  int32_t triangleCount = 0;
  int32_t frameCount = 0;
  GpuBufferId vertexBuffer = 0;        // frameCount x triangleCount x 3 vertices, frame by frame
  int32_t materialIndex = -1;
};

class Model {
 public:
  Model() = default;
  // Loads at once (reporting a missing file, as Load does).
  explicit Model(const char* path);
  Model(const Model&) = delete;
  Model& operator=(const Model&) = delete;

  // Reads the file and builds textures and vertex buffers. A missing file
  // prints "!!!!!!!!!!   path" and a damaged one a line saying what is wrong;
  // either leaves an empty model and the game goes on.
  // The file's records are not kept: once on the GPU they are never read again.
  void Load(const char* path);

  std::vector<MaterialTextureSet> materialSets;  // one per material, in material order
  std::vector<GpuMesh> meshes;                   // one per mesh, in mesh order
  float radius = 0;  // farthest frame-0 vertex from the model's origin (drawing order of opaque models)

  // Any material transparent: the model's meshes go through the depth sort.
  bool IsTransparent() const;
  // The set of a mesh's material; an out-of-range index gives an empty set.
  const MaterialTextureSet& TextureSetOf(const GpuMesh& mesh) const;
};

// Transparency of a material: (opacity picture, or neither base nor slot 5)
// and no slot 9 picture.
bool IsMaterialTransparent(const ModelMaterial& material);
// The texture set of a material (textures made through PictureToTexture).
MaterialTextureSet BuildMaterialTextureSet(const ModelMaterial& material);
