// The ".vxm" model file: the in-memory record of one file, its loader and its
// writer. The file is a stack of raw record blocks behind a 700-byte preamble,
// run-length coded in 16-bit words. Fields the engine does not interpret are
// kept as opaque bytes, so a model read and written again has the same payload.
// Needs no window or GPU (the data generator links only this and rr_files).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Sizes of the raw records in a file.
constexpr int32_t kModelHeaderBytes = 52;
constexpr int32_t kMeshRecordBytes = 1212;
constexpr int32_t kMaterialRecordBytes = 8148;
constexpr int32_t kMaterialFrameBytes = 72;
constexpr int32_t kPictureRecordBytes = 24;
constexpr int32_t kTriangleBytes = 120;
constexpr int32_t kFileVertexBytes = 40;
constexpr int32_t kMatrixBytes = 64;
constexpr int32_t kLightRecordBytes = 240;
constexpr int32_t kCameraRecordBytes = 56;
constexpr int32_t kPictureSlots = 10;
constexpr int32_t kModelPreambleBytes = 500;
constexpr int32_t kModelCommentBytes = 200;

// What each picture slot of a material is drawn as (slots 2 and 6 are carried, never drawn).
enum PictureSlot : int32_t {
  kSlotBase = 0,        // base colour, lit, alpha-blended
  kSlotOpacity = 1,     // opacity of the base picture (first byte of each pixel)
  kSlotUnused2 = 2,
  kSlotSpecular = 3,    // texture x specular highlight, added
  kSlotGlow = 4,        // unlit, added
  kSlotLit = 5,         // lit by the ambient term, added over the base
  kSlotUnused6 = 6,
  kSlotSphereLit = 7,   // sphere-mapped, lit, added
  kSlotSphereGlow = 8,  // sphere-mapped, unlit, added
  kSlotReflection = 9,  // camera-space reflection, replaces what is below
};

// One file vertex: position, texture, normal, then two carried fields.
struct ModelVertex {
  float x = 0, y = 0, z = 0;
  float u = 0, v = 0;
  float nx = 0, ny = 0, nz = 1;
  uint32_t extra[2] = {0, 0};
};
static_assert(sizeof(ModelVertex) == kFileVertexBytes);

// A stored picture: 24-byte record plus its pixel block (rows from the top, RGB).
struct ModelPicture {
  std::array<uint8_t, kPictureRecordBytes> record{};
  std::vector<uint8_t> pixels;

  int32_t BitsPerPixel() const;
  int32_t Width() const;
  int32_t Height() const;
  int32_t Count() const;
};

struct ModelMaterial {
  std::vector<uint8_t> record;  // kMaterialRecordBytes
  std::vector<uint8_t> frames;  // frameCount x kMaterialFrameBytes
  std::array<bool, kPictureSlots> hasPicture{};
  std::array<ModelPicture, kPictureSlots> pictures;

  // Field 14 of the first frame block; 0 when there is none.
  float Glossiness() const;
};

struct ModelMesh {
  std::vector<uint8_t> record;     // kMeshRecordBytes
  std::vector<uint8_t> matrices;   // frameCount x 64 when the record says so, else empty
  std::vector<uint8_t> triangles;  // frameCount x triangleCount x 120, frame by frame
  int32_t triangleCount = 0;       // as loaded (a damaged mesh keeps 0)

  int32_t MaterialIndex() const;
  bool HasMatrices() const;
  // Vertex `corner` (0..2) of triangle `t` in frame `frame`; the caller keeps the indices in range.
  ModelVertex Vertex(int32_t frame, int32_t t, int32_t corner) const;
};

// The whole file as the engine holds it.
struct ModelFile {
  std::array<uint8_t, kModelHeaderBytes> header{};
  int32_t frameCount = 0;
  std::vector<uint8_t> lights;   // lightCount x frameCount x 240, light by light
  std::vector<uint8_t> cameras;  // cameraCount x frameCount x 56, camera by camera
  int32_t lightCount = 0;
  int32_t cameraCount = 0;
  std::vector<ModelMesh> meshes;
  std::vector<ModelMaterial> materials;
  // The file's counts, sizes or coding did not add up: the model is left
  // empty (nothing half-read is ever drawn) and `problem` says what was wrong.
  bool damaged = false;
  std::string problem;

  // Reads the file through FileStream. Returns 0 when the file cannot be opened
  // (the model stays empty), 1 otherwise; a damaged file gives an empty model
  // with `damaged` set, never an overrun.
  static int32_t Load(ModelFile& model, const char* path);
};

// Run-length coding of the payload (exposed for tests and tools).
std::vector<uint8_t> EncodeModelPayload(const std::vector<uint8_t>& payload);
// Decodes until `length` bytes are produced or the input ends; runs are clipped
// at `length`. The result is shorter than `length` only for a truncated stream.
std::vector<uint8_t> DecodeModelPayload(const uint8_t* coded, size_t codedSize, uint32_t length);

// The uncompressed payload of a model, blocks pushed in file order. Counts and
// flags in the header and records are written from the data actually held.
std::vector<uint8_t> BuildModelPayload(const ModelFile& model);
// The complete file bytes: preamble, comment (zero-length: the C library's
// pseudo-random bytes from a fixed start), payload length, coded payload.
std::vector<uint8_t> EncodeModelFile(const ModelFile& model, const std::string& comment = "");
// Writes the file through FileStream; false when it cannot be opened.
bool SaveModelFile(const ModelFile& model, const char* path, const std::string& comment = "");
// Parses complete file bytes already in memory (as Load does for a file).
// Nothing is allocated for the payload before its length field has been
// checked against what the coded bytes actually stand for.
int32_t ParseModelFile(ModelFile& model, const uint8_t* bytes, size_t size);
