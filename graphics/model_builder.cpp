// Expands generator-friendly model sources into the records of a ".vxm" file.
#include "graphics/model_builder.h"

#include <algorithm>
#include <cstring>

namespace {

void PutInt(std::vector<uint8_t>& bytes, size_t at, int32_t value) { std::memcpy(bytes.data() + at, &value, 4); }
void PutFloat(std::vector<uint8_t>& bytes, size_t at, float value) { std::memcpy(bytes.data() + at, &value, 4); }

// Names are kept for readers of the file, NUL-terminated in 64 carried bytes:
// a mesh's at the start of its record, a material's after its ten picture
// slot fields and the frame block's place (bytes 0-43 mean something).
constexpr size_t kMeshNameAt = 0;
constexpr size_t kMaterialNameAt = 44;

void PutName(std::vector<uint8_t>& record, size_t at, const std::string& name) {
  std::memcpy(record.data() + at, name.data(), std::min<size_t>(name.size(), 63));
}

ModelPicture MakeModelPicture(const PictureSource& source) {
  ModelPicture picture;
  std::vector<uint8_t> record(kPictureRecordBytes, 0);
  PutInt(record, 4, 24);
  PutInt(record, 8, source.width);
  PutInt(record, 12, source.height);
  PutInt(record, 16, 1);
  std::copy(record.begin(), record.end(), picture.record.begin());
  picture.pixels = source.rgb;
  picture.pixels.resize(size_t(source.width) * size_t(source.height) * 3, 0);
  return picture;
}

ModelMaterial MakeMaterial(const MaterialSource& source, int32_t frames) {
  ModelMaterial material;
  material.record.assign(kMaterialRecordBytes, 0);
  material.frames.assign(size_t(frames) * kMaterialFrameBytes, 0);
  for (int32_t f = 0; f < frames; ++f) PutFloat(material.frames, size_t(f) * kMaterialFrameBytes + 56, source.glossiness);
  for (int32_t s = 0; s < kPictureSlots; ++s) {
    const PictureSource& picture = source.pictures[s];
    if (picture.width <= 0 || picture.height <= 0 || picture.rgb.empty()) continue;
    material.hasPicture[s] = true;
    material.pictures[s] = MakeModelPicture(picture);
    PutInt(material.record, size_t(4 * s), 1);
  }
  return material;
}

ModelMesh MakeMesh(const MeshSource& source, int32_t frames) {
  ModelMesh mesh;
  mesh.record.assign(kMeshRecordBytes, 0);
  PutName(mesh.record, kMeshNameAt, source.name);
  PutInt(mesh.record, 400, source.material);
  if (source.frames.empty() || frames <= 0) return mesh;
  size_t usable = source.frames[0].size();
  for (const auto& frame : source.frames) usable = std::min(usable, frame.size());
  std::vector<std::array<int32_t, 3>> kept;
  for (const auto& t : source.triangles) {
    bool inside = true;
    for (int32_t i : t) inside = inside && i >= 0 && size_t(i) < usable;
    if (inside) kept.push_back(t);
  }
  mesh.triangleCount = int32_t(kept.size());
  mesh.triangles.reserve(size_t(frames) * kept.size() * kTriangleBytes);
  for (int32_t f = 0; f < frames; ++f) {
    const auto& vertices = source.frames[std::min<size_t>(size_t(f), source.frames.size() - 1)];
    for (const auto& t : kept) {
      for (int32_t i : t) {
        const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&vertices[size_t(i)]);
        mesh.triangles.insert(mesh.triangles.end(), bytes, bytes + kFileVertexBytes);
      }
    }
  }
  if (!source.matrices.empty()) {
    PutInt(mesh.record, 1208, 1);
    for (int32_t f = 0; f < frames; ++f) {
      const auto& m = source.matrices[std::min<size_t>(size_t(f), source.matrices.size() - 1)];
      const uint8_t* bytes = reinterpret_cast<const uint8_t*>(m.data());
      mesh.matrices.insert(mesh.matrices.end(), bytes, bytes + kMatrixBytes);
    }
  }
  return mesh;
}

template <typename T, typename Pack>
void PackPerFrame(const std::vector<std::vector<T>>& items, int32_t frames, int32_t bytes, std::vector<uint8_t>& out,
                  Pack pack) {
  for (const auto& perFrame : items) {
    for (int32_t f = 0; f < frames; ++f) {
      std::vector<uint8_t> record(size_t(bytes), 0);
      if (!perFrame.empty()) pack(perFrame[std::min<size_t>(size_t(f), perFrame.size() - 1)], record);
      out.insert(out.end(), record.begin(), record.end());
    }
  }
}

}  // namespace

void SetBasePicture(MaterialSource& material, int32_t width, int32_t height, const std::vector<uint8_t>& rgba) {
  size_t pixels = size_t(std::max(width, 0)) * size_t(std::max(height, 0));
  PictureSource colour{width, height, std::vector<uint8_t>(pixels * 3, 0)};
  PictureSource opacity{width, height, std::vector<uint8_t>(pixels * 3, 0)};
  for (size_t i = 0; i < pixels && i * 4 + 3 < rgba.size(); ++i) {
    for (int c = 0; c < 3; ++c) {
      colour.rgb[i * 3 + c] = rgba[i * 4 + c];
      opacity.rgb[i * 3 + c] = rgba[i * 4 + 3];
    }
  }
  material.pictures[kSlotBase] = colour;
  material.pictures[kSlotOpacity] = opacity;
}

PictureSource MakeSolidPicture(int32_t width, int32_t height, uint8_t r, uint8_t g, uint8_t b) {
  PictureSource picture{width, height, {}};
  for (int32_t i = 0; i < width * height; ++i) picture.rgb.insert(picture.rgb.end(), {r, g, b});
  return picture;
}

ModelFile BuildModelFile(const ModelSource& source) {
  ModelFile model;
  model.frameCount = std::max(source.frameCount, 1);
  for (const MaterialSource& m : source.materials) {
    model.materials.push_back(MakeMaterial(m, model.frameCount));
    PutName(model.materials.back().record, kMaterialNameAt, m.name);
  }
  for (const MeshSource& m : source.meshes) model.meshes.push_back(MakeMesh(m, model.frameCount));
  model.lightCount = int32_t(source.lights.size());
  PackPerFrame(source.lights, model.frameCount, kLightRecordBytes, model.lights,
               [](const LightSource& l, std::vector<uint8_t>& r) {
                 const float fields[] = {l.x, l.y, l.z, l.r, l.g, l.b, l.range};
                 std::memcpy(r.data(), fields, sizeof fields);
               });
  model.cameraCount = int32_t(source.cameras.size());
  PackPerFrame(source.cameras, model.frameCount, kCameraRecordBytes, model.cameras,
               [](const CameraSource& c, std::vector<uint8_t>& r) {
                 const float fields[] = {c.eye[0], c.eye[1], c.eye[2], c.at[0], c.at[1], c.at[2],
                                         c.up[0],  c.up[1],  c.up[2],  c.fovDegrees};
                 std::memcpy(r.data(), fields, sizeof fields);
               });
  return model;
}
