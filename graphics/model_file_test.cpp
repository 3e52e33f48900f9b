// Model files: the run-length code, files made by the builder read back, and
// damaged files that must load as empty models.
#include "graphics/model_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <cstring>
#include <string>

#include "graphics/file_bytes.h"
#include "graphics/model_builder.h"

namespace {

std::vector<uint8_t> Words(std::initializer_list<uint16_t> words) {
  std::vector<uint8_t> bytes;
  for (uint16_t w : words) bytes.insert(bytes.end(), {uint8_t(w & 0xFF), uint8_t(w >> 8)});
  return bytes;
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& payload) {
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  return DecodeModelPayload(coded.data(), coded.size(), uint32_t(payload.size()));
}

TEST(RunLengthCode, RunsOfThreeOrMoreAndTheMarkerItselfBecomeMarkerCountValue) {
  EXPECT_EQ(EncodeModelPayload(Words({0x1234, 0x1234, 0x1234, 0x1234})),
            (std::vector<uint8_t>{0x66, 0x8E, 0x00, 0x04, 0x12, 0x34}));
  EXPECT_EQ(EncodeModelPayload(Words({0x1234, 0x1234, 0x1234, 0x0001})),
            (std::vector<uint8_t>{0x66, 0x8E, 0x00, 0x03, 0x12, 0x34, 0x00, 0x01}));
  EXPECT_EQ(EncodeModelPayload(Words({0xABCD, 0xABCD})), (std::vector<uint8_t>{0xAB, 0xCD, 0xAB, 0xCD}));
  EXPECT_EQ(EncodeModelPayload(Words({0x668E})), (std::vector<uint8_t>{0x66, 0x8E, 0x00, 0x01, 0x66, 0x8E}));
  EXPECT_EQ(RoundTrip(Words({0x668E, 0x668E, 0x0000})), Words({0x668E, 0x668E, 0x0000}));
}

TEST(RunLengthCode, LongRunsSplitAt31000WordsAndAnOddFirstByteTravelsRaw) {
  std::vector<uint8_t> payload(2 * 65000, 0x07);
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  ASSERT_EQ(coded.size(), 18u);  // 31000 + 31000 + 3000
  EXPECT_EQ(coded[2] << 8 | coded[3], 31000);
  EXPECT_EQ(coded[8] << 8 | coded[9], 31000);
  EXPECT_EQ(coded[14] << 8 | coded[15], 3000);
  EXPECT_EQ(RoundTrip(payload), payload);
  std::vector<uint8_t> odd = {0x55, 0x01, 0x02, 0x01, 0x02, 0x01, 0x02};
  EXPECT_EQ(EncodeModelPayload(odd)[0], 0x55);
  EXPECT_EQ(RoundTrip(odd), odd);
}

TEST(RunLengthCode, DecoderClipsRunsAndStopsAtTheEndOfInput) {
  std::vector<uint8_t> coded = {0x66, 0x8E, 0x7F, 0xFF, 0x00, 0x09};
  EXPECT_EQ(DecodeModelPayload(coded.data(), coded.size(), 6), Words({0x0009, 0x0009, 0x0009}));
  // A marker cut off before its count and value ends the stream.
  std::vector<uint8_t> cut = {0x00, 0x01, 0x66, 0x8E, 0x00};
  EXPECT_EQ(DecodeModelPayload(cut.data(), cut.size(), 100), Words({0x0001}));
}

// A small animated model with everything a file can hold.
ModelSource SampleSource() {
  ModelSource source;
  source.frameCount = 3;
  MaterialSource plain;
  plain.name = "steel plate with rivets, brushed";
  plain.glossiness = 0.25f;
  MaterialSource painted;
  painted.pictures[kSlotBase] = MakeSolidPicture(2, 3, 10, 20, 30);
  painted.pictures[kSlotGlow] = MakeSolidPicture(4, 1, 1, 2, 3);
  painted.pictures[kSlotReflection] = MakeSolidPicture(1, 1, 9, 9, 9);
  source.materials = {plain, painted};
  MeshSource moving;
  moving.material = 1;
  moving.triangles = {{0, 1, 2}, {2, 1, 3}};
  for (int f = 0; f < 3; ++f) {
    float z = float(f);
    moving.frames.push_back({{0, 0, z, 0, 0}, {1, 0, z, 1, 0}, {0, 1, z, 0, 1}, {1, 1, z, 1, 1}});
  }
  moving.matrices = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1}};
  MeshSource still;
  still.triangles = {{0, 1, 2}, {0, 1, 9}};  // the second names a vertex that is not there
  still.frames = {{{0, 0, 0}, {2, 0, 0}, {0, 2, 0}}};
  source.meshes = {moving, still};
  source.lights = {{{1, 2, 3}}, {{4, 5, 6}, {7, 8, 9}}};
  source.cameras = {{{}}};
  return source;
}

