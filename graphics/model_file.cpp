// Loading and writing ".vxm" model files: the run-length code, the block stack
// popped from the end of the payload, and the records the engine reads.
#include "graphics/model_file.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "files/file_stream.h"
#include "graphics/file_bytes.h"

namespace {

constexpr uint16_t kRunMarker = 0x668E;
constexpr uint32_t kLongestRun = 31000;
// No model of the game comes near this; a larger length field is damage.
constexpr uint64_t kLargestPayload = 256u << 20;

int32_t ReadInt(const uint8_t* p) {
  uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  return static_cast<int32_t>(v);
}

void WriteInt(uint8_t* p, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

float ReadFloat(const uint8_t* p) {
  int32_t bits = ReadInt(p);
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

// a x b x c as a byte count, or false when negative or overflowing.
bool Product(int64_t a, int64_t b, int64_t c, uint64_t* out) {
  if (a < 0 || b < 0 || c < 0) return false;
  uint64_t ab, abc;
  if (__builtin_mul_overflow(uint64_t(a), uint64_t(b), &ab)) return false;
  if (__builtin_mul_overflow(ab, uint64_t(c), &abc)) return false;
  *out = abc;
  return true;
}

std::vector<uint8_t> ResizedCopy(const std::vector<uint8_t>& bytes, size_t size) {
  std::vector<uint8_t> copy = bytes;
  copy.resize(size, 0);
  return copy;
}

// Takes blocks off the end of the payload; a pop of more than remains is refused.
struct BlockStack {
  const std::vector<uint8_t>& payload;
  size_t end;

  bool Pop(uint64_t size, std::vector<uint8_t>& into) {
    if (size > end) return false;
    into.assign(payload.begin() + static_cast<std::ptrdiff_t>(end - size),
                payload.begin() + static_cast<std::ptrdiff_t>(end));
    end -= static_cast<size_t>(size);
    return true;
  }
  template <size_t N>
  bool Pop(std::array<uint8_t, N>& into) {
    if (N > end) return false;
    std::memcpy(into.data(), payload.data() + end - N, N);
    end -= N;
    return true;
  }
};

// Bytes of a picture's pixel block as its record gives them: bytes per pixel
// (bits / 8) x width x height x count; false when negative or overflowing.
bool PixelBlockBytes(const ModelPicture& picture, uint64_t* size) {
  int32_t bytesPerPixel = picture.BitsPerPixel() / 8;
  if (!Product(bytesPerPixel, picture.Width(), picture.Height(), size)) return false;
  return Product(int64_t(*size), picture.Count(), 1, size);
}

bool PopPicture(BlockStack& stack, ModelPicture& picture) {
  if (!stack.Pop(picture.record)) return false;
  uint64_t size;
  if (!PixelBlockBytes(picture, &size)) return false;
  return stack.Pop(size, picture.pixels);
}

// What the writer stores of a picture: the pixel block at exactly the size
// its record claims (a short picture is padded with black, a long one cut),
// or nothing when no file could hold that size.
bool StoredPixels(const ModelPicture& picture, std::vector<uint8_t>* pixels) {
  uint64_t size;
  if (!PixelBlockBytes(picture, &size) || size > kLargestPayload) return false;
  *pixels = ResizedCopy(picture.pixels, static_cast<size_t>(size));
  return true;
}

bool PopMaterials(BlockStack& stack, ModelFile& model, int32_t count) {
  uint64_t size;
  if (!Product(count, kMaterialRecordBytes, 1, &size)) return false;
  std::vector<uint8_t> array;
  if (!stack.Pop(size, array)) return false;
  model.materials.resize(static_cast<size_t>(count));
  for (int32_t m = 0; m < count; ++m) {
    const uint8_t* record = array.data() + size_t(m) * kMaterialRecordBytes;
    model.materials[m].record.assign(record, record + kMaterialRecordBytes);
  }
  if (!Product(model.frameCount, kMaterialFrameBytes, 1, &size)) return false;
  for (int32_t m = count - 1; m >= 0; --m) {
    ModelMaterial& material = model.materials[m];
    if (!stack.Pop(size, material.frames)) return false;
    for (int32_t s = kPictureSlots - 1; s >= 0; --s) {
      if (ReadInt(material.record.data() + 4 * s) == 0) continue;
      if (!PopPicture(stack, material.pictures[s])) {
        material.pictures[s] = ModelPicture();
        return false;
      }
      material.hasPicture[s] = true;
    }
  }
  return true;
}

bool PopMeshes(BlockStack& stack, ModelFile& model, int32_t count) {
  uint64_t size;
  if (!Product(count, kMeshRecordBytes, 1, &size)) return false;
  std::vector<uint8_t> array;
  if (!stack.Pop(size, array)) return false;
  model.meshes.resize(static_cast<size_t>(count));
  for (int32_t m = 0; m < count; ++m) {
    const uint8_t* record = array.data() + size_t(m) * kMeshRecordBytes;
    model.meshes[m].record.assign(record, record + kMeshRecordBytes);
  }
  if (!Product(model.frameCount, kMatrixBytes, 1, &size)) return false;
  for (int32_t m = count - 1; m >= 0; --m) {
    if (model.meshes[m].HasMatrices() && !stack.Pop(size, model.meshes[m].matrices)) return false;
  }
  for (int32_t m = count - 1; m >= 0; --m) {
    ModelMesh& mesh = model.meshes[m];
    int32_t triangles = ReadInt(mesh.record.data() + 1200);
    if (!Product(triangles, kTriangleBytes, model.frameCount, &size)) return false;
    if (!stack.Pop(size, mesh.triangles)) return false;
    mesh.triangleCount = triangles;
  }
  return true;
}

bool PopRecords(BlockStack& stack, std::vector<uint8_t>& into, int32_t count, int32_t frames,
                int32_t bytes, int32_t* loadedCount) {
  uint64_t size;
  if (!Product(count, frames, bytes, &size) || !stack.Pop(size, into)) return false;
  *loadedCount = count;
  return true;
}

void PushBlock(std::vector<uint8_t>& payload, const void* data, size_t size) {
  // Grow as the original producer does: by the block plus a generous margin.
  if (payload.size() + size > payload.capacity()) payload.reserve(payload.capacity() + size + 8000000);
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  payload.insert(payload.end(), bytes, bytes + size);
}

void PushBlock(std::vector<uint8_t>& payload, const std::vector<uint8_t>& block) {
  PushBlock(payload, block.data(), block.size());
}

// A flag field keeps its stored non-zero value when the data is there, else becomes 0/1.
void SetFlag(uint8_t* field, bool present) {
  if (!present) {
    WriteInt(field, 0);
  } else if (ReadInt(field) == 0) {
    WriteInt(field, 1);
  }
}

std::string HeaderText() {
  std::string text = "Brask Hollowmar       Engine Data File ver 4.00 alfa\r\n";
  text += " Jorun Vellek - KZRT  3D Model, Animaction, Light, Camera & Material File Format 2002 \r\n";
  text += " " + std::string(94, '=') + " \r\n";
  for (int i = 0; i < 77; ++i) text += "\r\n";
  text.resize(960, ' ');
  return text;
}

}  // namespace

int32_t ModelPicture::BitsPerPixel() const { return ReadInt(record.data() + 4); }
int32_t ModelPicture::Width() const { return ReadInt(record.data() + 8); }
int32_t ModelPicture::Height() const { return ReadInt(record.data() + 12); }
int32_t ModelPicture::Count() const { return ReadInt(record.data() + 16); }

float ModelMaterial::Glossiness() const {
  return frames.size() >= size_t(kMaterialFrameBytes) ? ReadFloat(frames.data() + 56) : 0.0f;
}

int32_t ModelMesh::MaterialIndex() const {
  return record.size() >= size_t(kMeshRecordBytes) ? ReadInt(record.data() + 400) : -1;
}

bool ModelMesh::HasMatrices() const {
  return record.size() >= size_t(kMeshRecordBytes) && ReadInt(record.data() + 1208) != 0;
}

ModelVertex ModelMesh::Vertex(int32_t frame, int32_t t, int32_t corner) const {
  ModelVertex v;
  size_t at = (size_t(frame) * size_t(triangleCount) + size_t(t)) * kTriangleBytes + size_t(corner) * kFileVertexBytes;
  if (at + kFileVertexBytes <= triangles.size()) std::memcpy(&v, triangles.data() + at, kFileVertexBytes);
  return v;
}

std::vector<uint8_t> EncodeModelPayload(const std::vector<uint8_t>& payload) {
  std::vector<uint8_t> out;
  out.reserve(payload.size() + 16);
  size_t start = payload.size() % 2;
  if (start == 1) out.push_back(payload[0]);
  size_t words = payload.size() / 2;
  auto word = [&](size_t i) { return uint16_t(payload[start + 2 * i] | payload[start + 2 * i + 1] << 8); };
  auto put = [&](uint16_t w) {
    out.push_back(uint8_t(w >> 8));
    out.push_back(uint8_t(w & 0xFF));
  };
  size_t i = 0;
  while (i < words) {
    uint16_t w = word(i);
    size_t n = 1;
    while (i + n < words && n < kLongestRun && word(i + n) == w) ++n;
    if (n >= 3 || w == kRunMarker) {
      if (n < 3) n = 1;  // a lone marker word travels as a run of one
      put(kRunMarker);
      put(uint16_t(n));
      put(w);
      i += n;
    } else {
      put(w);
      ++i;
    }
  }
  return out;
}

std::vector<uint8_t> DecodeModelPayload(const uint8_t* coded, size_t codedSize, uint32_t length) {
  std::vector<uint8_t> out;
  // Never reserve more than the coded bytes can stand for.
  uint64_t bound = uint64_t(codedSize / 6 + 1) * kLongestRun * 2 + codedSize;
  out.reserve(static_cast<size_t>(std::min<uint64_t>(length, bound)));
  size_t in = 0;
  if (length % 2 == 1 && in < codedSize) out.push_back(coded[in++]);
  auto get = [&](uint16_t* w) {
    if (in + 2 > codedSize) return false;
    *w = uint16_t(coded[in] << 8 | coded[in + 1]);
    in += 2;
    return true;
  };
  uint16_t w;
  while (out.size() < length && get(&w)) {
    uint16_t count = 1;
    if (w == kRunMarker && !(get(&count) && get(&w))) break;
    for (uint16_t k = 0; k < count && out.size() + 2 <= length; ++k) {
      out.push_back(uint8_t(w & 0xFF));
      out.push_back(uint8_t(w >> 8));
    }
  }
  return out;
}

namespace {

// Bytes the coded stream stands for, counted without expanding a run; false
// when the stream ends inside a run marker.
bool CodedPayloadLength(const uint8_t* coded, size_t size, bool oddLength, uint64_t* total) {
  size_t in = 0;
  *total = 0;
  if (oddLength && size > 0) {
    in = 1;
    *total = 1;
  }
  while (in + 2 <= size) {
    uint16_t w = uint16_t(coded[in] << 8 | coded[in + 1]);
    in += 2;
    if (w != kRunMarker) {
      *total += 2;
      continue;
    }
    if (in + 4 > size) return false;
    *total += 2u * uint16_t(coded[in] << 8 | coded[in + 1]);
    in += 4;
  }
  return in == size;
}

int32_t Damaged(ModelFile& model, std::string problem) {
  model = ModelFile();
  model.damaged = true;
  model.problem = std::move(problem);
  return 1;
}

}  // namespace

int32_t ParseModelFile(ModelFile& model, const uint8_t* bytes, size_t size) {
  model = ModelFile();
  if (size == 0) return Damaged(model, "empty file");
  const size_t start = kModelPreambleBytes + kModelCommentBytes;
  if (size < start + 4) return Damaged(model, "shorter than the preamble (" + std::to_string(size) + " bytes)");
  uint32_t length = static_cast<uint32_t>(ReadInt(bytes + start));
  if (length > kLargestPayload) return Damaged(model, "payload length " + std::to_string(length) + " beyond any model");
  // Checked before anything is allocated: a few damaged bytes must not cost
  // the memory a length field claims.
  uint64_t holds = 0;
  if (!CodedPayloadLength(bytes + start + 4, size - start - 4, length % 2 == 1, &holds) || holds != length) {
    return Damaged(model, "the coded payload holds " + std::to_string(holds) + " bytes, its length field says " +
                              std::to_string(length));
  }
  if (length == 0) return 1;
  std::vector<uint8_t> payload = DecodeModelPayload(bytes + start + 4, size - start - 4, length);
  BlockStack stack{payload, payload.size()};
  if (!stack.Pop(model.header)) return Damaged(model, "payload shorter than the model header");
  int32_t frames = ReadInt(model.header.data() + 4);
  int32_t lights = ReadInt(model.header.data() + 12);
  int32_t cameras = ReadInt(model.header.data() + 16);
  int32_t meshes = ReadInt(model.header.data() + 20);
  int32_t materials = ReadInt(model.header.data() + 24);
  if (frames < 0 || lights < 0 || cameras < 0 || meshes < 0 || materials < 0) {
    return Damaged(model, "negative count in the header");
  }
  // Without frames every mesh, light and camera would be counts over no data.
  if (frames == 0 && (lights > 0 || cameras > 0 || meshes > 0)) {
    return Damaged(model, "no frames but " + std::to_string(meshes) + " meshes, " + std::to_string(lights) +
                              " lights and " + std::to_string(cameras) + " cameras");
  }
  model.frameCount = frames;
  bool whole = PopMaterials(stack, model, materials) && PopMeshes(stack, model, meshes) &&
               PopRecords(stack, model.cameras, cameras, frames, kCameraRecordBytes, &model.cameraCount) &&
               PopRecords(stack, model.lights, lights, frames, kLightRecordBytes, &model.lightCount);
  if (!whole) return Damaged(model, "the counts need more bytes than the payload holds");
  if (stack.end != 0) return Damaged(model, std::to_string(stack.end) + " payload bytes left over after the blocks");
  return 1;
}

int32_t ModelFile::Load(ModelFile& model, const char* path) {
  model = ModelFile();
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, kLargestModelFile, &bytes)) {
    if (FileExists(path) == 0) return 0;
    return Damaged(model, "larger than any model could be");
  }
  return ParseModelFile(model, bytes.data(), bytes.size());
}

