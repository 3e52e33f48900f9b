// Where saves go: the play folder while it can be written, the player's data
// folder when it cannot, and one line for a save that fails anyway.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "shell/player_progress.h"
#include "shell/save_file.h"
#include "shell/scratch_directory_test.h"
#include "shell/settings.h"

namespace fs = std::filesystem;

namespace {

// The scratch play folder made read-only. Root writes anywhere, so a test run
// as root also takes on another user's rights for as long as it runs.
class ReadOnlyPlayFolder : public ScratchDirectory {
 protected:
  void SetUp() override {
    ScratchDirectory::SetUp();
    data = scratch.string() + "-data";
    fs::create_directories(data);
    fs::permissions(data, fs::perms::all);  // the other user writes here
    fs::permissions(scratch, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (geteuid() == 0) {
      ASSERT_EQ(seteuid(65534), 0);
    }
  }
  void TearDown() override {
    if (getuid() == 0) {
      ASSERT_EQ(seteuid(0), 0);
    }
    unsetenv("XDG_DATA_HOME");
    fs::permissions(scratch, fs::perms::owner_all);
    std::error_code ignored;
    fs::remove_all(data, ignored);
    ScratchDirectory::TearDown();
  }
  std::string data;
};

// The game's own read-only start (program_test) keeps its saves under
// XDG_DATA_HOME; without the variable they go to ~/.local/share/rivet-run.
TEST_F(ReadOnlyPlayFolder, WithoutXdgDataHomeSavesGoUnderHome) {
  unsetenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::string previousHome = home != nullptr ? home : "";
  setenv("HOME", data.c_str(), 1);
  Settings chosen;
  chosen.resolution = 3;
  EXPECT_TRUE(WriteSettings(chosen));
  EXPECT_TRUE(WriteProfileIndex(2));
  EXPECT_EQ(ReadSettings().resolution, 3);
  EXPECT_EQ(ReadProfileIndex(), 2);
  setenv("HOME", previousHome.c_str(), 1);
  EXPECT_TRUE(fs::is_regular_file(data + "/.local/share/rivet-run/profile.da0"));
  EXPECT_FALSE(fs::exists("options.dat"));
}

TEST_F(ReadOnlyPlayFolder, ASaveThatCannotBeMadeSaysWhichFileAndWhy) {
  // The data folder would have to be made inside a plain file.
  std::ofstream(data + "/file") << "in the way";
  setenv("XDG_DATA_HOME", (data + "/file").c_str(), 1);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(WriteProfileIndex(1));
  const std::string said = testing::internal::GetCapturedStdout();
  EXPECT_NE(said.find(data + "/file/rivet-run/profile.da0"), std::string::npos) << said;
  EXPECT_NE(said.find("Not a directory"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

using FullDisk = ScratchDirectory;

TEST_F(FullDisk, AFailedWriteKeepsTheOldSaveAndSaysWhy) {
  ASSERT_TRUE(WriteProfileIndex(6));
  // No byte may be written, as on a full disk.
  rlimit previous;
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit none = previous;
  none.rlim_cur = 0;
  signal(SIGXFSZ, SIG_IGN);
  // The diagnostic goes into a pipe: a captured file would be too large too.
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  std::fflush(stdout);
  const int standardOutput = dup(1);
  dup2(pipeEnds[1], 1);
  setrlimit(RLIMIT_FSIZE, &none);
  const bool saved = WriteProfileIndex(1);
  setrlimit(RLIMIT_FSIZE, &previous);
  std::fflush(stdout);
  dup2(standardOutput, 1);
  close(standardOutput);
  close(pipeEnds[1]);
  signal(SIGXFSZ, SIG_DFL);
  char buffer[1024];
  const ssize_t length = read(pipeEnds[0], buffer, sizeof buffer);
  close(pipeEnds[0]);
  const std::string said(buffer, length > 0 ? static_cast<size_t>(length) : 0);
  EXPECT_FALSE(saved);
  EXPECT_NE(said.find("profile.da0 was not saved: File too large"), std::string::npos) << said;
  EXPECT_EQ(ReadProfileIndex(), 6);
  EXPECT_FALSE(fs::exists("profile.da0.new"));
}

}  // namespace
