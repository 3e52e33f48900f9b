// The highest level reached reaches "profile.dat" on leaving and on closing
// the window, without disturbing the other profiles.
#include <gtest/gtest.h>

#include <vector>

#include "gameplay/progress_save.h"
#include "shell/save_file.h"
#include "shell/scratch_directory_test.h"
#include "shell/shutdown.h"

namespace {
class ProgressSave : public ScratchDirectory {
 protected:
  static std::vector<unsigned char> Table() {
    std::vector<unsigned char> bytes(360, 0);
    for (int i = 0; i < 10; ++i) {
      bytes[i * 36] = static_cast<unsigned char>('A' + i);
      WriteInt32Le(bytes.data() + i * 36 + 32, i + 1);
    }
    return bytes;
  }
  static int32_t LevelOf(const std::vector<unsigned char>& bytes, int record) {
    return ReadInt32Le(bytes.data() + record * 36 + 32);
  }
};
}  // namespace

TEST_F(ProgressSave, RaisesOnlyThePlayersRecordAndKeepsTheRest) {
  WriteBytes("profile.dat", Table());
  PlayerProgress p;
  p.profileIndex = 3;
  p.highestLevel = 12;
  ASSERT_TRUE(StoreHighestLevel(p));
  std::vector<unsigned char> after = ReadBytes("profile.dat");
  ASSERT_EQ(after.size(), 360u);
  std::vector<unsigned char> expected = Table();
  WriteInt32Le(expected.data() + 3 * 36 + 32, 12);
  EXPECT_EQ(after, expected);

  // A record that already holds more is never lowered.
  p.highestLevel = 2;
  StoreHighestLevel(p);
  EXPECT_EQ(LevelOf(ReadBytes("profile.dat"), 3), 12);
}

TEST_F(ProgressSave, MissingOrShortFileAndADamagedIndex) {
  PlayerProgress p;
  p.profileIndex = 0;
  p.highestLevel = 5;
  ASSERT_TRUE(StoreHighestLevel(p));
  std::vector<unsigned char> after = ReadBytes("profile.dat");
  ASSERT_EQ(after.size(), 360u);
  EXPECT_EQ(LevelOf(after, 0), 5);

  WriteBytes("profile.dat", {'Z', 0, 0});
  p.profileIndex = 77;  // from a damaged "profile.da0": the first record is used
  p.highestLevel = 9;
  ASSERT_TRUE(StoreHighestLevel(p));
  after = ReadBytes("profile.dat");
  ASSERT_EQ(after.size(), 360u);
  EXPECT_EQ(after[0], 'Z');
  EXPECT_EQ(LevelOf(after, 0), 9);
}

TEST_F(ProgressSave, ClosingTheWindowDuringPlayKeepsTheLevelsWon) {
  WriteBytes("profile.dat", Table());
  PlayerProgress p;
  p.profileIndex = 1;
  p.highestLevel = 2;
  BeginProgressGuard(p, 2);
  UpdateProgressGuard(7);  // five levels won since
  RunExitSavers();         // what the close path does
  EXPECT_EQ(p.highestLevel, 7);
  EXPECT_EQ(LevelOf(ReadBytes("profile.dat"), 1), 7);

  // A win reaches the file at once, before the next level's tour.
  StoreLevelReached(8);
  EXPECT_EQ(LevelOf(ReadBytes("profile.dat"), 1), 8);

  // After leaving play, a close writes nothing more of it.
  EndProgressGuard();
  UpdateProgressGuard(9);
  RunExitSavers();
  EXPECT_EQ(LevelOf(ReadBytes("profile.dat"), 1), 8);
}
