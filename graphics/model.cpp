// Model loading: the file, then a texture set per material and a vertex
// buffer per mesh holding every animation frame.
#include "graphics/model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "graphics/image.h"

namespace {

const MaterialTextureSet kEmptySet{};

GpuTextureId TextureOf(const ModelMaterial& material, int32_t slot, const ModelPicture* opacity) {
  if (!material.hasPicture[slot]) return 0;
  const ModelPicture& picture = material.pictures[slot];
  return PictureToTexture(picture, opacity);
}

void ReportMissing(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file != nullptr) {
    std::fclose(file);
    return;
  }
  std::printf("!!!!!!!!!!   %s\r\n", path);
  std::fflush(stdout);
}

GpuMesh BuildGpuMesh(const ModelMesh& mesh, int32_t frames) {
  GpuMesh gpu;
  gpu.triangleCount = mesh.triangleCount;
  gpu.frameCount = frames;
  gpu.materialIndex = mesh.MaterialIndex();
  size_t vertices = size_t(std::max(frames, 0)) * size_t(std::max(mesh.triangleCount, 0)) * 3;
  if (vertices == 0 || vertices * kFileVertexBytes > mesh.triangles.size()) {
    gpu.triangleCount = 0;  // the data does not hold what the counts say: draw nothing
    return gpu;
  }
  const ModelVertex first = mesh.Vertex(0, 0, 0);
  gpu.firstVertex = glm::vec3(first.x, first.y, first.z);
  // A mesh that shows the same in every frame of an animated model (a hall's
  // floor while its gears turn) is kept as one frame: it takes a frame's
  // memory, and the settled picture can hold it while the rest moves.
  const size_t frameBytes = vertices / size_t(frames) * kFileVertexBytes;
  bool still = true;
  for (int32_t f = 1; f < frames && still; ++f) {
    still = std::memcmp(mesh.triangles.data(), mesh.triangles.data() + size_t(f) * frameBytes, frameBytes) == 0;
  }
  if (still) {
    gpu.frameCount = 1;
    vertices /= size_t(frames);
  }
  std::vector<GpuMeshVertex> draw(vertices);
  for (size_t i = 0; i < vertices; ++i) {
    ModelVertex v;
    std::memcpy(&v, mesh.triangles.data() + i * kFileVertexBytes, kFileVertexBytes);
    draw[i] = GpuMeshVertex{v.x, v.y, v.z, v.nx, v.ny, v.nz, v.u, v.v};
  }
  gpu.vertexBuffer = GpuCreateVertexBuffer(draw.data(), draw.size());
  return gpu;
}

}  // namespace

bool IsMaterialTransparent(const ModelMaterial& m) {
  bool seeThrough = m.hasPicture[kSlotOpacity] || (!m.hasPicture[kSlotBase] && !m.hasPicture[kSlotLit]);
  return seeThrough && !m.hasPicture[kSlotReflection];
}

MaterialTextureSet BuildMaterialTextureSet(const ModelMaterial& m) {
  MaterialTextureSet set;
  const ModelPicture& base = m.pictures[kSlotBase];
  const ModelPicture& opacity = m.pictures[kSlotOpacity];
  bool opacityFits = m.hasPicture[kSlotBase] && m.hasPicture[kSlotOpacity] && opacity.Width() == base.Width() &&
                     opacity.Height() == base.Height();
  set.baseTexture = TextureOf(m, kSlotBase, opacityFits ? &opacity : nullptr);
  const int32_t layerSlots[6] = {4, 5, 3, 8, 9, 7};
  for (int32_t i = 0; i < 6; ++i) set.layerTextures[i] = TextureOf(m, layerSlots[i], nullptr);
  set.slot2Texture = TextureOf(m, 2, nullptr);
  set.glossiness = m.Glossiness();
  set.transparent = IsMaterialTransparent(m) ? 1 : 0;
  return set;
}

Model::Model(const char* path) {
  ReportMissing(path);
  Load(path);
}

void Model::Load(const char* path) {
  ReportMissing(path);
  ModelFile file;
  ModelFile::Load(file, path);
  if (file.damaged) {
    std::printf("Model \"%s\": damaged, not drawn: %s\n", path, file.problem.c_str());
    std::fflush(stdout);
  }
  materialSets.clear();
  meshes.clear();
  for (const ModelMaterial& material : file.materials) materialSets.push_back(BuildMaterialTextureSet(material));
  radius = 0;
  for (const ModelMesh& mesh : file.meshes) {
    meshes.push_back(BuildGpuMesh(mesh, file.frameCount));
    for (int32_t t = 0; t < meshes.back().triangleCount; ++t) {
      for (int32_t c = 0; c < 3; ++c) {
        ModelVertex v = mesh.Vertex(0, t, c);
        float r = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        if (std::isfinite(r)) radius = std::max(radius, r);
      }
    }
  }
}

bool Model::IsTransparent() const {
  for (const MaterialTextureSet& set : materialSets) {
    if (set.transparent != 0) return true;
  }
  return false;
}

const MaterialTextureSet& Model::TextureSetOf(const GpuMesh& mesh) const {
  if (mesh.materialIndex < 0 || size_t(mesh.materialIndex) >= materialSets.size()) return kEmptySet;
  return materialSets[size_t(mesh.materialIndex)];
}
