// The real rivet-uninstall without a window: where it looks for its list,
// what it takes for a list, and --help.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "removal.h"
#include "uninstall_log.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int exitCode = -1;
  std::string output;
  double seconds = 0;
};

class UninstallProgramText : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/rr_uninstall_cli_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    root = dir;
    game = root / "game";
    fs::create_directories(game / "data");
    fs::copy_file(RR_UNINSTALL_PROGRAM, game / "rivet-uninstall");
    std::ofstream(game / "data" / "robot.vxm") << "model";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  void WriteLog() {
    std::ofstream log(game / "uninstall.log", std::ios::binary);
    log << (game / "data" / "robot.vxm").string() << "\r\n" << (game / "data").string() << "\r\n";
  }
  // Runs the copied program in folder, bounded in time, with no display.
  Outcome Run(const fs::path& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 '" +
                                (game / "rivet-uninstall").string() + "' " + arguments + " 2>&1";
    Outcome outcome;
    const auto start = std::chrono::steady_clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) outcome.output += buffer;
    const int status = pclose(pipe);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
  }

  fs::path root, game;
};

TEST_F(UninstallProgramText, HelpRemovesNothingAndFromElsewhereItFindsTheListBesideItself) {
  WriteLog();
  Outcome outcome = Run(game, "--help");
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_NE(outcome.output.find("usage: rivet-uninstall"), std::string::npos) << outcome.output;
  EXPECT_TRUE(fs::exists(game / "data" / "robot.vxm"));

  fs::create_directories(root / "elsewhere");
  outcome = Run(root / "elsewhere", "--yes");
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_FALSE(fs::exists(game / "data"));
  EXPECT_TRUE(fs::exists(root / "elsewhere"));
}

// A pipe would hold a reader at its open for ever, and a folder reads as
// nothing at all: neither is a list, here or beside the program.
TEST_F(UninstallProgramText, APipeOrAFolderNamedLikeTheListIsNoList) {
  ASSERT_EQ(mkfifo((game / "uninstall.log").c_str(), 0600), 0);
  EXPECT_EQ(OpenLogFile((game / "uninstall.log").c_str()), nullptr);
  RemovalProgress progress;
  EXPECT_FALSE(RemoveListedPaths((game / "uninstall.log").c_str(), progress));
  Outcome outcome = Run(game, "--yes");
  EXPECT_EQ(outcome.exitCode, 1) << outcome.output;
  EXPECT_LT(outcome.seconds, 5.0);

  fs::remove(game / "uninstall.log");
  fs::create_directory(game / "uninstall.log");
  EXPECT_EQ(OpenLogFile((game / "uninstall.log").c_str()), nullptr);
  outcome = Run(root, "--yes");
  EXPECT_EQ(outcome.exitCode, 1) << outcome.output;
  EXPECT_TRUE(fs::exists(game / "data" / "robot.vxm"));
}

}  // namespace
