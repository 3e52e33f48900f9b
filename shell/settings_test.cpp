// "options.dat" at start-up: stored choices kept, damaged files mended, the
// display mode chosen with the command line.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "shell/main_window.h"
#include "shell/scratch_directory_test.h"
#include "shell/settings.h"

namespace {

class SettingsFile : public ScratchDirectory {
 protected:
  void SetUp() override {
    ScratchDirectory::SetUp();
    RequestDisplayMode(0, 0, 0);
  }
  void StartWith(bool windowed) {
    CommandLine line;
    line.windowed = windowed;
    LoadSettingsAndCommandLine(line);
  }
  void ExpectRequested(int32_t width, int32_t height, int32_t depth) {
    int32_t w, h, d;
    GetRequestedDisplayMode(&w, &h, &d);
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
    EXPECT_EQ(d, depth);
  }
};

// Good fields are kept, damaged ones fall back one by one, a short file gives
// all the defaults; the file is written back mended, and the game runs with
// what was written.
TEST_F(SettingsFile, StoredChoicesAreKeptAndDamagedOnesMended) {
  StartWith(true);  // no file at all
  EXPECT_EQ(ReadBytes("options.dat"), Int32s({1, 1, 1}));
  ExpectRequested(0, 0, 0);  // windowed: nothing asked of the display
  EXPECT_STREQ(GetWindowTitle(), "Rivet Run");
  auto cut = [](std::vector<unsigned char> bytes, size_t length) { return bytes.resize(length), bytes; };
  const struct {
    std::vector<unsigned char> stored, written;
    bool windowed;
    int32_t width, height;
  } cases[] = {
      {Int32s({0, 0, 3}), Int32s({0, 0, 3}), false, 1024, 768},
      {Int32s({7, 0, 9}), Int32s({1, 0, 1}), false, 640, 480},
      {Int32s({0, -1, -3}), Int32s({0, 1, 1}), true, 0, 0},
      {{}, Int32s({1, 1, 1}), true, 0, 0},
      {cut(Int32s({0, 0, 5}), 4), Int32s({1, 1, 1}), true, 0, 0},
      {cut(Int32s({0, 0, 5}), 11), Int32s({1, 1, 1}), true, 0, 0},
      {Int32s({0, 1, 2, 99}), Int32s({0, 1, 2}), true, 0, 0},
  };
  for (const auto& c : cases) {
    WriteBytes("options.dat", c.stored);
    RequestDisplayMode(0, 0, 0);
    StartWith(c.windowed);
    const std::vector<unsigned char> written = ReadBytes("options.dat");
    ASSERT_EQ(written, c.written) << c.stored.size() << " bytes, first " << int(c.stored.empty() ? -1 : c.stored[0]);
    ExpectRequested(c.width, c.height, c.width == 0 ? 0 : -1);
    EXPECT_EQ(IsMusicEnabled(), written[0]);
    EXPECT_EQ(ReadDrawOption(), written[4]);
    EXPECT_EQ(GetStartResolution(), written[8]);
  }
}

TEST_F(SettingsFile, TheLastDisplayChoiceIsKeptForTheNextStart) {
  WriteBytes("display.dat", Int32s({1}));  // the player switched to a window
  StartWith(false);
  ExpectRequested(0, 0, 0);
  EXPECT_EQ(ReadBytes("options.dat").size(), 12u);  // options.dat keeps its layout
  for (auto damaged : {Int32s({7}), std::vector<unsigned char>{1, 0}}) {
    WriteBytes("display.dat", damaged);  // damaged: full screen, as before the first switch
    StartWith(false);
    ExpectRequested(640, 480, -1);
    RequestDisplayMode(0, 0, 0);
  }
}

// A directory where the file should be can be neither read nor replaced; a
// pipe must not hang the start and is replaced by a plain file.
TEST_F(SettingsFile, AFolderOrAPipeInPlaceOfTheFileNeitherStopsNorHangsTheStart) {
  std::filesystem::create_directory("options.dat");
  StartWith(false);
  ExpectRequested(640, 480, -1);
  EXPECT_TRUE(std::filesystem::is_directory("options.dat"));
  EXPECT_FALSE(std::filesystem::exists("options.dat.new"));
  EXPECT_EQ(IsMusicEnabled(), 1);
  std::filesystem::remove("options.dat");
  ASSERT_EQ(mkfifo("options.dat", 0600), 0);
  StartWith(true);
  EXPECT_EQ(ReadBytes("options.dat"), Int32s({1, 1, 1}));
}

TEST(WindowTitle, LongTitlesAreCutToTheBuffer) {
  std::string longTitle(2000, 'x');
  SetWindowTitle(longTitle.c_str());
  EXPECT_EQ(std::string(GetWindowTitle()), std::string(799, 'x'));
  SetWindowTitle(nullptr);
  EXPECT_STREQ(GetWindowTitle(), "");
  SetWindowTitle("Rivet Run");
}

}  // namespace
