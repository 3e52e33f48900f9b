// Start-up's profile reads and writes: missing, short and damaged files.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/player_progress.h"
#include "shell/scratch_directory_test.h"

namespace {

using ProfileFiles = ScratchDirectory;

std::vector<unsigned char> ProfileTable(int index, int32_t highestLevel, const char* name) {
  std::vector<unsigned char> bytes(360, 0);
  std::memcpy(bytes.data() + index * 36, name, std::strlen(name));
  for (int i = 0; i < 4; ++i) bytes[index * 36 + 32 + i] = static_cast<unsigned char>(static_cast<uint32_t>(highestLevel) >> (8 * i));
  return bytes;
}

TEST_F(ProfileFiles, TheStoredIndexPicksItsRecordAndABadOneTheFirst) {
  playerProgress.profileIndex = 4;
  playerProgress.highestLevel = 9;
  LoadPlayerProgress();  // no files: the first profile at level 0
  EXPECT_EQ(playerProgress.profileIndex, 0);
  EXPECT_EQ(playerProgress.highestLevel, 0);
  EXPECT_EQ(playerProgress.currentLevel, 0);
  EXPECT_FLOAT_EQ(playerProgress.eyeDistance, 50.0f);
  EXPECT_FLOAT_EQ(playerProgress.pitch, -25.0f);

  std::vector<unsigned char> table = ProfileTable(3, 17, "OLA");
  table[32] = 5;  // the first record at level 5
  WriteBytes("profile.dat", table);
  WriteBytes("profile.da0", {0x03, 0x00, 0x00, 0x00, 0xFF});  // a longer file: its first four bytes
  LoadPlayerProgress();
  EXPECT_EQ(playerProgress.profileIndex, 3);
  EXPECT_EQ(playerProgress.highestLevel, 17);
  for (const std::vector<unsigned char>& bad : {Int32s({10}), Int32s({-1}), Int32s({INT32_MIN}), {0x02, 0x00}}) {
    WriteBytes("profile.da0", bad);
    LoadPlayerProgress();
    EXPECT_EQ(playerProgress.profileIndex, 0) << bad.size();
    EXPECT_EQ(playerProgress.highestLevel, 5) << bad.size();
  }
  playerProgress.profileIndex = 7;  // written back as exactly its four bytes
  SaveProfileIndex();
  EXPECT_EQ(ReadBytes("profile.da0"), Int32s({7}));
  EXPECT_FALSE(std::filesystem::exists("profile.da0.new"));
}

// A short table leaves the missing records empty, names without their end
// are cut at twelve; the table is written back whole, in place.
TEST_F(ProfileFiles, DamagedTablesReadSafelyAndTheTableWritesBackInPlace) {
  std::vector<unsigned char> bytes = ProfileTable(1, 0x0302, "BOB");
  bytes.resize(36 + 33);  // record 1 cut after the first byte of its level
  WriteBytes("profile.dat", bytes);
  ProfileRecord table[kProfileCount];
  ReadProfileTable(table);
  EXPECT_STREQ(table[1].name, "BOB");
  EXPECT_EQ(table[1].highestLevel, 2);  // the missing bytes read as zero
  EXPECT_EQ(table[9].highestLevel, 0);
  EXPECT_STREQ(table[9].name, "");

  WriteBytes("profile.dat", std::vector<unsigned char>(360, 'Z'));
  ReadProfileTable(table);
  EXPECT_EQ(std::strlen(table[0].name), 12u);
  std::strcpy(table[3].name, "ANNA");
  table[3].highestLevel = 0x0102;
  ASSERT_TRUE(WriteProfileTable(table));
  const std::vector<unsigned char> written = ReadBytes("profile.dat");
  ASSERT_EQ(written.size(), 360u);
  EXPECT_EQ(std::memcmp(&written[3 * 36], "ANNA", 5), 0);
  EXPECT_EQ(written[3 * 36 + 32], 0x02);
  EXPECT_EQ(written[3 * 36 + 33], 0x01);
  EXPECT_EQ(written[9 * 36], 'Z');  // the other records are kept
  EXPECT_FALSE(std::filesystem::exists("profile.dat.new"));
}

}  // namespace