float FloatAt(const std::vector<uint8_t>& bytes, size_t at) {
  float f;
  std::memcpy(&f, bytes.data() + at, 4);
  return f;
}

std::string TempPath(const char* name) { return std::string(::testing::TempDir()) + name; }

TEST(ModelFileRoundTrip, BuiltModelLoadsBackWithEveryBlockInPlace) {
  std::string path = TempPath("sample.vxm");
  // A comment longer than its field is cut, not pushed into the length field.
  ASSERT_TRUE(SaveModelFile(BuildModelFile(SampleSource()), path.c_str(), std::string(300, 'c')));
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(path.c_str(), 1 << 20, &bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 54), "Brask Hollowmar       Engine Data File ver 4.00 alfa\r\n");
  ModelFile model;
  ASSERT_EQ(ModelFile::Load(model, path.c_str()), 1);
  EXPECT_FALSE(model.damaged);
  EXPECT_EQ(model.frameCount, 3);
  // Lights and cameras are stored per frame; short lists repeat their last entry.
  EXPECT_EQ(model.lightCount, 2);
  ASSERT_EQ(model.lights.size(), 2u * 3 * kLightRecordBytes);
  EXPECT_EQ(FloatAt(model.lights, 0), 1.0f);
  EXPECT_EQ(FloatAt(model.lights, 2 * kLightRecordBytes), 1.0f);
  EXPECT_EQ(FloatAt(model.lights, 3 * kLightRecordBytes), 4.0f);
  EXPECT_EQ(FloatAt(model.lights, 5 * kLightRecordBytes), 7.0f);
  EXPECT_EQ(model.cameraCount, 1);
  EXPECT_EQ(model.cameras.size(), 3u * kCameraRecordBytes);
  // Pictures sit in their own slots; a material without pictures keeps only its
  // record and frames. Fields 0-9 of a material record say which pictures are
  // stored and field 10 is the frame block's place: a long name written over
  // them once claimed pictures that were not there and was cut to pieces.
  ASSERT_EQ(model.materials.size(), 2u);
  EXPECT_EQ(model.materials[0].hasPicture, (std::array<bool, 10>{}));
  EXPECT_STREQ(reinterpret_cast<const char*>(model.materials[0].record.data()) + 44, "steel plate with rivets, brushed");
  EXPECT_FLOAT_EQ(model.materials[0].Glossiness(), 0.25f);
  const ModelMaterial& painted = model.materials[1];
  EXPECT_TRUE(painted.hasPicture[kSlotBase] && painted.hasPicture[kSlotGlow] && painted.hasPicture[kSlotReflection]);
  EXPECT_FALSE(painted.hasPicture[kSlotOpacity]);
  EXPECT_EQ(painted.pictures[kSlotGlow].Width(), 4);
  EXPECT_EQ(painted.pictures[kSlotBase].Height(), 3);
  EXPECT_EQ(painted.pictures[kSlotBase].pixels.size(), 18u);
  EXPECT_EQ(painted.pictures[kSlotBase].pixels[2], 30);
  // Meshes: per-frame triangles and matrices.
  ASSERT_EQ(model.meshes.size(), 2u);
  EXPECT_EQ(model.meshes[0].MaterialIndex(), 1);
  EXPECT_EQ(model.meshes[0].triangleCount, 2);
  EXPECT_TRUE(model.meshes[0].HasMatrices());
  EXPECT_EQ(FloatAt(model.meshes[0].matrices, 2 * kMatrixBytes + 12 * 4), 5.0f);
  EXPECT_EQ(model.meshes[0].Vertex(2, 1, 2).z, 2.0f);
  EXPECT_EQ(model.meshes[0].Vertex(1, 1, 2).x, 1.0f);
  EXPECT_EQ(model.meshes[1].triangleCount, 1);
  EXPECT_FALSE(model.meshes[1].HasMatrices());
  EXPECT_EQ(model.meshes[1].Vertex(2, 0, 1).x, 2.0f);  // a one-frame mesh repeats in every frame
}

