// End-to-end tests of the real rivet-uninstall on a private Xvfb display,
// answered with real key presses through xdotool.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "uninstall_texts.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitTimeoutMs = 10000;

class UninstallProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why = OpenTestDisplay();
    if (!why.empty()) GTEST_SKIP() << why;
    char dir[] = "/tmp/rr_uninstall_e2e_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    outside = dir;
    game = outside / "Rivet Run";
  }
  void TearDown() override {
    if (pid > 0) WaitForProgram(pid, 0);
    std::error_code ignored;
    if (!outside.empty()) fs::remove_all(outside, ignored);
  }

  // A small installed game and its log, listed as the install step lists it.
  std::vector<fs::path> Install() {
    std::vector<fs::path> files = {game / "rivet-run", game / "data/png/menu.png",
                                   game / "levels/etapy.gra", game / "rivet-uninstall"};
    for (const fs::path& file : files) {
      fs::create_directories(file.parent_path());
      std::ofstream(file) << "installed";
    }
    std::ofstream log(game / "uninstall.log", std::ios::binary);
    for (const fs::path& file : files) log << file.string() << "\r\n";
    for (const char* dir : {"uninstall.log", "levels", "data/png", "data"})
      log << (game / dir).string() << "\r\n";
    log << game.string() << "\r\n";
    return files;
  }

  void Start() {
    fs::create_directories(game);
    pid = StartProgram(RR_UNINSTALL_PROGRAM, game.string());
    ASSERT_GT(pid, 0);
  }
  int Finish() {
    int status = WaitForProgram(pid, kExitTimeoutMs);
    pid = -1;
    return status;
  }
  bool WaitUntilGone(const fs::path& path) {
    for (int i = 0; i < 500 && fs::exists(path); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return !fs::exists(path);
  }

  fs::path outside, game;
  pid_t pid = -1;
};

// Without its list it says so; with it, No keeps everything and Yes removes
// the game and nothing around it.
TEST_F(UninstallProgram, MissingLogIsReportedNoKeepsAndYesRemovesTheGame) {
  Start();
  std::string error = FindWindow(kErrorCaption);
  ASSERT_FALSE(error.empty()) << "no error message appeared";
  PressKeys(error, "Return");
  EXPECT_EQ(Finish(), 0);

  std::vector<fs::path> files = Install();
  Start();
  std::string question = FindWindow(kWarningCaption);
  ASSERT_FALSE(question.empty()) << "no confirmation appeared";
  PressKeys(question, "alt+n");
  EXPECT_EQ(Finish(), 0);
  for (const fs::path& file : files) EXPECT_TRUE(fs::exists(file)) << file;
  EXPECT_TRUE(fs::exists(game / "uninstall.log"));

  Start();
  question = FindWindow(kWarningCaption);
  ASSERT_FALSE(question.empty()) << "no confirmation appeared";
  PressKeys(question, "Return");  // Yes is the default answer
  std::string dialog = FindWindow(kDialogTitle);
  ASSERT_FALSE(dialog.empty()) << "no removal dialog appeared";
  EXPECT_TRUE(WaitUntilGone(game));
  EXPECT_TRUE(fs::exists(outside)) << "a folder the install did not create went";
  PressKeys(dialog, "Escape");
  EXPECT_EQ(Finish(), 0);
}

}  // namespace