std::vector<uint8_t> BuildModelPayload(const ModelFile& model) {
  std::vector<uint8_t> payload;
  payload.reserve(200000);
  const size_t frames = size_t(std::max(model.frameCount, 0));
  PushBlock(payload, ResizedCopy(model.lights, size_t(model.lightCount) * frames * kLightRecordBytes));
  PushBlock(payload, ResizedCopy(model.cameras, size_t(model.cameraCount) * frames * kCameraRecordBytes));
  for (const ModelMesh& mesh : model.meshes) {
    PushBlock(payload, ResizedCopy(mesh.triangles, size_t(mesh.triangleCount) * frames * kTriangleBytes));
  }
  for (const ModelMesh& mesh : model.meshes) {
    if (!mesh.matrices.empty()) PushBlock(payload, ResizedCopy(mesh.matrices, frames * kMatrixBytes));
  }
  for (const ModelMesh& mesh : model.meshes) {
    std::vector<uint8_t> record = ResizedCopy(mesh.record, kMeshRecordBytes);
    WriteInt(record.data() + 1200, mesh.triangleCount);
    SetFlag(record.data() + 1208, !mesh.matrices.empty());
    PushBlock(payload, record);
  }
  std::vector<std::array<bool, kPictureSlots>> stored(model.materials.size());
  for (size_t m = 0; m < model.materials.size(); ++m) {
    const ModelMaterial& material = model.materials[m];
    for (int32_t s = 0; s < kPictureSlots; ++s) {
      std::vector<uint8_t> pixels;
      stored[m][s] = material.hasPicture[s] && StoredPixels(material.pictures[s], &pixels);
      if (!stored[m][s]) continue;
      PushBlock(payload, pixels);
      PushBlock(payload, material.pictures[s].record.data(), kPictureRecordBytes);
    }
    PushBlock(payload, ResizedCopy(material.frames, frames * kMaterialFrameBytes));
  }
  for (size_t m = 0; m < model.materials.size(); ++m) {
    std::vector<uint8_t> record = ResizedCopy(model.materials[m].record, kMaterialRecordBytes);
    for (int32_t s = 0; s < kPictureSlots; ++s) SetFlag(record.data() + 4 * s, stored[m][s]);
    PushBlock(payload, record);
  }
  std::array<uint8_t, kModelHeaderBytes> header = model.header;
  if (ReadInt(header.data()) == 0) WriteInt(header.data(), 102);
  WriteInt(header.data() + 4, model.frameCount);
  WriteInt(header.data() + 12, model.lightCount);
  WriteInt(header.data() + 16, model.cameraCount);
  WriteInt(header.data() + 20, int32_t(model.meshes.size()));
  WriteInt(header.data() + 24, int32_t(model.materials.size()));
  PushBlock(payload, header.data(), header.size());
  return payload;
}

std::vector<uint8_t> EncodeModelFile(const ModelFile& model, const std::string& comment) {
  std::string text = HeaderText();
  std::vector<uint8_t> out(text.begin(), text.begin() + kModelPreambleBytes);
  if (comment.empty()) {
    unsigned randomState = 1;
    for (int i = 0; i < kModelCommentBytes; ++i) out.push_back(uint8_t(rand_r(&randomState) & 0xFF));
  } else {
    std::string padded = comment.substr(0, kModelCommentBytes);
    padded.resize(kModelCommentBytes, '\0');
    out.insert(out.end(), padded.begin(), padded.end());
  }
  std::vector<uint8_t> payload = BuildModelPayload(model);
  out.resize(out.size() + 4);
  WriteInt(out.data() + out.size() - 4, int32_t(payload.size()));
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  out.insert(out.end(), coded.begin(), coded.end());
  return out;
}

bool SaveModelFile(const ModelFile& model, const char* path, const std::string& comment) {
  std::vector<uint8_t> bytes = EncodeModelFile(model, comment);
  FileStream file;
  if (file.Open(path, "w") != FileStream::kDiskWrite) return false;
  file.Write(bytes.data(), int32_t(bytes.size()));
  file.Close();
  return true;
}
