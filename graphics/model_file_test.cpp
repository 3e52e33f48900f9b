// Model files: the run-length code, files made by the builder read back, and
// damaged files that must load as empty or partial models.
#include "graphics/model_file.h"

#include <gtest/gtest.h>

#include <cstdio>
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

TEST(RunLengthCode, RunsOfThreeOrMoreBecomeMarkerCountValue) {
  EXPECT_EQ(EncodeModelPayload(Words({0x1234, 0x1234, 0x1234, 0x1234})),
            (std::vector<uint8_t>{0x66, 0x8E, 0x00, 0x04, 0x12, 0x34}));
  EXPECT_EQ(EncodeModelPayload(Words({0x1234, 0x1234, 0x1234, 0x0001})),
            (std::vector<uint8_t>{0x66, 0x8E, 0x00, 0x03, 0x12, 0x34, 0x00, 0x01}));
}

TEST(RunLengthCode, TwoEqualWordsStayLiterals) {
  EXPECT_EQ(EncodeModelPayload(Words({0xABCD, 0xABCD})), (std::vector<uint8_t>{0xAB, 0xCD, 0xAB, 0xCD}));
}

TEST(RunLengthCode, TheMarkerWordTravelsAsARunOfOne) {
  std::vector<uint8_t> coded = EncodeModelPayload(Words({0x668E}));
  EXPECT_EQ(coded, (std::vector<uint8_t>{0x66, 0x8E, 0x00, 0x01, 0x66, 0x8E}));
  EXPECT_EQ(RoundTrip(Words({0x668E, 0x668E, 0x0000})), Words({0x668E, 0x668E, 0x0000}));
}

TEST(RunLengthCode, LongRunsSplitAt31000Words) {
  std::vector<uint8_t> payload(2 * 65000, 0x07);
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  ASSERT_EQ(coded.size(), 18u);  // 31000 + 31000 + 3000
  EXPECT_EQ(coded[2] << 8 | coded[3], 31000);
  EXPECT_EQ(coded[8] << 8 | coded[9], 31000);
  EXPECT_EQ(coded[14] << 8 | coded[15], 3000);
  EXPECT_EQ(RoundTrip(payload), payload);
}

