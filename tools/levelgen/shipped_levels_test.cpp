// The shipped levels: the set is complete and varied, the generated files
// match their sources byte for byte, and the solver proves every level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "level_catalogue.h"
#include "level_files.h"
#include "level_mechanics.h"
#include "solver_output.h"

namespace {

std::string FromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ShippedLevelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sourceDir_ = FromEnvironment("RR_SOURCE_DIR", RR_BUILT_SOURCE_DIR) + "/content/levels";
    runDir_ = FromEnvironment("RR_RUN_DIR", RR_BUILT_RUN_DIR);
    std::string error;
    ASSERT_TRUE(LoadLevelCatalogue(sourceDir_, &levels_, &error)) << error;
  }

  // Proves levels first..last: solvable, par is the shortest, and the par
  // solution wins within the time limit with time to spare.
  void ProveLevels(int first, int last) {
    if (!std::filesystem::exists(NameSolver(runDir_))) {
      GTEST_SKIP() << "rivet-solve is not built in " << runDir_;
    }
    ASSERT_GE(static_cast<int>(levels_.size()), last);
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(n);
    std::vector<SolverAnswer> answers = SolveLevels(runDir_, numbers);
    for (size_t i = 0; i < numbers.size(); ++i) {
      int n = numbers[i];
      const LevelSource& level = levels_[n - 1];
      const SolverAnswer& answer = answers[i];
      ASSERT_EQ(answer.level, n) << "the solver gave no answer for level " << n;
      ASSERT_TRUE(answer.solved) << "level " << n << " is not solvable";
      EXPECT_EQ(answer.moves, level.par) << "level " << n << ": par differs from the shortest";
      PlayAnswer play = PlayMoves(runDir_, n, answer.solution);
      EXPECT_TRUE(play.won) << "level " << n << ": " << answer.solution << " does not win";
      if (level.timeLimitSeconds > 0) {
        // A fair limit leaves at least as much time again as playing par takes.
        EXPECT_LE(play.ticks * 5 * 2, level.timeLimitSeconds * 1000L) << "level " << n;
      }
      if (!level.solution.empty()) {
        EXPECT_TRUE(PlayMoves(runDir_, n, level.solution).won)
            << "level " << n << ": the written solution does not win";
      }
    }
  }

  std::string sourceDir_;
  std::string runDir_;
  std::vector<LevelSource> levels_;
};

TEST_F(ShippedLevelsTest, SetIsCompleteWithCardTexts) {
  EXPECT_EQ(levels_.size(), static_cast<size_t>(kShippedLevels));
  // Titles tell levels apart at a glance: no two open with the same two words.
  std::set<std::string> openings;
  for (size_t i = 0; i < levels_.size(); ++i) {
    std::istringstream words(levels_[i].title);
    std::string first, second;
    words >> first >> second;
    EXPECT_TRUE(openings.insert(first + " " + second).second)
        << "level " << i + 1 << "'s title opens like an earlier one: " << levels_[i].title;
    EXPECT_LE(CountUtf8Chars(levels_[i].hint), 60) << "hint too long for a card: level " << i + 1;
  }
}

// Every cell kind is met a few times, and some cloner feeds two receivers.
TEST_F(ShippedLevelsTest, EveryCellKindAppearsInThreeLevels) {
  std::map<int, int> levelsWithKind;
  bool clonerFeedsTwo = false;
  for (const LevelSource& level : levels_) {
    std::map<int, int> cells;
    for (const std::string& row : level.rows) {
      for (char c : row) ++cells[CellKindOfChar(c)];
    }
    for (const auto& [kind, count] : cells) ++levelsWithKind[kind];
    clonerFeedsTwo = clonerFeedsTwo || (cells[21] > 0 && cells[22] >= 2);
  }
  for (int kind = 1; kind <= 32; ++kind) {
    if (kind == 19 || kind == 20) continue;
    EXPECT_GE(levelsWithKind[kind], 3) << "cell kind " << kind;
  }
  EXPECT_TRUE(clonerFeedsTwo);
}

TEST_F(ShippedLevelsTest, EasyLevelsHaveNoTimeLimitAndNoTwoLevelsLookAlike) {
  for (size_t i = 0; i < levels_.size(); ++i) {
    if (i < static_cast<size_t>(kLevelsPerDifficulty)) {
      EXPECT_EQ(levels_[i].timeLimitSeconds, 0) << "level " << i + 1;
    }
    for (size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(LevelsLookAlike(levels_[j], levels_[i])) << "levels " << j + 1 << " and " << i + 1;
    }
  }
}

// A mechanic is met alone before it is combined: no level brings in two new
// ones at once (a door and its switch are one idea), and the medium set is
// where mines, cables, doors and mines on rollers and time limits start.
TEST_F(ShippedLevelsTest, MechanicsArriveOneAtATime) {
  const std::set<std::string> alwaysThere = {"wall", "exit", "several robots"};
  const std::map<std::string, std::string> sameIdea = {{"blue switch", "blue door"},
                                                       {"red switch", "red door"}};
  const std::set<std::string> mediumIdeas = {"mine", "cables", "door on rollers",
                                             "mine on rollers", "time limit"};
  std::set<std::string> seen;
  for (size_t i = 0; i < levels_.size(); ++i) {
    std::set<std::string> fresh;
    for (std::string name : ListMechanics(levels_[i])) {
      if (alwaysThere.count(name) != 0) continue;
      if (sameIdea.count(name) != 0) name = sameIdea.at(name);
      if (seen.count(name) == 0) fresh.insert(name);
    }
    EXPECT_LE(fresh.size(), 1u) << "level " << i + 1 << " brings in several new mechanics";
    for (const std::string& name : fresh) {
      if (mediumIdeas.count(name) != 0) {
        EXPECT_GE(i + 1, 16u) << name << " first appears before the medium levels";
        EXPECT_LE(i + 1, 30u) << name << " first appears after the medium levels";
      }
      seen.insert(name);
    }
  }
}

TEST_F(ShippedLevelsTest, GeneratedFilesMatchTheSources) {
  const char* indexes[] = {"gracze.gra", "etapy.gra", "reszta.gra"};
  std::string indexBytes[3];
  for (int k = 0; k < 3; ++k) {
    indexBytes[k] = ReadAll(runDir_ + "/levels/" + indexes[k]);
    ASSERT_EQ(indexBytes[k].size(), 16 * (levels_.size() + 1)) << indexes[k];
  }
  for (size_t i = 0; i < levels_.size(); ++i) {
    int n = static_cast<int>(i) + 1;
    std::string names[3];
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(indexBytes[k].substr(16 * n + 14, 2), "\r\n");
      names[k] = indexBytes[k].substr(16 * n, 14).c_str();
    }
    EXPECT_EQ(ReadAll(runDir_ + "/" + names[0]), MakeRobotLayout(levels_[i])) << names[0];
    EXPECT_EQ(ReadAll(runDir_ + "/" + names[1]), MakeBoardLayout(levels_[i])) << names[1];
    EXPECT_EQ(ReadAll(runDir_ + "/" + names[2]), MakeTimeFile(levels_[i])) << names[2];
  }
}

// One test per difficulty, so that the test run can prove them side by side.
TEST_F(ShippedLevelsTest, SolverProvesEasyLevels) { ProveLevels(1, 15); }
TEST_F(ShippedLevelsTest, SolverProvesMediumLevels) { ProveLevels(16, 30); }
TEST_F(ShippedLevelsTest, SolverProvesHardLevels) { ProveLevels(31, 45); }

}  // namespace
