// Reading, checking and writing "records.dat".
#include "gameplay/records_file.h"

#include <cstdio>
#include <cstring>

#include "shell/save_file.h"

namespace {
constexpr uint8_t kMagic[4] = {'R', 'R', 'R', 'C'};
constexpr int32_t kVersion = 1;

bool InRange(int32_t profile, int32_t level) {
  return profile >= 0 && profile < kRecordProfiles && level >= 1 && level <= kRecordLevels;
}
}  // namespace

bool DecodeRecords(const uint8_t* bytes, int32_t size, PlayerRecords& records) {
  if (size != kRecordsBytes || std::memcmp(bytes, kMagic, 4) != 0 || ReadInt32Le(bytes + 4) != kVersion) return false;
  PlayerRecords read;
  const uint8_t* at = bytes + 8;
  for (auto& profile : read.fewestMoves) {
    for (uint16_t& moves : profile) {
      moves = static_cast<uint16_t>(at[0] | at[1] << 8);
      if (moves > kMostRecordedMoves) return false;
      at += 2;
    }
  }
  records = read;
  return true;
}

void EncodeRecords(const PlayerRecords& records, uint8_t (&bytes)[kRecordsBytes]) {
  std::memcpy(bytes, kMagic, 4);
  WriteInt32Le(bytes + 4, kVersion);
  uint8_t* at = bytes + 8;
  for (const auto& profile : records.fewestMoves) {
    for (uint16_t moves : profile) {
      at[0] = static_cast<uint8_t>(moves & 0xFF);
      at[1] = static_cast<uint8_t>(moves >> 8);
      at += 2;
    }
  }
}

PlayerRecords LoadRecords() {
  PlayerRecords records;
  uint8_t bytes[kRecordsBytes + 1];
  const int size = ReadSmallFile(kRecordsFile, bytes, sizeof bytes);
  if (size < 0) return records;  // no win recorded yet
  if (!DecodeRecords(bytes, size, records)) {
    std::printf("%s is damaged; its records are ignored\n", kRecordsFile);
    return PlayerRecords{};
  }
  return records;
}

bool RecordWin(int32_t profile, int32_t level, int32_t moves) {
  if (!InRange(profile, level) || moves < 0 || moves > kMostRecordedMoves) return false;
  PlayerRecords records = LoadRecords();
  uint16_t& best = records.fewestMoves[profile][level - 1];
  if (best != 0 && best <= moves) return true;
  best = static_cast<uint16_t>(moves);
  uint8_t bytes[kRecordsBytes];
  EncodeRecords(records, bytes);
  return WriteSmallFile(kRecordsFile, bytes, sizeof bytes);
}

int32_t FewestMoves(const PlayerRecords& records, int32_t profile, int32_t level) {
  return InRange(profile, level) ? records.fewestMoves[profile][level - 1] : 0;
}
