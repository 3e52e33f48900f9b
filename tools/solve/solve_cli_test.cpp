// rivet-solve as other checks call it: its output lines, exit statuses, and
// golden --play --trace outputs of small levels that must not change.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "rules/test_levels.h"

namespace {

struct CommandRun {
  std::string out;
  int status = -1;
};

CommandRun RunSolver(const std::string& arguments, const std::string& folder = ".") {
  std::string command = "cd '" + folder + "' && '" RR_SOLVE_PROGRAM "' " + arguments + " 2>/dev/null";
  CommandRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof(buffer), pipe)) > 0) run.out.append(buffer, got);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class SolverCommand : public testing::Test {
 protected:
  void SetUp() override {
    folder.WriteLevel(1, {"aaaaaa", "a0000D", "aaaaaa"}, {{1, 1}});
    folder.WriteLevel(2, {"aaaaaa", "a000aD", "aaaaaa"}, {{1, 1}});
    folder.WriteLevel(3, {"aaaaaaaa", "a0a000Da", "a0000a0a", "aaaaaaaa"}, {{1, 1}});
    folder.WriteLevel(4, {"aaaa", "a0Ka", "aaaa"}, {{1, 1}, {2, 1}});
  }
  std::string Data() const { return "--data '" + folder.Path() + "' "; }
  TestLevelFolder folder;
};

TEST_F(SolverCommand, PrintsOneLinePerLevel) {
  CommandRun run = RunSolver(Data() + "1 2 3");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "level 1: solved in 4 moves: RRRR\n"
            "level 2: unsolvable\n"
            "level 3: solved in 7 moves: DRRRURR\n");
  run = RunSolver(Data() + "--max-states 2 3");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "level 3: gave up after 2 states\n");
  // The data folder defaults to the current one.
  run = RunSolver("1", folder.Path());
  EXPECT_EQ(run.out, "level 1: solved in 4 moves: RRRR\n");
}

TEST_F(SolverCommand, PlayEndsWithTheOutcomeAndEveryTickCounted) {
  // A quarter turn and a move (93 ticks), three moves (63 each), the exit (167).
  EXPECT_EQ(RunSolver(Data() + "--play RRRR 1").out, "won after 449 ticks\n");
  EXPECT_EQ(RunSolver(Data() + "--play R 1").out, "not finished after 93 ticks\n");
  EXPECT_EQ(RunSolver(Data() + "--play '' 1").out, "not finished after 0 ticks\n");
  // Letters after the end are not played.
  EXPECT_EQ(RunSolver(Data() + "--play RRRRLL 1").out, "won after 449 ticks\n");
  // Both robots start on the board; one on a mine explodes at once (180 ticks).
  CommandRun run = RunSolver(Data() + "--play L --trace 4");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, 46), "1 1 1.000,1.000,90.000,1,0 2.000,1.000,90.000,");
  EXPECT_NE(run.out.find("\nlost after 181 ticks\n"), std::string::npos);
}

TEST_F(SolverCommand, HintPrintsOneOfItsThreeLines) {
  EXPECT_EQ(RunSolver(Data() + "--hint RR 1").out, "hint: R, 2 moves left\n");
  EXPECT_EQ(RunSolver(Data() + "--hint '' 2").out, "hint: none, no solution\n");
  EXPECT_EQ(RunSolver(Data() + "--max-states 2 --hint '' 3").out, "hint: gave up after 2 states\n");
  EXPECT_EQ(RunSolver(Data() + "--hint R 1 2").status, 2);
}

TEST_F(SolverCommand, BadArgumentsAndUnreadableLevelsExitWithTwo) {
  const char* bad[] = {"", "0", "46", "x1", "--play RX 1", "--play R 1 2", "--trace 1", "--max-states 0 1",
                       "--max-states", "--data", "--play", "--bogus 1"};
  for (const char* arguments : bad) {
    CommandRun run = RunSolver(Data() + arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
  }
  EXPECT_EQ(RunSolver("--data /nonexistent/rr 1").status, 2);
  EXPECT_EQ(RunSolver(Data() + "1 5").status, 2);  // level 5 has no files
  EXPECT_EQ(RunSolver("--data /nonexistent/rr --play R 1").status, 2);
}

// Recorded --play --trace outputs that must stay exactly as they are: each
// golden/NAME.level (moves and a board, '@' a robot on floor, "robot: x y"
// one on another cell) played gives golden/NAME.txt. The small ones were
// checked by hand (see golden/README), the copies of shipped levels keep the
// rules from drifting on every kind of cell, won and lost.
struct GoldenCase {
  std::vector<std::string> cells;
  CellList robots;
  std::string moves;
};

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

GoldenCase ReadGoldenCase(const std::string& path) {
  GoldenCase c;
  std::istringstream in(ReadWhole(path));
  bool inBoard = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("moves:", 0) == 0) {
      c.moves = line.size() > 7 ? line.substr(7) : "";
    } else if (line == "board:") {
      inBoard = true;
    } else if (line.rfind("robot:", 0) == 0) {
      int x = 0, y = 0;
      std::istringstream(line.substr(6)) >> x >> y;
      c.robots.push_back({x, y});
    } else if (inBoard) {
      for (size_t x = 0; x < line.size(); ++x) {
        if (line[x] == '@') c.robots.push_back({static_cast<int>(x), static_cast<int>(c.cells.size())});
        if (line[x] == '@' || line[x] == '.') line[x] = '0';
      }
      c.cells.push_back(line);
    }
  }
  return c;
}

TEST(SolverGolden, TracesStayAsRecorded) {
  int cases = 0;
  for (const auto& entry : std::filesystem::directory_iterator(RR_SOLVE_GOLDEN_DIR)) {
    if (entry.path().extension() != ".level") continue;
    const std::string name = entry.path().stem().string();
    const GoldenCase c = ReadGoldenCase(entry.path().string());
    ASSERT_FALSE(c.cells.empty()) << name;
    cases += 1;
    TestLevelFolder folder;
    folder.WriteLevel(1, c.cells, c.robots);
    CommandRun run = RunSolver("--data '" + folder.Path() + "' --play '" + c.moves + "' --trace 1");
    ASSERT_EQ(run.status, 0) << name;
    std::string path = std::string(RR_SOLVE_GOLDEN_DIR) + "/" + name + ".txt";
    if (std::getenv("RR_UPDATE_GOLDEN") != nullptr) {
      std::ofstream(path, std::ios::binary) << run.out;
      continue;
    }
    std::string expected = ReadWhole(path);
    ASSERT_FALSE(expected.empty()) << path;
    EXPECT_TRUE(run.out == expected) << name << ": trace differs from " << path;
  }
  EXPECT_GE(cases, 12);
}

}  // namespace
