// The built game as a player's desktop starts it: the command line's exits,
// no display, a read-only play folder across two starts, and F11 and F12 in
// a scripted run. Each run has its own folder under build/tests/shell_runs/.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct GameRun {
  int exitCode = -1;
  std::string output;  // standard output
  std::string errors;  // standard error
  double seconds = 0;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class GameProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* runDir = std::getenv("RR_RUN_DIR");
    if (runDir == nullptr || !fs::exists(fs::path(runDir) / "levels" / "etapy.gra")) GTEST_SKIP() << "no game built";
    game = fs::path(runDir) / "rivet-run";
    folder = fs::absolute("shell_runs") / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
    fs::create_directories(folder / "play");
    for (const char* part : {"data", "levels", "music"}) {
      fs::create_directory_symlink(fs::path(runDir) / part, folder / "play" / part);
    }
  }

  // Runs the game in the play folder with the environment in front.
  GameRun Start(const std::string& environment, const std::string& arguments) {
    const std::string command = "cd '" + (folder / "play").string() + "' && env " + environment + " timeout 300 '" +
                                game.string() + "' " + arguments + " > '" + (folder / "out.txt").string() +
                                "' 2> '" + (folder / "err.txt").string() + "'";
    GameRun run;
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadAll(folder / "out.txt");
    run.errors = ReadAll(folder / "err.txt");
    return run;
  }

  fs::path game, folder;
};

constexpr const char* kHeadless = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy";

int32_t Int32At(const std::string& bytes, size_t at) {
  if (bytes.size() < at + 4) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

TEST_F(GameProgram, HelpAndVersionLeaveWithZeroAndABadCommandLineWithTwo) {
  GameRun help = Start(kHeadless, "--help");
  EXPECT_EQ(help.exitCode, 0);
  for (const char* text : {"--windowed, -windowed", "--window WxH", "--shot MS FILE.png", "(default: full screen"})
    EXPECT_NE(help.output.find(text), std::string::npos) << text;
  EXPECT_EQ(Start(kHeadless, "--version").exitCode, 0);
  for (const char* bad : {"--level 5 -windowed --fullscreen", "--level 99", "--window"}) {
    GameRun run = Start(kHeadless, bad);
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_NE(run.errors.find("usage: rivet-run"), std::string::npos) << bad;
    EXPECT_EQ(run.output, "") << bad;
  }
}

TEST_F(GameProgram, WithoutADisplayItSaysSoAndEndsAtOnce) {
  GameRun run = Start("-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy", "-windowed");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("no display"), std::string::npos) << run.errors;
  EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
  EXPECT_LT(run.seconds, 5.0);  // a second on an idle machine; the suite runs in parallel
}

// An install the player cannot write into: saves go to XDG_DATA_HOME and are
// read back from there at the next start. The second start also switches the
// display with F11 and Alt+Enter, a choice kept there too, and saves the
// shown frame with F12 into the Pictures folder of the user's directories.
TEST_F(GameProgram, AReadOnlyPlayFolderKeepsSavesAcrossStartsAndF11AndF12Work) {
  const fs::path data = folder / "data-home", home = folder / "home";
  fs::create_directories(data);
  fs::create_directories(home / ".config");
  fs::create_directories(home / "Obrazy");
  for (const fs::path& open : {data, home / "Obrazy", folder}) fs::permissions(open, fs::perms::all);
  fs::permissions(folder / "play", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
  std::ofstream(home / ".config" / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                         "XDG_PICTURES_DIR=\"$HOME/Obrazy\"\n";
  // Root writes anywhere: the game runs as another user, as a player would.
  const std::string user = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string environment = "-u XDG_CONFIG_HOME " + std::string(kHeadless) + " HOME=" + home.string() +
                                  " XDG_DATA_HOME=" + data.string() + " " + user;
  const std::string saves = (data / "rivet-run").string();
  std::ofstream(folder / "skip.txt") << "0 tap Space\n2800 quit\n";
  std::ofstream(folder / "keys.txt") << "0 tap Space\n1000 tap F12\n1400 tap F11\n1800 down Alt\n"
                                        "1900 tap Enter\n2000 up Alt\n2400 tap F11\n2800 quit\n";
  const std::string run = "-windowed --window 320x240 --virtual-clock 40 --script '" + folder.string();

  GameRun first = Start(environment, run + "/skip.txt' --level 7");
  ASSERT_EQ(first.exitCode, 0) << first.output << first.errors;
  EXPECT_EQ(Int32At(ReadAll(saves + "/profile.dat"), 32), 7) << first.output;
  EXPECT_TRUE(fs::exists(saves + "/profile.da0"));
  EXPECT_FALSE(fs::exists(folder / "play" / "options.dat"));
  EXPECT_EQ(first.output.find("not saved"), std::string::npos) << first.output;

  // Music off, effects off, 1024 x 768: the second start must read them there.
  const char options[12] = {0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0};
  std::ofstream(saves + "/options.dat", std::ios::binary).write(options, sizeof options);
  GameRun second = Start(environment, run + "/keys.txt' --level 2");
  ASSERT_EQ(second.exitCode, 0) << second.output << second.errors;
  EXPECT_EQ(ReadAll(saves + "/options.dat"), std::string(options, sizeof options));
  EXPECT_EQ(Int32At(ReadAll(saves + "/profile.dat"), 32), 7);  // level 7 stays the highest reached

  const size_t at = second.output.find("screenshot: ");
  ASSERT_NE(at, std::string::npos) << second.output;
  const fs::path shot = second.output.substr(at + 12, second.output.find('\n', at) - at - 12);
  EXPECT_EQ(shot.parent_path(), home / "Obrazy");
  EXPECT_EQ(shot.filename().string().size(), std::string("rivet-run-YYYYMMDD-HHMMSS.png").size());
  // A PNG of the picture's size, not one flat colour.
  const std::string png = ReadAll(shot);
  ASSERT_GT(png.size(), 1000u);
  EXPECT_EQ(png.compare(1, 3, "PNG"), 0);
  EXPECT_EQ(static_cast<unsigned char>(png[18]) << 8 | static_cast<unsigned char>(png[19]), 320);
  EXPECT_EQ(static_cast<unsigned char>(png[22]) << 8 | static_cast<unsigned char>(png[23]), 240);
  // F11 to full screen, Alt+Enter back, F11 to full screen again: kept for the next start.
  const size_t full = second.output.find("display: full screen");
  const size_t window = second.output.find("display: window", full);
  ASSERT_NE(window, std::string::npos) << second.output;
  EXPECT_NE(second.output.find("display: full screen", window), std::string::npos) << second.output;
  EXPECT_EQ(Int32At(ReadAll(saves + "/display.dat"), 0), 0);
}

}  // namespace
