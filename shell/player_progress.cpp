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

namespace {
// The one place the bytes of "profile.dat" are laid out: ten records of a
// 32-byte name and a little-endian highest level at offset 32.
constexpr size_t kRecordBytes = 36;
constexpr size_t kLevelOffset = 32;
constexpr size_t kTableBytes = kProfileCount * kRecordBytes;
}  // namespace

void ReadProfileTable(ProfileRecord table[kProfileCount]) {
  uint8_t bytes[kTableBytes] = {};
  ReadSmallFile(kProfileTableFile, bytes, sizeof(bytes));
  for (int i = 0; i < kProfileCount; ++i) {
    const uint8_t* record = bytes + i * kRecordBytes;
    std::memcpy(table[i].name, record, sizeof(table[i].name));
    // A record without its NUL must not run the name past 12 characters.
    table[i].name[kProfileNameLimit] = 0;
    table[i].highestLevel = ReadInt32Le(record + kLevelOffset);
  }
}

bool WriteProfileTable(const ProfileRecord table[kProfileCount]) {
  uint8_t bytes[kTableBytes];
  for (int i = 0; i < kProfileCount; ++i) {
    uint8_t* record = bytes + i * kRecordBytes;
    std::memcpy(record, table[i].name, sizeof(table[i].name));
    WriteInt32Le(record + kLevelOffset, table[i].highestLevel);
  }
  return WriteSmallFile(kProfileTableFile, bytes, sizeof(bytes));
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
