// The start-up order end to end on a hidden window, the data directory
// search, and what start-up leaves on disk.
#include <gtest/gtest.h>

#include <fstream>

#include "input/keyboard.h"
#include "platform/events_inject.h"
#include "platform/window.h"
#include "shell/data_directory.h"
#include "shell/main_window.h"
#include "shell/player_progress.h"
#include "shell/scratch_directory_test.h"
#include "shell/startup.h"

namespace {

using DataDirectory = ScratchDirectory;

void MakeDataMarker(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory / "levels");
  std::ofstream(directory / "levels" / "etapy.gra") << "0\n";
}

TEST_F(DataDirectory, MovesToTheProgramsDataWhenNoneIsHere) {
  std::filesystem::path program = scratch / "bin";
  std::filesystem::create_directories(scratch / "elsewhere");
  MakeDataMarker(program);
  std::filesystem::current_path(scratch / "elsewhere");
  EXPECT_TRUE(ChangeToDataDirectory(program.string()));
  EXPECT_EQ(std::filesystem::current_path(), program);
}

TEST_F(DataDirectory, StaysWhenTheDataIsHereOrNowhere) {
  std::filesystem::path program = scratch / "bin";
  std::filesystem::create_directories(program);
  EXPECT_FALSE(ChangeToDataDirectory(program.string()));  // nowhere
  EXPECT_EQ(std::filesystem::current_path(), scratch);
  MakeDataMarker(scratch);
  MakeDataMarker(program);
  EXPECT_FALSE(ChangeToDataDirectory(program.string()));  // here wins
  EXPECT_EQ(std::filesystem::current_path(), scratch);
  EXPECT_FALSE(ChangeToDataDirectory(""));
}

TEST(ProgramDirectory, IsWhereThisTestProgramLives) {
  std::string directory = GetProgramDirectory(nullptr);
  ASSERT_FALSE(directory.empty());
  EXPECT_TRUE(std::filesystem::is_directory(directory));
}

class GameStart : public ScratchDirectory {
 protected:
  void TearDown() override {
    ReleaseAllKeys();
    PlatformDestroyWindow();
    ScratchDirectory::TearDown();
  }
  int Run(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "rivet-run");
    return RunRivetRun(static_cast<int>(arguments.size()), arguments.data());
  }
};

TEST_F(GameStart, HelpAndVersionLeaveBeforeAnythingIsWritten) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("-windowed"), std::string::npos);
  testing::internal::CaptureStdout();
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("rivet-run"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("options.dat"));
  EXPECT_FALSE(PlatformHasWindow());
}

TEST_F(GameStart, WindowedStartWithASkippedIntroLeavesSettingsAndIndex) {
  WriteBytes("profile.da0", Int32s({4}));
  SetKeyHeld(VK_ESCAPE, true);  // skips the intro on its first frame
  EXPECT_EQ(Run({"-windowed"}), 0);
  EXPECT_TRUE(PlatformHasWindow());
  EXPECT_STREQ(GetWindowTitle(), "Rivet Run");
  int screenW, screenH;
  PlatformGetScreenSize(&screenW, &screenH);
  EXPECT_EQ(GetClientWidth(), screenW - 30);
  EXPECT_EQ(GetClientHeight(), screenH - 50);
  EXPECT_EQ(ReadBytes("options.dat"), Int32s({1, 1, 1}));
  EXPECT_EQ(ReadBytes("profile.da0"), Int32s({4}));
}

TEST_F(GameStart, FullScreenStartDrawsAtTheStoredResolution) {
  WriteBytes("options.dat", Int32s({1, 0, 2}));
  WriteBytes("profile.da0", Int32s({77}));  // damaged: the first profile is used and saved
  SetKeyHeld(VK_SPACE, true);
  EXPECT_EQ(Run({}), 0);
  EXPECT_EQ(GetClientWidth(), 800);
  EXPECT_EQ(GetClientHeight(), 600);
  int pictureW, pictureH;
  PlatformGetPictureSize(&pictureW, &pictureH);
  EXPECT_EQ(pictureW, 800);
  EXPECT_EQ(ReadBytes("options.dat"), Int32s({1, 0, 2}));
  EXPECT_EQ(ReadBytes("profile.da0"), Int32s({0}));
  EXPECT_EQ(ApplyDrawOption(), 0);
}

TEST_F(GameStart, ClosingTheWindowDuringTheIntroStillSavesTheProfileIndex) {
  WriteBytes("profile.da0", Int32s({6}));
  int screenW, screenH;
  PlatformGetScreenSize(&screenW, &screenH);  // starts the platform so the close can wait in its queue
  ASSERT_TRUE(PlatformPushClose());
  std::filesystem::remove("profile.da0");
  // The forked child shares this directory; the intro's first pump sees the close.
  EXPECT_EXIT(
      {
        Run({"-windowed"});
        std::abort();  // not reached
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadBytes("profile.da0"), Int32s({0}));
  EXPECT_EQ(ReadBytes("options.dat"), Int32s({1, 1, 1}));
}

}  // namespace
