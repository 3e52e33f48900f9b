// rivet-solve as other checks call it: its output lines, exit statuses, and
// golden --play --trace outputs of small levels that must not change.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
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

// Small levels whose whole --play --trace output was checked by hand once
// (turn ends, move starts and arrivals, deaths and the final counts; see
// golden/README) and must stay exactly as it is.
struct GoldenCase {
  const char* name;
  std::vector<std::string> cells;
  CellList robots;
  const char* moves;
};

const GoldenCase kGoldenCases[] = {
    {"corridor_exit", {"aaaaaa", "a0000D", "aaaaaa"}, {{1, 1}}, "RRRR"},
    {"oil_follower", {"aaaaaaaa", "a0C000Da", "aaaaaaaa"}, {{1, 1}, {2, 1}}, "RRRRR"},
    {"rollers_crash", {"aaaaaa", "a0m00a", "a0m00a", "a0000a", "aaaaaa"}, {{2, 1}, {2, 3}}, ""},
    {"teleport_exit", {"aaaaaaaa", "a000000a", "aE000H0a", "a0000D0a", "aaaaaaaa"}, {{1, 1}}, "DD"},
};

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SolverGolden, TracesStayAsRecorded) {
  for (const GoldenCase& c : kGoldenCases) {
    TestLevelFolder folder;
    folder.WriteLevel(1, c.cells, c.robots);
    CommandRun run = RunSolver("--data '" + folder.Path() + "' --play '" + c.moves + "' --trace 1");
    ASSERT_EQ(run.status, 0) << c.name;
    std::string path = std::string(RR_SOLVE_GOLDEN_DIR) + "/" + c.name + ".txt";
    if (std::getenv("RR_UPDATE_GOLDEN") != nullptr) {
      std::ofstream(path, std::ios::binary) << run.out;
      continue;
    }
    std::string expected = ReadWhole(path);
    ASSERT_FALSE(expected.empty()) << path;
    EXPECT_TRUE(run.out == expected) << c.name << ": trace differs from " << path;
  }
}

}  // namespace
