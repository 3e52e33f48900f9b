// The table of fuzz targets and what every entry shares.
#include "fuzz/fuzz_entries.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "sound/sound.h"

void FuzzModel(const uint8_t* data, size_t size);
void FuzzPicture(const uint8_t* data, size_t size);
void FuzzLevel(const uint8_t* data, size_t size);
void FuzzSound(const uint8_t* data, size_t size);
void FuzzZip(const uint8_t* data, size_t size);
void FuzzSaves(const uint8_t* data, size_t size);
void FuzzRecords(const uint8_t* data, size_t size);
void FuzzScript(const uint8_t* data, size_t size);
void FuzzUninstallLog(const uint8_t* data, size_t size);
void FuzzCamera(const uint8_t* data, size_t size);

const std::vector<FuzzTarget>& FuzzTargets() {
  static const std::vector<FuzzTarget> targets = {
      {"model", FuzzModel},   {"picture", FuzzPicture}, {"level", FuzzLevel},   {"sound", FuzzSound},
      {"zip", FuzzZip},       {"saves", FuzzSaves},     {"script", FuzzScript}, {"uninstall-log", FuzzUninstallLog},
      {"camera", FuzzCamera}, {"records", FuzzRecords},
  };
  return targets;
}

FuzzEntry FindFuzzEntry(const char* name) {
  for (const FuzzTarget& target : FuzzTargets()) {
    if (std::strcmp(target.name, name) == 0) return target.entry;
  }
  return nullptr;
}

namespace {
uint32_t fuzzClock = 0;
uint32_t FuzzClock() { return fuzzClock; }

char scratchFolder[] = "/tmp/rivet-fuzz-XXXXXX";
void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchFolder, ignored);
}
}  // namespace

// Moves the mixer's clock on, for the sound entry.
void AdvanceFuzzClock(uint32_t milliseconds) { fuzzClock += milliseconds; }

void PrepareFuzzing() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  if (mkdtemp(scratchFolder) == nullptr) {
    std::perror("fuzzing scratch folder");
    std::abort();
  }
  std::atexit(RemoveScratchFolder);
  InitSound(SoundOptions{true, FuzzClock});
}

void FuzzCheckFailed(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, what);
  std::abort();
}

const std::string& FuzzFolder() {
  static const std::string folder = std::string(scratchFolder) + "/";
  return folder;
}

std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
  std::string path = FuzzFolder() + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    std::perror(path.c_str());
    std::abort();
  }
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);
  return path;
}
