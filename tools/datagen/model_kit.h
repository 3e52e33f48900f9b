// Turns generator meshes and canvases into the engine's model sources:
// materials with their layers (base colour with opacity, specular, glow,
// sphere-map shine) and meshes posed frame by frame. The game lights boards
// and menus with a full ambient light, so surfaces carry their own shading:
// a material may hold several copies of its picture in horizontal bands,
// each darker than the one above, and every triangle is mapped into the band
// that suits the way it faces (tops bright, sides darker, undersides darkest).
#pragma once
#include <functional>
#include <string>

#include "graphics/model_builder.h"
#include "tools/datagen/canvas.h"
#include "tools/datagen/mesh.h"

struct SurfaceLook {
  Canvas pattern;               // base colour; its opacity becomes the opacity layer when `translucent`
  int bands = 4;                // 1: no baked shading
  bool translucent = false;     // keep the pattern's opacity (the material is then depth-sorted)
  float specular = 0.0f;        // strength of the glossy highlight layer, 0 for none
  float glossiness = 0.5f;      // 0..1, tightness of the highlight
  float shine = 0.0f;           // strength of the sphere-mapped metal shine, 0 for none
  Colour shineTint{1.0f};
  Canvas glow;                  // optional unlit picture added on top (lamps, markings)
};

// Shading factor of each band, top to bottom.
float BandShade(int band);
// The band a face with this normal is drawn from.
int BandFor(glm::vec3 normal, int bands);

class ModelKit {
 public:
  explicit ModelKit(int frameCount);

  int FrameCount() const { return source_.frameCount; }
  int AddMaterial(const std::string& name, const SurfaceLook& look);
  // A material drawn only as an unlit additive glow (no base picture).
  int AddGlowMaterial(const std::string& name, const Canvas& glow);
  // One mesh posed for every frame by `pose`; every frame must give the same
  // number of triangles (false, and nothing added, if one does not).
  bool AddAnimated(const std::string& name, int material, const std::function<Mesh(int frame)>& pose);
  // A mesh that stays the same in every frame.
  void AddStill(const std::string& name, int material, const Mesh& mesh);
  // Copies frame `frame` of another model into this one as still meshes, moved by `place`.
  void MergeStill(const ModelKit& other, const glm::mat4& place, int frame = 0);
  const ModelSource& Source() const { return source_; }

 private:
  ModelSource source_;
  std::vector<int> materialBands_;
  std::vector<int> bandHeights_;
};

// Writes the model through the engine's own writer; false on failure.
bool WriteModel(const ModelKit& kit, const std::string& path);

// Common pictures for layers.
Canvas SphereShinePicture(Colour tint);          // a bright sky over a dark floor, for metal
Canvas SolidPicture(int size, Colour colour);
