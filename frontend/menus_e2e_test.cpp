// End-to-end runs of the menus in the real game, each one start of the
// program checking a whole visit: the mouse, the keyboard and the pad reach
// the players, options and credits screens, what they change reaches the save
// files and exit ends the game; levels are chosen on the play screen by
// keyboard and by mouse, after leaving one started with --level, and exit
// saves the progress. (The pad alone from the main menu to a won level is the
// play runs' own.)
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "frontend/game_run_test.h"

using namespace game_run;

namespace {
std::string At(long t, const std::string& action) { return std::to_string(t) + " " + action + "\n"; }

// A left click at a point of the window, at time t.
std::string Click(long t, float x, float y) {
  return At(t, "mouse " + std::to_string(x) + " " + std::to_string(y)) + At(t + 20, "button 0 down") +
         At(t + 80, "button 0 up");
}

std::string PadTap(long t, const char* button) {
  return At(t, std::string("pad button ") + button + " down") + At(t + 60, std::string("pad button ") + button + " up");
}

int32_t Int32At(const std::string& bytes, size_t at) {
  if (bytes.size() < at + 4) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// The times of the screens entered, in order, from the run's log.
long Next(const std::string& output, const std::string& text, size_t* from) {
  const size_t at = output.find(text, *from);
  if (at == std::string::npos) return -1;
  *from = at + text.size();
  return TimeOf(output, text, at);
}
}  // namespace

TEST(MenusEndToEnd, MouseKeyboardAndPadVisitPlayersOptionsAndCreditsAndTheirChoicesAreStored) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // Players with the mouse: the fourth profile renamed and chosen.
  std::string script = At(0, "pad attach") + At(0, "tap Space") + At(2000, "shot main.png") + Click(2200, 0.5f, 0.495f);
  script += Click(3500, 0.5f, 0.613f) + Click(4000, 0.9f, 0.736f);  // the fourth profile, rename
  script += At(4400, "type Robo") + At(4500, "tap Enter") + At(5000, "shot players.png") + Click(5200, 0.9f, 0.879f);
  // Options with the keyboard: from no highlight Down goes play, players,
  // options. There effects off (the pad's stick right), music off (Enter),
  // resolution one back (Left), and the pad's east button leaves.
  script += At(6500, "mouse 0.05 0.05") + At(7000, "tap Down") + At(7200, "tap Down") + At(7400, "tap Down") +
            At(7600, "tap Enter");
  script += At(9300, "tap Down") + At(9500, "pad axis leftx 0.9") + At(9560, "pad axis leftx 0") +
            At(9700, "tap Down") + At(9900, "tap Enter");
  script += At(10100, "tap Down") + At(10300, "tap Left") + At(10800, "shot options.png") + PadTap(11000, "b");
  // The credits, left with Escape; then the pad's east button goes to exit
  // and its south button presses it.
  script += Click(12500, 0.5f, 0.715f) + At(15300, "shot resting.png") + At(17200, "shot turning.png") +
            At(17800, "tap Esc");
  script += PadTap(19500, "b") + PadTap(19800, "a") + At(24000, "quit");
  const GameRun run = RunGame("menus", "--virtual-clock 20", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;

  size_t from = 0;
  const long main = Next(run.output, "] menu main", &from);
  const long players = Next(run.output, "] menu players", &from);
  const long backFromPlayers = Next(run.output, "] menu main", &from);
  const long options = Next(run.output, "] menu options", &from);
  const long backFromOptions = Next(run.output, "] menu main", &from);
  const long credits = Next(run.output, "] menu credits", &from);
  const long backFromCredits = Next(run.output, "] menu main", &from);
  const long exit = Next(run.output, "] exit", &from);
  EXPECT_GE(main, 0) << run.output;
  EXPECT_GT(players, 2200) << run.output;
  EXPECT_GT(backFromPlayers, 5200) << run.output;
  EXPECT_GT(options, 7600) << run.output;
  EXPECT_GT(backFromOptions, 11000) << run.output;
  EXPECT_GT(credits, 12500) << run.output;
  EXPECT_LT(credits, 13300) << run.output;
  EXPECT_GT(backFromCredits, 18200) << "a half-second fade-out first\n" << run.output;
  EXPECT_LT(backFromCredits, 18800) << run.output;
  EXPECT_GT(exit, 19800) << run.output;
  EXPECT_EQ(TimeOf(run.output, "] quit"), -1) << "exit ends the game, not the script";

  const std::string table = ReadAll(run.folder / "profile.dat");
  ASSERT_EQ(table.size(), 360u);
  EXPECT_EQ(table.substr(3 * 36, 5), std::string("Robo\0", 5));
  EXPECT_EQ(Int32At(ReadAll(run.folder / "profile.da0"), 0), 3);
  const std::string settings = ReadAll(run.folder / "options.dat");
  ASSERT_EQ(settings.size(), 12u);
  EXPECT_EQ(Int32At(settings, 0), 0) << "music";
  EXPECT_EQ(Int32At(settings, 4), 0) << "effects";
  EXPECT_EQ(Int32At(settings, 8), 0) << "resolution";
  for (const char* shot : {"main.png", "players.png", "options.png", "resting.png", "turning.png"})
    EXPECT_TRUE(IsPictureWithContent(run.folder / shot)) << shot;
}

// Level 20 started from the command line (a click skips the intro) and left
// lands on the play screen, where the selection rests on it (medium 5): Up
// goes to easy 5, Right to easy 6, Enter starts it. Left again, the mouse
// selects level 2 with one click and starts it with a second; clicks end its
// tour and start it from its card. Left through the pause once more, Escape
// goes to the main menu, where Escape goes to exit and Enter takes it: the
// progress is saved.
TEST(MenusEndToEnd, PlayScreenStartsLevelsChosenByKeyboardAndByMouseAndExitSavesProgress) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // Skips the tour, starts from the card when there is one, pauses and leaves.
  auto playThenLeave = [](long t) {
    return At(t + 1000, "tap Enter") + At(t + 1300, "tap Enter") + At(t + 2200, "tap Enter") + At(t + 3500, "tap Esc") +
           At(t + 5000, "tap Esc");
  };
  std::string script = Click(0, 0.5f, 0.5f) + playThenLeave(0);
  script += At(6000, "tap Up") + At(6300, "tap Right") + At(6600, "shot keys.png") + At(7000, "tap Enter");
  script += playThenLeave(7500);
  // Over the easy button its strip opens; in the middle of its cell 2 the
  // first click selects, the second starts.
  script += At(13500, "mouse 0.45 0.56") + At(14000, "mouse " + std::to_string(0.105 + 0.0452 * 2 + 0.02) + " 0.57") +
            At(14500, "button 0 down") +
            At(14560, "button 0 up") + At(15000, "shot selected.png") + At(15400, "button 0 down") +
            At(15460, "button 0 up");
  for (long t : {17000, 17300, 18200}) script += At(t, "button 0 down") + At(t + 60, "button 0 up");
  script += At(19500, "tap Esc") + At(20500, "shot paused.png") + At(21000, "tap Esc") + At(23000, "tap Esc") +
            At(24500, "tap Esc") + At(24800, "tap Enter");
  const GameRun run = RunGame("play_screen", "--virtual-clock 40 --level 20 --quit-after 40000", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;

  const long left = TimeOf(run.output, "left at level 20");
  ASSERT_GT(left, 0) << run.output;
  EXPECT_GE(TimeOf(run.output, "] menu play"), left) << run.output;
  const long byKeys = TimeOf(run.output, "level 6 chosen");
  EXPECT_GT(byKeys, 7000) << run.output;
  EXPECT_LT(byKeys, 8000) << run.output;
  EXPECT_GE(TimeOf(run.output, "level 6 loaded"), byKeys) << run.output;
  const long leftSix = TimeOf(run.output, "left at level 6");
  ASSERT_GT(leftSix, byKeys) << run.output;
  EXPECT_GE(TimeOf(run.output, "] menu play", run.output.find("left at level 6")), leftSix) << run.output;
  const long byMouse = TimeOf(run.output, "level 2 chosen");
  EXPECT_GT(byMouse, 15400) << "the first click only selects\n" << run.output;
  EXPECT_LT(byMouse, 16400) << run.output;
  EXPECT_GE(TimeOf(run.output, "level 2 loaded"), byMouse) << run.output;
  const long startedTwo = TimeOf(run.output, "level 2 started");
  EXPECT_GT(startedTwo, 18200) << "level 2 has a card that waits\n" << run.output;
  const long paused = TimeOf(run.output, "paused at level 2", run.output.find("level 2 started"));
  ASSERT_GT(paused, 19500) << run.output;
  const long leftTwo = TimeOf(run.output, "left at level 2, highest level 20");
  ASSERT_GT(leftTwo, 21000) << run.output;
  const long playScreen = TimeOf(run.output, "] menu play", run.output.find("left at level 2,"));
  EXPECT_GE(playScreen, leftTwo) << run.output;
  EXPECT_LT(playScreen, 22500) << run.output;
  EXPECT_GT(TimeOf(run.output, "] menu main"), 23000) << run.output;
  const long exited = TimeOf(run.output, "] exit");
  EXPECT_GT(exited, 24800) << run.output;
  EXPECT_LT(exited, 26500) << "exit must not wait for --quit-after";
  EXPECT_EQ(TimeOf(run.output, "] quit"), -1) << run.output;
  EXPECT_EQ(Int32At(ReadAll(run.folder / "profile.dat"), 32), 20);
  EXPECT_EQ(ReadAll(run.folder / "profile.da0").size(), 4u);
  for (const char* shot : {"keys.png", "selected.png", "paused.png"}) {
    EXPECT_TRUE(IsPictureWithContent(run.folder / shot)) << shot;
  }
}