// Files made by hand from a payload: laid out by hand, or to damage them.
std::vector<uint8_t> FileWithPayload(const std::vector<uint8_t>& payload, uint32_t length) {
  std::vector<uint8_t> bytes(700, ' ');
  bytes.insert(bytes.end(), {uint8_t(length), uint8_t(length >> 8), uint8_t(length >> 16), uint8_t(length >> 24)});
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  bytes.insert(bytes.end(), coded.begin(), coded.end());
  return bytes;
}

// A payload laid out by hand, block by block in file order, with every byte
// of a block telling which block it belongs to: the loader and the writer
// must agree with the layout itself, not merely with each other.
struct HandPayload {
  std::vector<uint8_t> bytes;
  void Fill(size_t size, uint8_t tag) { bytes.insert(bytes.end(), size, tag); }
  void Int(size_t at, int32_t value) { std::memcpy(bytes.data() + at, &value, 4); }
};

HandPayload TwoFrameModelByHand() {
  // F = 2, one light, one camera; mesh 0 (material 1, one triangle, matrices),
  // mesh 1 (material 0, two triangles); material 0 with pictures in slots 0
  // (2 x 2) and 3 (1 x 4), material 1 without pictures.
  HandPayload p;
  p.Fill(1 * 240 * 2, 0x11);   // lights
  p.Fill(1 * 56 * 2, 0x22);    // cameras
  p.Fill(1 * 120 * 2, 0x33);   // mesh 0 triangles
  p.Fill(2 * 120 * 2, 0x44);   // mesh 1 triangles
  p.Fill(2 * 64, 0x55);        // mesh 0 matrices
  size_t meshes = p.bytes.size();
  p.Fill(2 * 1212, 0x66);
  for (int m = 0; m < 2; ++m) {
    size_t at = meshes + size_t(m) * 1212;
    p.Int(at + 400, m == 0 ? 1 : 0);
    p.Int(at + 1200, m == 0 ? 1 : 2);
    p.Int(at + 1208, m == 0 ? 1 : 0);
  }
  p.Fill(2 * 2 * 3, 0x77);  // material 0, slot 0 pixels
  size_t record = p.bytes.size();
  p.Fill(24, 0);
  p.Int(record + 4, 24);
  p.Int(record + 8, 2);
  p.Int(record + 12, 2);
  p.Int(record + 16, 1);
  p.Fill(1 * 4 * 3, 0x78);  // material 0, slot 3 pixels
  record = p.bytes.size();
  p.Fill(24, 0);
  p.Int(record + 4, 24);
  p.Int(record + 8, 1);
  p.Int(record + 12, 4);
  p.Int(record + 16, 1);
  size_t frames = p.bytes.size();
  p.Fill(2 * 72, 0x79);  // material 0 frame block
  float gloss = 0.75f;
  std::memcpy(p.bytes.data() + frames + 56, &gloss, 4);
  p.Fill(2 * 72, 0x7A);  // material 1 frame block
  size_t materials = p.bytes.size();
  p.Fill(2 * 8148, 0x7B);
  for (int m = 0; m < 2; ++m) {
    for (int s = 0; s <= 10; ++s) p.Int(materials + size_t(m) * 8148 + size_t(4 * s), 0);
  }
  p.Int(materials + 0 * 4, 1);
  p.Int(materials + 3 * 4, 1);
  size_t header = p.bytes.size();
  p.Fill(52, 0x7C);  // field 2 and those past the counts are carried as they are
  const int32_t fields[7] = {102, 2, 0x7C7C7C7C, 1, 1, 2, 2};
  for (int i = 0; i < 7; ++i) p.Int(header + size_t(4 * i), fields[i]);
  return p;
}

TEST(ModelFileLayout, HandLaidPayloadLoadsEveryBlockFromItsPlace) {
  std::vector<uint8_t> payload = TwoFrameModelByHand().bytes;
  std::vector<uint8_t> file = FileWithPayload(payload, uint32_t(payload.size()));
  ModelFile model;
  ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
  EXPECT_FALSE(model.damaged);
  EXPECT_EQ(model.frameCount, 2);
  EXPECT_EQ(model.lights, std::vector<uint8_t>(480, 0x11));
  EXPECT_EQ(model.cameras, std::vector<uint8_t>(112, 0x22));
  ASSERT_EQ(model.meshes.size(), 2u);
  EXPECT_EQ(model.meshes[0].triangles, std::vector<uint8_t>(240, 0x33));
  EXPECT_EQ(model.meshes[1].triangles, std::vector<uint8_t>(480, 0x44));
  EXPECT_EQ(model.meshes[0].matrices, std::vector<uint8_t>(128, 0x55));
  EXPECT_TRUE(model.meshes[1].matrices.empty());
  EXPECT_EQ(model.meshes[0].MaterialIndex(), 1);
  ASSERT_EQ(model.materials.size(), 2u);
  const ModelMaterial& painted = model.materials[0];
  EXPECT_TRUE(painted.hasPicture[0] && painted.hasPicture[3]);
  EXPECT_EQ(painted.pictures[0].pixels, std::vector<uint8_t>(12, 0x77));
  EXPECT_EQ(painted.pictures[3].pixels, std::vector<uint8_t>(12, 0x78));
  EXPECT_EQ(painted.pictures[3].Height(), 4);
  EXPECT_FLOAT_EQ(painted.Glossiness(), 0.75f);
  EXPECT_EQ(model.materials[1].frames, std::vector<uint8_t>(144, 0x7A));
  EXPECT_EQ(model.materials[1].hasPicture, (std::array<bool, 10>{}));
  // And the writer lays the same model out exactly so, with the bytes of the
  // records it does not read carried through.
  EXPECT_EQ(BuildModelPayload(model), payload);
}

