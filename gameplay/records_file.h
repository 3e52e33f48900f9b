// Each player's records: for every profile and level, the fewest moves of a
// win. Kept in "records.dat" beside the profiles, written whole through the
// side-file save. Its byte layout, used by every reader and writer:
//   bytes 0..3   "RRRC"
//   bytes 4..7   version 1, little-endian
//   then 10 profiles x 45 levels of a 16-bit little-endian count of moves,
//   profile by profile, level 1 first; 0 for no win yet.
#pragma once
#include <cstdint>

constexpr const char* kRecordsFile = "records.dat";
constexpr int kRecordProfiles = 10;
constexpr int kRecordLevels = 45;
constexpr int kRecordsBytes = 8 + kRecordProfiles * kRecordLevels * 2;
constexpr int32_t kMostRecordedMoves = 30000;

struct PlayerRecords {
  uint16_t fewestMoves[kRecordProfiles][kRecordLevels] = {};
};

// False for bytes that are not a whole records file of this layout.
bool DecodeRecords(const uint8_t* bytes, int32_t size, PlayerRecords& records);
void EncodeRecords(const PlayerRecords& records, uint8_t (&bytes)[kRecordsBytes]);

// The records on disk: none when the file is missing; a damaged file is
// ignored with one diagnostic line.
PlayerRecords LoadRecords();
// A win of level (1..45) by profile (0..9) in moves: kept when it is the
// first or beats the record. False when the file could not be written.
bool RecordWin(int32_t profile, int32_t level, int32_t moves);
// 0 when the profile has not won the level.
int32_t FewestMoves(const PlayerRecords& records, int32_t profile, int32_t level);
