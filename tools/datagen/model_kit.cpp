// Generator meshes and canvases to model sources, written with the engine's writer.
#include "tools/datagen/model_kit.h"

#include <algorithm>
#include <cmath>

#include "graphics/model_file.h"

namespace {

constexpr float kBandShade[4] = {1.0f, 0.80f, 0.62f, 0.46f};

PictureSource ToPicture(const Canvas& canvas) {
  return PictureSource{canvas.Width(), canvas.Height(), canvas.Rgb()};
}

PictureSource OpacityPicture(const Canvas& canvas) {
  PictureSource picture{canvas.Width(), canvas.Height(), {}};
  picture.rgb.reserve(size_t(canvas.Width()) * size_t(canvas.Height()) * 3);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      uint8_t a = uint8_t(std::lround(std::clamp(canvas.At(x, y).a, 0.0f, 1.0f) * 255.0f));
      picture.rgb.insert(picture.rgb.end(), {a, a, a});
    }
  }
  return picture;
}

// Stacks darker copies of the pattern below it, one per band.
Canvas BandedPattern(const Canvas& pattern, int bands, bool keepOpacity) {
  Canvas atlas(pattern.Width(), pattern.Height() * bands);
  for (int b = 0; b < bands; ++b)
    for (int y = 0; y < pattern.Height(); ++y)
      for (int x = 0; x < pattern.Width(); ++x) {
        Colour c = Scaled(pattern.At(x, y), BandShade(b));
        if (!keepOpacity) c.a = 1.0f;
        atlas.Set(x, b * pattern.Height() + y, c);
      }
  return atlas;
}

ModelVertex ToFileVertex(const MeshVertex& v) {
  ModelVertex out;
  out.x = v.position.x;
  out.y = v.position.y;
  out.z = v.position.z;
  out.u = v.uv.x;
  out.v = v.uv.y;
  out.nx = v.normal.x;
  out.ny = v.normal.y;
  out.nz = v.normal.z;
  return out;
}

glm::vec3 FacetNormal(const MeshTriangle& t) {
  glm::vec3 n = glm::cross(t.v[1].position - t.v[0].position, t.v[2].position - t.v[0].position);
  float length = glm::length(n);
  return length > 0.0f ? n / length : t.v[0].normal;
}

// Maps v into the triangle's band, keeping half a texel from band edges.
std::vector<ModelVertex> FrameVertices(const Mesh& mesh, int bands, int bandHeight) {
  std::vector<ModelVertex> vertices;
  vertices.reserve(mesh.triangles.size() * 3);
  float inset = bands > 1 ? 0.5f / float(std::max(bandHeight, 1)) : 0.0f;
  for (const MeshTriangle& t : mesh.triangles) {
    int band = BandFor(FacetNormal(t), bands);
    for (const MeshVertex& v : t.v) {
      ModelVertex out = ToFileVertex(v);
      if (bands > 1) {
        float local = inset + std::clamp(v.uv.y, 0.0f, 1.0f) * (1.0f - 2.0f * inset);
        out.v = (float(band) + local) / float(bands);
      }
      vertices.push_back(out);
    }
  }
  return vertices;
}

}  // namespace

float BandShade(int band) { return kBandShade[std::clamp(band, 0, 3)]; }

int BandFor(glm::vec3 n, int bands) {
  if (bands <= 1) return 0;
  int band = n.z > 0.7f ? 0 : n.z > 0.2f ? 1 : n.z > -0.35f ? 2 : 3;
  return std::min(band, bands - 1);
}

ModelKit::ModelKit(int frameCount) { source_.frameCount = std::max(frameCount, 1); }

int ModelKit::AddMaterial(const std::string& name, const SurfaceLook& look) {
  MaterialSource material;
  material.name = name;
  int bands = std::clamp(look.bands, 1, 4);
  Canvas atlas = BandedPattern(look.pattern, bands, look.translucent);
  material.pictures[kSlotBase] = ToPicture(atlas);
  if (look.translucent) material.pictures[kSlotOpacity] = OpacityPicture(atlas);
  if (look.specular > 0.0f) {
    float s = std::clamp(look.specular, 0.0f, 1.0f);
    material.pictures[kSlotSpecular] = ToPicture(SolidPicture(8, Colour(s, s, s, 1.0f)));
    material.glossiness = look.glossiness;
  }
  if (look.shine > 0.0f) {
    Canvas shine = SphereShinePicture(look.shineTint);
    shine.Shade([&](glm::vec2, Colour c) { return Scaled(c, look.shine); });
    material.pictures[kSlotSphereGlow] = ToPicture(shine);
  }
  if (look.glow.Width() > 0) material.pictures[kSlotGlow] = ToPicture(look.glow);
  source_.materials.push_back(material);
  materialBands_.push_back(bands);
  bandHeights_.push_back(look.pattern.Height());
  return int(source_.materials.size()) - 1;
}

