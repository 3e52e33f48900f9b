// Building a ModelFile from plain geometry, for the data generator and tests:
// meshes as indexed vertices per animation frame, materials as pictures per
// layer slot, lights and cameras per frame. The builder expands everything
// into the file's own records; write the result with SaveModelFile.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/model_file.h"

// Rows from the top, three bytes per pixel: red, green, blue. Empty: no picture.
struct PictureSource {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb;
};

struct MaterialSource {
  std::string name;  // kept in the record for people reading files; not drawn
  std::array<PictureSource, kPictureSlots> pictures;  // indexed by PictureSlot
  float glossiness = 0;                               // 0..1, shapes the specular layer
};

// Puts an RGBA picture into the base slot and its alpha into the opacity slot.
void SetBasePicture(MaterialSource& material, int32_t width, int32_t height, const std::vector<uint8_t>& rgba);
// A picture of one colour.
PictureSource MakeSolidPicture(int32_t width, int32_t height, uint8_t r, uint8_t g, uint8_t b);

struct MeshSource {
  std::string name;
  int32_t material = 0;                          // index into ModelSource::materials
  std::vector<std::array<int32_t, 3>> triangles;  // vertex indices, counter-clockwise seen from outside
  // frames[f][i]: vertex i in animation frame f. A mesh with fewer frames than
  // the model repeats its last frame (one frame: a still part of an animated model).
  std::vector<std::vector<ModelVertex>> frames;
  std::vector<std::array<float, 16>> matrices;  // optional, per frame (carried, not drawn)
};

// Lights and cameras are carried in the file for tools; the engine draws
// with the light and camera the game sets.
struct LightSource {
  float x = 0, y = 0, z = 0;
  float r = 1, g = 1, b = 1;
  float range = 100;
};

struct CameraSource {
  float eye[3] = {0, -10, 10};
  float at[3] = {0, 0, 0};
  float up[3] = {0, 0, 1};
  float fovDegrees = 45;
};

struct ModelSource {
  int32_t frameCount = 1;
  std::vector<MaterialSource> materials;
  std::vector<MeshSource> meshes;
  std::vector<std::vector<LightSource>> lights;    // lights[l][frame], short lists repeat the last
  std::vector<std::vector<CameraSource>> cameras;  // cameras[c][frame], likewise
};

// Expands the source into file records. Triangles whose indices fall outside
// a frame's vertices are dropped; a mesh without frames has no triangles.
ModelFile BuildModelFile(const ModelSource& source);
