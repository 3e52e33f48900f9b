// The global player record and start-up's profile file reads and writes.
#include "shell/player_progress.h"

#include <cstring>

#include "shell/save_file.h"
#include "shell/shutdown.h"

PlayerProgress playerProgress;

int32_t ReadProfileIndex() {
  uint8_t bytes[4] = {};
  if (ReadSmallFile(kProfileIndexFile, bytes, sizeof(bytes)) < 4) return 0;
  int32_t index = ReadInt32Le(bytes);
  // There are only ten profiles; a damaged index picks the first.
  return index >= 0 && index < kProfileCount ? index : 0;
}

bool WriteProfileIndex(int32_t index) {
  uint8_t bytes[4];
  WriteInt32Le(bytes, index);
  return WriteSmallFile(kProfileIndexFile, bytes, sizeof(bytes));
}

void ReadProfileTable(ProfileRecord table[kProfileCount]) {
  uint8_t bytes[kProfileCount * sizeof(ProfileRecord)] = {};
  ReadSmallFile(kProfileTableFile, bytes, sizeof(bytes));
  for (int i = 0; i < kProfileCount; ++i) {
    const uint8_t* record = bytes + i * sizeof(ProfileRecord);
    std::memcpy(table[i].name, record, sizeof(table[i].name));
    table[i].name[sizeof(table[i].name) - 1] = 0;
    table[i].highestLevel = ReadInt32Le(record + 32);
  }
}

void LoadPlayerProgress() {
  playerProgress = PlayerProgress{};
  playerProgress.profileIndex = ReadProfileIndex();
  ProfileRecord table[kProfileCount];
  ReadProfileTable(table);
  playerProgress.highestLevel = table[playerProgress.profileIndex].highestLevel;
  AddExitSaver(SaveProfileIndex);
}

void SaveProfileIndex() { WriteProfileIndex(playerProgress.profileIndex); }
