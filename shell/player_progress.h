// The current player: the one global PlayerProgress record, and the profile
// files start-up reads and writes ("profile.da0" holds the current profile's
// number, "profile.dat" the ten profiles).
#pragma once
#include <cstdint>

// 36 bytes: camera state of the play loop, then the current profile's progress.
struct PlayerProgress {
  float eyeHeight = 0.0f;
  float eyeDistance = 50.0f;
  float spare1 = 0.0f;
  float spare2 = 0.0f;
  float pitch = -25.0f;
  float robotViewYaw = 0.0f;
  int32_t profileIndex = 0;   // 0..9
  int32_t currentLevel = 0;   // the level the play loop starts with
  int32_t highestLevel = 0;   // copy of the profile's highest level reached
};
static_assert(sizeof(PlayerProgress) == 36);

// One 36-byte record of "profile.dat": a NUL-terminated name of at most 12
// characters in 32 bytes, then the highest level reached (little-endian).
constexpr int kProfileNameLimit = 12;
struct ProfileRecord {
  char name[32] = {};
  int32_t highestLevel = 0;
};
static_assert(sizeof(ProfileRecord) == 36);

constexpr int kProfileCount = 10;
constexpr const char* kProfileIndexFile = "profile.da0";
constexpr const char* kProfileTableFile = "profile.dat";

extern PlayerProgress playerProgress;

// The index stored in "profile.da0": 0 when the file is missing, short, or
// holds a number outside 0..9.
int32_t ReadProfileIndex();
// Writes the 4 bytes of "profile.da0". False when it cannot be written.
bool WriteProfileIndex(int32_t index);
// Reads "profile.dat" into ten records; missing bytes read as zero records,
// and a name without its NUL ends after 12 characters.
void ReadProfileTable(ProfileRecord table[kProfileCount]);
// Replaces "profile.dat" with the ten records (the old file is kept when the
// write fails). False when it cannot be written.
bool WriteProfileTable(const ProfileRecord table[kProfileCount]);

// Start-up's fill of the global record: camera defaults, the stored profile
// index, currentLevel 0 and that profile's highest level. From then on a
// closed window saves the profile index too (an exit saver).
void LoadPlayerProgress();
// Writes the global record's profile index to "profile.da0" (the normal quit
// and the window close both do this).
void SaveProfileIndex();
