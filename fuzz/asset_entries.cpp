// Fuzz entries for the game's assets: models, pictures and level files.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_entries.h"
#include "graphics/model.h"
#include "graphics/model_file.h"
#include "platform/gpu_resources.h"
#include "rules/board.h"
#include "rules/step_input.h"

namespace {
// The largest texture side of the software renderer the tests run on.
constexpr int32_t kLargestTexture = 16384;
}  // namespace

// A model read from bytes, written out again and read back: what loads whole
// must survive the round trip with the same shape; a damaged model is empty.
// Then the same bytes as a file through Model::Load, which builds the
// textures' pixels and the meshes' vertices (no device: nothing is uploaded).
void FuzzModel(const uint8_t* data, size_t size) {
  ModelFile model;
  ParseModelFile(model, data, size);
  if (model.damaged) {
    FUZZ_CHECK(model.meshes.empty() && model.materials.empty() && model.frameCount == 0 && !model.problem.empty());
  } else {
    std::vector<uint8_t> again = EncodeModelFile(model);
    ModelFile reread;
    ParseModelFile(reread, again.data(), again.size());
    FUZZ_CHECK(!reread.damaged);
    FUZZ_CHECK(reread.frameCount == model.frameCount && reread.lightCount == model.lightCount &&
               reread.cameraCount == model.cameraCount);
    FUZZ_CHECK(reread.meshes.size() == model.meshes.size() && reread.materials.size() == model.materials.size());
    for (size_t m = 0; m < model.meshes.size(); ++m) {
      FUZZ_CHECK(reread.meshes[m].triangleCount == model.meshes[m].triangleCount);
      FUZZ_CHECK(reread.meshes[m].triangles == model.meshes[m].triangles);
    }
  }
  const std::string path = WriteFuzzFile("model.vxm", data, size);
  Model built;
  built.Load(path.c_str());
  FUZZ_CHECK(built.meshes.size() == model.meshes.size());
}

void FuzzPicture(const uint8_t* data, size_t size) {
  std::vector<uint8_t> rgba;
  int32_t width = 0, height = 0;
  if (DecodePictureBytes(data, size, kLargestTexture, &rgba, &width, &height)) {
    FUZZ_CHECK(width > 0 && height > 0 && rgba.size() == size_t(width) * size_t(height) * 4);
  } else {
    FUZZ_CHECK(rgba.empty());
  }
}

// Input: which file it stands for, then the file's bytes. The first byte
// picks one of the three index files or one of level 1's three parts; the
// other five are the shipped level set's shape in miniature: each index
// names level 1's part of its kind ("levels/a.lvl" and so on).
void FuzzLevel(const uint8_t* data, size_t size) {
  if (size < 1) return;
  static const char* const kIndexes[3] = {"levels/gracze.gra", "levels/etapy.gra", "levels/reszta.gra"};
  static const char* const kParts[3] = {"levels/a.lvl", "levels/b.lvl", "levels/c.lvl"};
  std::filesystem::create_directories(FuzzFolder() + "levels");
  for (int i = 0; i < 3; ++i) {
    // Record n of an index is 16 bytes at 16 x n: the part's name, NUL-padded.
    std::vector<uint8_t> index(32, 0);
    std::string name = kParts[i];
    std::copy(name.begin(), name.end(), index.begin() + 16);
    WriteFuzzFile(kIndexes[i], index.data(), index.size());
    std::vector<uint8_t> part(240, '0');
    WriteFuzzFile(kParts[i], part.data(), part.size());
  }
  int role = data[0] % 6;
  WriteFuzzFile(role < 3 ? kIndexes[role] : kParts[role - 3], data + 1, size - 1);
  auto board = std::make_unique<Board>();
  board->LoadLevel(1, FuzzFolder().c_str());
  FUZZ_CHECK(board->robotCount >= 0 && board->robotCount <= kRobotCapacity);
  // A board made of whatever cells the file holds must still play: each
  // direction held in turn for a while, as a player might.
  SoundLatches latches;
  for (int tick = 0; tick < 1000 && board->LevelStatus() == kLevelPlaying; ++tick) {
    board->Step(CommandInput(static_cast<Direction>(tick / 50 % 5)), latches);
    FUZZ_CHECK(board->robotCount >= 0 && board->robotCount <= kRobotCapacity);
  }
}