TEST(RunLengthCode, OddLengthStoresTheFirstByteRaw) {
  std::vector<uint8_t> payload = {0x55, 0x01, 0x02, 0x01, 0x02, 0x01, 0x02};
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  EXPECT_EQ(coded[0], 0x55);
  EXPECT_EQ(RoundTrip(payload), payload);
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
  plain.name = "plain";
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
  ASSERT_TRUE(SaveModelFile(BuildModelFile(SampleSource()), path.c_str()));
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
  // Pictures sit in their own slots; a material without pictures keeps only its record and frames.
  ASSERT_EQ(model.materials.size(), 2u);
  EXPECT_EQ(model.materials[0].hasPicture, (std::array<bool, 10>{}));
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

TEST(ModelFileRoundTrip, LoadedModelWritesTheSamePayload) {
  std::vector<uint8_t> first = EncodeModelFile(BuildModelFile(SampleSource()));
  ModelFile model;
  ASSERT_EQ(ParseModelFile(model, first.data(), first.size()), 1);
  // Carried bytes survive: scribble into fields the engine does not read.
  model.meshes[0].record[7] = 0xEE;
  model.materials[1].record[5000] = 0x42;
  model.header[8] = 0x33;
  std::vector<uint8_t> payload = BuildModelPayload(model);
  ModelFile again;
  std::vector<uint8_t> second = EncodeModelFile(model);
  ASSERT_EQ(ParseModelFile(again, second.data(), second.size()), 1);
  EXPECT_EQ(BuildModelPayload(again), payload);
  EXPECT_EQ(again.meshes[0].record[7], 0xEE);
  EXPECT_EQ(again.materials[1].record[5000], 0x42);
}

TEST(ModelFileRoundTrip, FileStartsWithThePreambleAndLengthField) {
  std::vector<uint8_t> bytes = EncodeModelFile(BuildModelFile(SampleSource()), "made by a test");
  std::string preamble(bytes.begin(), bytes.begin() + 500);
  EXPECT_EQ(preamble.substr(0, 54), "Brask Hollowmar       Engine Data File ver 4.00 alfa\r\n");
  EXPECT_EQ(preamble.substr(140, 4), "\r\n =");
  EXPECT_EQ(preamble.substr(236, 5), "= \r\n\r");
  EXPECT_EQ(preamble.substr(392, 108), "\r\n" + std::string(106, ' '));
  EXPECT_EQ(std::string(bytes.begin() + 500, bytes.begin() + 514), "made by a test");
  uint32_t length;
  std::memcpy(&length, bytes.data() + 700, 4);
  EXPECT_EQ(length, BuildModelPayload(BuildModelFile(SampleSource())).size());
}

// Files made by hand from a payload, to damage them in controlled ways.
std::vector<uint8_t> FileWithPayload(const std::vector<uint8_t>& payload, uint32_t length) {
  std::vector<uint8_t> bytes(700, ' ');
  bytes.insert(bytes.end(), {uint8_t(length), uint8_t(length >> 8), uint8_t(length >> 16), uint8_t(length >> 24)});
  std::vector<uint8_t> coded = EncodeModelPayload(payload);
  bytes.insert(bytes.end(), coded.begin(), coded.end());
  return bytes;
}

void SetHeaderField(std::vector<uint8_t>& payload, int field, int32_t value) {
  std::memcpy(payload.data() + payload.size() - kModelHeaderBytes + 4 * field, &value, 4);
}

TEST(DamagedModelFile, MissingFileLeavesAnEmptyModel) {
  ModelFile model;
  EXPECT_EQ(ModelFile::Load(model, TempPath("no such model.vxm").c_str()), 0);
  EXPECT_TRUE(model.meshes.empty());
  EXPECT_EQ(model.frameCount, 0);
}

TEST(DamagedModelFile, CountsLargerThanThePayloadGiveAPartialModel) {
  std::vector<uint8_t> payload = BuildModelPayload(BuildModelFile(SampleSource()));
  for (int32_t absurd : {3, 1000000, 0x7FFFFFFF}) {
    std::vector<uint8_t> bad = payload;
    SetHeaderField(bad, 5, absurd);  // meshes
    std::vector<uint8_t> file = FileWithPayload(bad, uint32_t(bad.size()));
    ModelFile model;
    ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
    EXPECT_TRUE(model.damaged);
    for (const ModelMesh& mesh : model.meshes) {
      EXPECT_EQ(mesh.triangles.size(), size_t(mesh.triangleCount) * model.frameCount * kTriangleBytes);
    }
  }
}

TEST(DamagedModelFile, HugeFrameCountAndNegativeCountsAreRefused) {
  std::vector<uint8_t> payload = BuildModelPayload(BuildModelFile(SampleSource()));
  for (auto [field, value] : {std::pair{1, 0x40000000}, {1, -1}, {6, -5}, {3, 0x7FFFFFFF}}) {
    std::vector<uint8_t> bad = payload;
    SetHeaderField(bad, field, value);
    std::vector<uint8_t> file = FileWithPayload(bad, uint32_t(bad.size()));
    ModelFile model;
    ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
    EXPECT_TRUE(model.damaged);
    EXPECT_EQ(model.lights.size(), size_t(model.lightCount) * model.frameCount * kLightRecordBytes);
  }
}

TEST(DamagedModelFile, PictureClaimingMoreBytesThanExistIsDropped) {
  ModelSource source;
  source.materials.resize(1);
  source.materials[0].pictures[kSlotBase] = MakeSolidPicture(2, 2, 1, 1, 1);
  ModelFile built = BuildModelFile(source);
  built.materials[0].pictures[kSlotBase].record[8] = 0xFF;  // width 255: far more pixels than stored
  built.materials[0].pictures[kSlotBase].record[11] = 0x7F;
  std::vector<uint8_t> file = EncodeModelFile(built);
  ModelFile model;
  ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
  EXPECT_TRUE(model.damaged);
  ASSERT_EQ(model.materials.size(), 1u);
  EXPECT_FALSE(model.materials[0].hasPicture[kSlotBase]);
  EXPECT_TRUE(model.materials[0].pictures[kSlotBase].pixels.empty());
}

TEST(DamagedModelFile, AbsurdLengthAndTruncatedStreamsGiveEmptyModels) {
  std::vector<uint8_t> payload = BuildModelPayload(BuildModelFile(SampleSource()));
  std::vector<uint8_t> huge = FileWithPayload(payload, 0xFFFFFFF0u);
  std::vector<uint8_t> cut = FileWithPayload(payload, uint32_t(payload.size()));
  cut.resize(cut.size() / 2);
  std::vector<uint8_t> tiny(300, 0);
  for (const auto& file : {huge, cut, tiny}) {
    ModelFile model;
    ASSERT_EQ(ParseModelFile(model, file.data(), file.size()), 1);
    EXPECT_TRUE(model.damaged);
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_TRUE(model.materials.empty());
  }
}

TEST(DamagedModelFile, FilesAreReadAsTheyComeUpToALimit) {
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
}

TEST(DamagedModelFile, RandomBytesNeverCrashTheLoader) {
  std::vector<uint8_t> good = EncodeModelFile(BuildModelFile(SampleSource()));
  unsigned seed = 7;
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<uint8_t> file = good;
    int flips = 1 + rand_r(&seed) % 8;
    for (int i = 0; i < flips; ++i) file[700 + size_t(rand_r(&seed)) % (file.size() - 700)] = uint8_t(rand_r(&seed));
    ModelFile model;
    ParseModelFile(model, file.data(), file.size());
    for (const ModelMesh& mesh : model.meshes) {
      EXPECT_EQ(mesh.triangles.size(), size_t(mesh.triangleCount) * size_t(model.frameCount) * kTriangleBytes);
    }
  }
}

}  // namespace
