// Records per player: the fewest moves of each profile's wins are kept, the
// file holds them in its one layout, and a damaged file is ignored.
#include <gtest/gtest.h>

#include <vector>

#include "gameplay/records_file.h"
#include "shell/scratch_directory_test.h"

namespace {
class RecordsFile : public ScratchDirectory {};

TEST_F(RecordsFile, KeepsTheFewestMovesOfEachProfileAndLevel) {
  EXPECT_EQ(FewestMoves(LoadRecords(), 2, 5), 0);  // no file yet
  ASSERT_TRUE(RecordWin(2, 5, 19));
  ASSERT_TRUE(RecordWin(2, 5, 23));  // worse: the record stays
  ASSERT_TRUE(RecordWin(2, 45, 30));
  ASSERT_TRUE(RecordWin(9, 5, 14));
  EXPECT_FALSE(RecordWin(10, 5, 14));
  EXPECT_FALSE(RecordWin(2, 46, 14));
  const PlayerRecords records = LoadRecords();
  EXPECT_EQ(FewestMoves(records, 2, 5), 19);
  EXPECT_EQ(FewestMoves(records, 2, 45), 30);
  EXPECT_EQ(FewestMoves(records, 9, 5), 14);
  EXPECT_EQ(FewestMoves(records, 3, 5), 0);
  ASSERT_TRUE(RecordWin(2, 5, 17));  // better: replaced
  EXPECT_EQ(FewestMoves(LoadRecords(), 2, 5), 17);
  // The layout: a header, then profile 2's level 5 at 8 + (2 * 45 + 4) * 2.
  const std::vector<unsigned char> bytes = ReadBytes(kRecordsFile);
  ASSERT_EQ(bytes.size(), static_cast<size_t>(kRecordsBytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RRRC");
  EXPECT_EQ(bytes[4], 1);
  EXPECT_EQ(bytes[8 + (2 * 45 + 4) * 2], 17);
  EXPECT_EQ(bytes[8 + (2 * 45 + 4) * 2 + 1], 0);
}

TEST_F(RecordsFile, ADamagedFileIsIgnoredAndReplacedByTheNextWin) {
  ASSERT_TRUE(RecordWin(0, 1, 8));
  const std::vector<unsigned char> good = ReadBytes(kRecordsFile);
  std::vector<std::vector<unsigned char>> damaged = {{}, {'R', 'R'}, good, good, good, good};
  damaged[2].pop_back();         // cut short
  damaged[3][0] = 'X';           // not ours
  damaged[4][4] = 2;             // a version we do not know
  damaged[5][8 + 1] = 0xFF;      // a count no win has
  for (const auto& bytes : damaged) {
    WriteBytes(kRecordsFile, bytes);
    testing::internal::CaptureStdout();
    const PlayerRecords records = LoadRecords();
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(FewestMoves(records, 0, 1), 0);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  }
  ASSERT_TRUE(RecordWin(0, 3, 12));
  EXPECT_EQ(FewestMoves(LoadRecords(), 0, 3), 12);
}
}  // namespace