TEST(ModelFileLayout, PictureBlockIsAsLongAsItsRecordSays) {
  // The pixel block is bytes-per-pixel x width x height x count, whatever the
  // picture held when written; anything else shifts every block before it.
  ModelFile built = BuildModelFile(SampleSource());
  built.materials[1].pictures[kSlotBase].pixels.resize(7);   // 2 x 3 claimed: 18 bytes
  built.materials[1].pictures[kSlotGlow].pixels.resize(40);  // 4 x 1 claimed: 12 bytes
  std::vector<uint8_t> file = EncodeModelFile(built);
  ModelFile model;
  ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
  EXPECT_FALSE(model.damaged);
  ASSERT_EQ(model.materials.size(), 2u);
  EXPECT_EQ(model.materials[1].pictures[kSlotBase].pixels.size(), 18u);
  EXPECT_EQ(model.materials[1].pictures[kSlotGlow].pixels.size(), 12u);
  EXPECT_TRUE(model.materials[1].hasPicture[kSlotReflection]);
  EXPECT_EQ(model.lightCount, 2);
  // A record whose size cannot be stored is written without that picture.
  std::fill_n(built.materials[1].pictures[kSlotGlow].record.begin() + 16, 4, 0xFF);  // count -1
  file = EncodeModelFile(built);
  ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
  EXPECT_FALSE(model.damaged);
  EXPECT_FALSE(model.materials[1].hasPicture[kSlotGlow]);
  EXPECT_TRUE(model.materials[1].hasPicture[kSlotBase]);
  EXPECT_EQ(model.meshes.size(), 2u);
}

void SetHeaderField(std::vector<uint8_t>& payload, int field, int32_t value) {
  std::memcpy(payload.data() + payload.size() - kModelHeaderBytes + 4 * field, &value, 4);
}

// Each way a file can fail to add up leaves an empty model and names the fault.
TEST(DamagedModelFile, EveryKindOfDamageGivesAnEmptyModelAndSaysWhy) {
  const std::vector<uint8_t> payload = BuildModelPayload(BuildModelFile(SampleSource()));
  auto withField = [&](int field, int32_t value) {
    std::vector<uint8_t> bad = payload;
    SetHeaderField(bad, field, value);
    return FileWithPayload(bad, uint32_t(bad.size()));
  };
  ModelSource painted;
  painted.materials.resize(1);
  painted.materials[0].pictures[kSlotBase] = MakeSolidPicture(2, 2, 1, 1, 1);
  std::vector<uint8_t> widePicture = BuildModelPayload(BuildModelFile(painted));
  // The slot 0 record follows its 12 pixel bytes at the start of the payload.
  widePicture[12 + 8] = 0xFF;
  widePicture[12 + 11] = 0x7F;
  std::vector<uint8_t> cut = FileWithPayload(payload, uint32_t(payload.size()));
  cut.resize(cut.size() / 2);
  std::vector<uint8_t> trailing = FileWithPayload(payload, uint32_t(payload.size()));
  trailing.insert(trailing.end(), {1, 2, 3, 4});
  std::vector<uint8_t> padded = payload;
  padded.insert(padded.begin(), 120, 0);  // bytes no block claims
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> files = {
      {"meshes 3", withField(5, 3)},
      {"meshes 1000000", withField(5, 1000000)},
      {"meshes 2^31-1", withField(5, 0x7FFFFFFF)},
      {"frames 2^30", withField(1, 0x40000000)},
      {"frames -1", withField(1, -1)},
      {"materials -5", withField(6, -5)},
      {"lights 2^31-1", withField(3, 0x7FFFFFFF)},
      // Zero frames made every mesh's triangles zero bytes long, whatever their count.
      {"frames 0", withField(1, 0)},
      {"picture wider than its pixels", FileWithPayload(widePicture, uint32_t(widePicture.size()))},
      {"length beyond any model", FileWithPayload(payload, 0xFFFFFFF0u)},
      {"length one word short", FileWithPayload(payload, uint32_t(payload.size() - 2))},
      {"truncated stream", cut},
      {"bytes after the stream", trailing},
      {"unclaimed payload bytes", FileWithPayload(padded, uint32_t(padded.size()))},
      {"shorter than the preamble", std::vector<uint8_t>(300, 0)},
      {"empty", {}},
  };
  for (const auto& [name, file] : files) {
    ModelFile model;
    ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1) << name;
    EXPECT_TRUE(model.damaged) << name;
    EXPECT_FALSE(model.problem.empty()) << name;
    EXPECT_EQ(model.frameCount, 0) << name;
    EXPECT_TRUE(model.meshes.empty() && model.materials.empty() && model.lights.empty()) << name;
  }
}

