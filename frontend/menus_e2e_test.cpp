// End-to-end runs of the menus in the real game: the mouse and the keyboard
// reach the players and options screens, what they change reaches the save
// files, and exit ends the game.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "frontend/game_run_test.h"

using namespace game_run;

namespace {
// A left click at a point of the window, at time t.
std::string Click(long t, float x, float y) {
  return std::to_string(t) + " mouse " + std::to_string(x) + " " + std::to_string(y) + "\n" + std::to_string(t + 20) +
         " button 0 down\n" + std::to_string(t + 80) + " button 0 up\n";
}

std::string Tap(long t, const char* key) { return std::to_string(t) + " tap " + key + "\n"; }

int32_t Int32At(const std::string& bytes, size_t at) {
  if (bytes.size() < at + 4) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// Escape goes to the exit button, Enter presses it.
std::string ExitByKeyboard(long t) { return Tap(t, "Esc") + Tap(t + 300, "Enter"); }
}  // namespace

TEST(MenusEndToEnd, AProfileRenamedAndChosenWithTheMouseIsStored) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  std::string script = "0 tap Space\n2000 shot main.png\n";
  script += Click(2200, 0.5f, 0.495f);  // players
  script += Click(3500, 0.5f, 0.613f);  // the fourth profile
  script += Click(4000, 0.9f, 0.736f);  // rename
  script += "4400 type Robo\n4500 tap Enter\n5000 shot players.png\n";
  script += Click(5200, 0.9f, 0.879f);  // choose
  script += ExitByKeyboard(7000);
  script += "12000 quit\n";
  const GameRun run = RunGame("menu_players", "--virtual-clock 20", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_GT(TimeOf(run.output, "] menu players"), TimeOf(run.output, "] menu main")) << run.output;
  EXPECT_GT(TimeOf(run.output, "] exit"), 7000) << run.output;
  EXPECT_EQ(TimeOf(run.output, "] quit"), -1) << "exit ends the game, not the script";
  const std::string table = ReadAll(run.folder / "profile.dat");
  ASSERT_EQ(table.size(), 360u);
  EXPECT_EQ(table.substr(3 * 36, 5), std::string("Robo\0", 5));
  EXPECT_EQ(Int32At(ReadAll(run.folder / "profile.da0"), 0), 3);
  EXPECT_TRUE(IsPictureWithContent(run.folder / "main.png"));
  EXPECT_TRUE(IsPictureWithContent(run.folder / "players.png"));
}

TEST(MenusEndToEnd, OptionsChangedWithTheKeyboardAloneAreStored) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  std::string script = "0 tap Space\n";
  // Down from no highlight: play, players, options; Enter opens it.
  script += Tap(2000, "Down") + Tap(2200, "Down") + Tap(2400, "Down") + Tap(2600, "Enter");
  // After the fades: effects off (Right), music off (Enter), resolution one back (Left).
  script += Tap(4300, "Down") + Tap(4500, "Right") + Tap(4700, "Down") + Tap(4900, "Enter");
  script += Tap(5100, "Down") + Tap(5300, "Left") + "5800 shot options.png\n" + Tap(6000, "Esc");
  script += ExitByKeyboard(7300);
  script += "12000 quit\n";
  const GameRun run = RunGame("menu_options", "--virtual-clock 20", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_GT(TimeOf(run.output, "] menu options"), 2600) << run.output;
  EXPECT_GT(TimeOf(run.output, "] exit"), 7300) << run.output;
  const std::string options = ReadAll(run.folder / "options.dat");
  ASSERT_EQ(options.size(), 12u);
  EXPECT_EQ(Int32At(options, 0), 0) << "music";
  EXPECT_EQ(Int32At(options, 4), 0) << "effects";
  EXPECT_EQ(Int32At(options, 8), 0) << "resolution";
  EXPECT_EQ(ReadAll(run.folder / "profile.da0").size(), 4u);
  EXPECT_TRUE(IsPictureWithContent(run.folder / "options.png"));
}

namespace {
std::string PadTap(long t, const char* button) {
  return std::to_string(t) + " pad button " + button + " down\n" + std::to_string(t + 60) + " pad button " + button +
         " up\n";
}
}  // namespace

TEST(MenusEndToEnd, PadAloneVisitsPlayersAndOptionsThenExits) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // Plugged in as the window shows; its south button skips the intro.
  std::string script = "0 pad attach\n" + PadTap(0, "a");
  // D-pad down twice: players; south opens it, east leaves it.
  script += PadTap(2000, "dpdown") + PadTap(2200, "dpdown") + PadTap(2400, "a") + PadTap(4100, "b");
  // The stick down once more: options; there effects off with the stick right.
  script += "5400 pad axis lefty 1\n5460 pad axis lefty 0\n" + PadTap(5600, "a");
  script += PadTap(7300, "dpdown") + "7500 pad axis leftx 0.9\n7560 pad axis leftx 0\n" + PadTap(7800, "b");
  // East on the main menu moves to exit, south presses it.
  script += PadTap(9100, "b") + PadTap(9400, "a") + "14000 quit\n";
  const GameRun run = RunGame("menu_pad", "--virtual-clock 20", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long players = TimeOf(run.output, "] menu players");
  const long options = TimeOf(run.output, "] menu options");
  EXPECT_GT(players, 2400) << run.output;
  EXPECT_GT(options, players) << run.output;
  EXPECT_GT(TimeOf(run.output, "] exit"), 9400) << run.output;
  const std::string settings = ReadAll(run.folder / "options.dat");
  ASSERT_EQ(settings.size(), 12u);
  EXPECT_EQ(Int32At(settings, 4), 0) << "effects";
}
