// The level report table: one aligned line per level, unknowns shown as such.
#include "level_report.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelReportTest, LinesUpSolvedAndUnsolvedLevels) {
  LevelSource source;
  for (int y = 0; y < kBoardHeight; ++y) source.rows.push_back(std::string(kBoardWidth, '0'));
  source.rows[2][3] = 'D';
  source.robots = {{1, 1}, {2, 2}};
  source.par = 17;
  source.timeLimitSeconds = 45;
  LevelReportRow timed = StartReportRow(source, 31);
  timed.found = "17";
  timed.states = 1234;
  timed.parSeconds = 9.25;
  source.timeLimitSeconds = 0;
  LevelReportRow open = StartReportRow(source, 16);
  open.found = "unsolvable";

  std::string table = FormatLevelReport({timed, open});
  size_t firstEnd = table.find('\n');
  size_t secondEnd = table.find('\n', firstEnd + 1);
  std::string first = table.substr(firstEnd + 1, secondEnd - firstEnd - 1);
  std::string second = table.substr(secondEnd + 1);
  EXPECT_NE(first.find("1234"), std::string::npos) << first;
  EXPECT_NE(first.find("45s"), std::string::npos) << first;
  EXPECT_NE(second.find("unsolvable"), std::string::npos) << second;
  EXPECT_EQ(second.find("time limit"), std::string::npos) << second;
  // Columns line up: the mechanics start at the same place on every line.
  EXPECT_EQ(first.find("exit"), second.find("exit"));
}

}  // namespace