// A flipped byte anywhere from the length field on either leaves the model's
// shape as it was (a vertex or a colour changed) or is reported: never a model
// that silently lost its frames or meshes.
TEST(DamagedModelFile, FlippedBytesAreNoticedOrLeaveTheShapeAlone) {
  const std::vector<uint8_t> good = EncodeModelFile(BuildModelFile(SampleSource()));
  ModelFile original;
  ParseModelFile(original, good.data(), good.size());
  ASSERT_FALSE(original.damaged);
  unsigned randomState = 7;
  for (int trial = 0; trial < 400; ++trial) {
    std::vector<uint8_t> file = good;
    int flips = 1 + trial % 20;
    for (int i = 0; i < flips; ++i) {
      file[700 + size_t(rand_r(&randomState)) % (file.size() - 700)] ^= uint8_t(1 + rand_r(&randomState) % 255);
    }
    ModelFile model;
    ParseModelFile(model, file.data(), file.size());
    if (model.damaged) {
      EXPECT_TRUE(model.meshes.empty() && model.materials.empty()) << trial;
      continue;
    }
    EXPECT_EQ(model.frameCount, original.frameCount) << trial;
    ASSERT_EQ(model.meshes.size(), original.meshes.size()) << trial;
    EXPECT_EQ(model.materials.size(), original.materials.size()) << trial;
    EXPECT_EQ(model.lightCount, original.lightCount) << trial;
    for (size_t m = 0; m < model.meshes.size(); ++m) {
      EXPECT_EQ(model.meshes[m].triangleCount, original.meshes[m].triangleCount) << trial;
    }
  }
}

}  // namespace

// The largest single allocation made while a probe is open; the whole test
// program allocates through here.
static std::atomic<size_t> largestAllocation{0};

void* operator new(size_t size) {
  size_t seen = largestAllocation.load(std::memory_order_relaxed);
  while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
  }
  void* p = std::malloc(size != 0 ? size : 1);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
// The new above takes its memory from malloc, so free is the matching release;
// GCC cannot see that through the replaced operators and warns.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

TEST(DamagedModelFile, ALengthFieldBeyondTheCodedBytesCostsNoMemory) {
  // 256 MB claimed by a file of a few kilobytes.
  std::vector<uint8_t> payload = BuildModelPayload(BuildModelFile(SampleSource()));
  std::vector<uint8_t> file = FileWithPayload(payload, 256u << 20);
  largestAllocation = 0;
  ModelFile model;
  ParseModelFile(model, file.data(), file.size());
  EXPECT_TRUE(model.damaged);
  EXPECT_LT(largestAllocation.load(), size_t(1) << 20);
}

TEST(DamagedModelFile, FilesAreReadAsTheyComeUpToALimitAndAMissingOneLoadsEmpty) {
  std::string path = TempPath("twenty bytes.bin");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite("01234567890123456789", 1, 20, file);
  std::fclose(file);
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path.c_str(), 20, &bytes));
  EXPECT_EQ(bytes.size(), 20u);
  EXPECT_FALSE(ReadFileBytes(path.c_str(), 19, &bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(ReadFileBytes(TempPath("not there.bin").c_str(), 100, &bytes));
  ModelFile model;
  EXPECT_EQ(ModelFile::Load(model, TempPath("no such model.vxm").c_str()), 0);
  EXPECT_TRUE(model.meshes.empty());
  EXPECT_EQ(model.frameCount, 0);
}

}  // namespace
