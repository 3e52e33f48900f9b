// Start-up's own pieces: the data directory search, the window it opens and
// what it leaves on disk, also when the window is closed during the intro.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/events_inject.h"
#include "platform/window.h"
#include "shell/data_directory.h"
#include "shell/intro.h"
#include "shell/main_window.h"
#include "shell/player_progress.h"
#include "shell/scratch_directory_test.h"
#include "shell/settings.h"

namespace {

using DataDirectory = ScratchDirectory;
using DamagedSaves = ScratchDirectory;

void MakeDataMarker(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory / "levels");
  std::ofstream(directory / "levels" / "etapy.gra") << "0\n";
}

// The data is looked for here first, then beside the program.
TEST_F(DataDirectory, MovesToTheProgramsDataOnlyWhenNoneIsHere) {
  std::filesystem::path program = scratch / "bin";
  std::filesystem::create_directories(program);
  EXPECT_FALSE(ChangeToDataDirectory(program.string()));  // nowhere
  EXPECT_EQ(std::filesystem::current_path(), scratch);
  MakeDataMarker(program);
  std::filesystem::create_directories(scratch / "elsewhere");
  std::filesystem::current_path(scratch / "elsewhere");
  EXPECT_TRUE(ChangeToDataDirectory(program.string()));
  EXPECT_EQ(std::filesystem::current_path(), program);
  std::filesystem::current_path(scratch);
  MakeDataMarker(scratch);
  EXPECT_FALSE(ChangeToDataDirectory(program.string()));  // here wins
  EXPECT_EQ(std::filesystem::current_path(), scratch);
  EXPECT_FALSE(ChangeToDataDirectory(""));
  EXPECT_TRUE(std::filesystem::is_directory(GetProgramDirectory(nullptr)));
}

TEST_F(DamagedSaves, RandomBytesInEverySaveGiveAValidStart) {
  uint32_t randomState = 12345;
  auto next = [&randomState] {
    randomState = randomState * 1664525u + 1013904223u;
    return randomState >> 8;
  };
  for (int round = 0; round < 60; ++round) {
    for (const char* name : {"options.dat", "profile.dat", "profile.da0"}) {
      std::vector<unsigned char> bytes(next() % 400);
      for (unsigned char& b : bytes) b = static_cast<unsigned char>(next() % 4 == 0 ? next() % 3 : next());
      WriteBytes(name, bytes);
    }
    CommandLine line;
    line.windowed = round % 2 == 0;
    LoadSettingsAndCommandLine(line);
    Settings settings = ReadSettings();
    ASSERT_TRUE(settings.music == 0 || settings.music == 1);
    ASSERT_TRUE(settings.drawOption == 0 || settings.drawOption == 1);
    ASSERT_GE(settings.resolution, 0);
    ASSERT_LT(settings.resolution, kResolutionCount);
    ASSERT_EQ(ReadBytes("options.dat").size(), 12u);
    LoadPlayerProgress();
    ASSERT_GE(playerProgress.profileIndex, 0);
    ASSERT_LT(playerProgress.profileIndex, kProfileCount);
  }
}

// The shell's share of start-up on a hidden window: settings, window size,
// the profile index read, saved at the end and saved on a close.
class GameStart : public ScratchDirectory {
 protected:
  void SetUp() override {
    ScratchDirectory::SetUp();
    RequestDisplayMode(0, 0, 0);
  }
  void TearDown() override {
    PlatformDestroyWindow();
    ScratchDirectory::TearDown();
  }
  static CommandLine Windowed(bool windowed) {
    CommandLine line;
    line.windowed = windowed;
    return line;
  }
};

// A window is the screen less 30 x 50; full screen draws at the stored
// resolution, keeping the 4:3 shape whatever the screen.
TEST_F(GameStart, WindowedIsTheScreenLessABorderAndFullScreenDrawsAtTheStoredResolution) {
  ASSERT_TRUE(CreateMainWindow(Windowed(true), true));
  int screenW, screenH;
  PlatformGetScreenSize(&screenW, &screenH);
  EXPECT_EQ(GetClientWidth(), screenW - 30);
  EXPECT_EQ(GetClientHeight(), screenH - 50);
  PlatformDestroyWindow();

  WriteBytes("options.dat", Int32s({1, 0, 2}));
  ASSERT_TRUE(CreateMainWindow(Windowed(false), true));
  EXPECT_EQ(GetClientWidth(), 800);
  EXPECT_EQ(GetClientHeight(), 600);
  int pictureW, pictureH, x, y, w, h;
  PlatformGetPictureSize(&pictureW, &pictureH);
  EXPECT_EQ(pictureW, 800);
  EXPECT_EQ(pictureH, 600);
  PlatformGetPictureRect(&x, &y, &w, &h);
  EXPECT_EQ(int64_t{w} * 3, int64_t{h} * 4);
  EXPECT_EQ(ReadBytes("options.dat"), Int32s({1, 0, 2}));
}

TEST_F(GameStart, ClosingTheWindowDuringTheIntroStillSavesTheProfileIndex) {
  WriteBytes("profile.da0", Int32s({77}));  // damaged: the first profile is used, and saved
  ASSERT_TRUE(CreateMainWindow(Windowed(true), true));
  ASSERT_TRUE(PlatformPushClose());
  // The forked child shares this directory; the intro's first pump sees the close.
  EXPECT_EXIT(
      {
        LoadPlayerProgress();
        RunIntro(IntroCalls{});
        std::abort();  // not reached
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadBytes("profile.da0"), Int32s({0}));
}

}  // namespace
