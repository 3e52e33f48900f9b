// Storing the highest level reached.
#include "gameplay/progress_save.h"

#include <cstring>

#include "gameplay/play_phases.h"
#include "shell/save_file.h"
#include "shell/shutdown.h"

namespace {
PlayerProgress* guarded = nullptr;
int guardedLevel = 0;
}  // namespace

bool StoreHighestLevel(const PlayerProgress& progress) {
  ProfileRecord table[kProfileCount];
  ReadProfileTable(table);
  int index = progress.profileIndex;
  if (index < 0 || index >= kProfileCount) index = 0;
  if (table[index].highestLevel >= progress.highestLevel) return true;
  table[index].highestLevel = progress.highestLevel;
  uint8_t bytes[sizeof(ProfileRecord) * kProfileCount];
  for (int i = 0; i < kProfileCount; ++i) {
    uint8_t* record = bytes + i * sizeof(ProfileRecord);
    std::memcpy(record, table[i].name, sizeof table[i].name);
    WriteInt32Le(record + 32, table[i].highestLevel);
  }
  return WriteSmallFile(kProfileTableFile, bytes, sizeof bytes);
}

void BeginProgressGuard(PlayerProgress& progress, int level) {
  guarded = &progress;
  guardedLevel = level;
  AddExitSaver(SaveProgressOnClose);
}

void UpdateProgressGuard(int level) { guardedLevel = level; }

void StoreLevelReached(int level) {
  guardedLevel = level;
  if (guarded == nullptr) return;
  guarded->highestLevel = RaisedHighestLevel(guarded->highestLevel, level);
  StoreHighestLevel(*guarded);
}

void EndProgressGuard() {
  RemoveExitSaver(SaveProgressOnClose);
  guarded = nullptr;
}

void SaveProgressOnClose() {
  if (guarded == nullptr) return;
  guarded->highestLevel = RaisedHighestLevel(guarded->highestLevel, guardedLevel);
  StoreHighestLevel(*guarded);
}