int ModelKit::AddGlowMaterial(const std::string& name, const Canvas& glow) {
  MaterialSource material;
  material.name = name;
  material.pictures[kSlotGlow] = ToPicture(glow);
  source_.materials.push_back(material);
  materialBands_.push_back(1);
  bandHeights_.push_back(glow.Height());
  return int(source_.materials.size()) - 1;
}

bool ModelKit::AddAnimated(const std::string& name, int material, const std::function<Mesh(int frame)>& pose) {
  MeshSource mesh;
  mesh.name = name;
  mesh.material = material;
  int bands = materialBands_[size_t(material)];
  int bandHeight = bandHeights_[size_t(material)];
  size_t triangles = 0;
  for (int f = 0; f < source_.frameCount; ++f) {
    Mesh posed = pose(f);
    if (f == 0) triangles = posed.Size();
    if (posed.Size() != triangles) return false;
    mesh.frames.push_back(FrameVertices(posed, bands, bandHeight));
  }
  for (int i = 0; i < int(triangles); ++i) mesh.triangles.push_back({3 * i, 3 * i + 1, 3 * i + 2});
  if (triangles == 0) return true;
  source_.meshes.push_back(std::move(mesh));
  return true;
}

void ModelKit::AddStill(const std::string& name, int material, const Mesh& mesh) {
  if (mesh.Size() == 0) return;
  MeshSource source;
  source.name = name;
  source.material = material;
  source.frames.push_back(FrameVertices(mesh, materialBands_[size_t(material)], bandHeights_[size_t(material)]));
  for (int i = 0; i < int(mesh.Size()); ++i) source.triangles.push_back({3 * i, 3 * i + 1, 3 * i + 2});
  source_.meshes.push_back(std::move(source));
}

void ModelKit::MergeStill(const ModelKit& other, const glm::mat4& place, int frame) {
  int firstMaterial = int(source_.materials.size());
  source_.materials.insert(source_.materials.end(), other.source_.materials.begin(), other.source_.materials.end());
  materialBands_.insert(materialBands_.end(), other.materialBands_.begin(), other.materialBands_.end());
  bandHeights_.insert(bandHeights_.end(), other.bandHeights_.begin(), other.bandHeights_.end());
  glm::mat3 normals = glm::transpose(glm::inverse(glm::mat3(place)));
  for (const MeshSource& mesh : other.source_.meshes) {
    MeshSource copy;
    copy.name = mesh.name;
    copy.material = mesh.material + firstMaterial;
    copy.triangles = mesh.triangles;
    std::vector<ModelVertex> vertices = mesh.frames[std::min<size_t>(size_t(std::max(frame, 0)), mesh.frames.size() - 1)];
    for (ModelVertex& v : vertices) {
      glm::vec3 p = glm::vec3(place * glm::vec4(v.x, v.y, v.z, 1.0f));
      glm::vec3 n = glm::normalize(normals * glm::vec3(v.nx, v.ny, v.nz));
      v.x = p.x, v.y = p.y, v.z = p.z, v.nx = n.x, v.ny = n.y, v.nz = n.z;
    }
    copy.frames.push_back(std::move(vertices));
    source_.meshes.push_back(std::move(copy));
  }
}

bool WriteModel(const ModelKit& kit, const std::string& path) {
  ModelFile file = BuildModelFile(kit.Source());
  return SaveModelFile(file, path.c_str(), "Rivet Run data generator");
}

Canvas SphereShinePicture(Colour tint) {
  // Seen as a sphere map: the upper half is a bright sky with a window of
  // light, the lower half a dim floor, so rounded metal catches a highlight.
  const int size = 64;
  Canvas c(size, size, Colour(0.0f, 0.0f, 0.0f, 1.0f));
  c.Shade([&](glm::vec2 p, Colour) {
    glm::vec2 q = (p / float(size)) * 2.0f - 1.0f;
    float r = glm::length(q);
    float sky = std::clamp(0.5f - q.y * 0.6f, 0.0f, 1.0f);
    float spot = std::exp(-glm::dot(q - glm::vec2(-0.35f, -0.45f), q - glm::vec2(-0.35f, -0.45f)) * 9.0f);
    float rim = std::clamp((r - 0.75f) * 3.0f, 0.0f, 1.0f) * 0.35f;
    float v = std::clamp(sky * 0.35f + spot * 0.9f + rim, 0.0f, 1.0f);
    return Colour(glm::vec3(tint) * v, 1.0f);
  });
  return c;
}

Canvas SolidPicture(int size, Colour colour) { return Canvas(size, size, WithAlpha(colour, 1.0f)); }
