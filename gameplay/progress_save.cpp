// Storing the highest level reached.
#include "gameplay/progress_save.h"

#include "gameplay/play_phases.h"
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
  return WriteProfileTable(table);
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
