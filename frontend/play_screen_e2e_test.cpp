// End-to-end runs of the play screen and the credits in the real game: a
// level chosen with the mouse, another with the keyboard alone, each after
// leaving a level started with --level (which lands on the play screen), and
// the credits shown and left.
#include <gtest/gtest.h>

#include <string>

#include "frontend/game_run_test.h"

using namespace game_run;

namespace {
std::string At(long t, const std::string& action) { return std::to_string(t) + " " + action + "\n"; }

std::string Click(long t) { return At(t, "button 0 down") + At(t + 60, "button 0 up"); }

// Skips the intro and the level's tour, waits for the card when the level has
// one, then pauses and leaves: the play screen follows at about 5.2 s.
std::string PlayThenLeave(bool levelHasCard) {
  std::string s = At(0, "tap Space") + At(1000, "tap Enter") + At(1300, "tap Enter");
  if (levelHasCard) s += At(2200, "tap Enter");
  return s + At(3500, "tap Esc") + At(5000, "tap Esc");
}

// The middle of level cell i (1-15) of the easy strip.
std::string MouseOnEasyCell(long t, int i) {
  return At(t, "mouse " + std::to_string(0.105 + 0.0452 * i + 0.02) + " 0.57");
}
}  // namespace

TEST(PlayScreenEndToEnd, LeavingACommandLineLevelLandsHereAndTheMouseSelectsThenStarts) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // Level 3 reached: easy 1-3 unlocked. One click selects level 2, a second starts it.
  std::string script = PlayThenLeave(true) + MouseOnEasyCell(6000, 2) + Click(6200) + At(6600, "shot selected.png") +
                       Click(7000) + At(9000, "quit");
  const GameRun run = RunGame("play_screen_mouse", "--virtual-clock 40 --level 3", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long left = TimeOf(run.output, "left at level 3");
  const long screen = TimeOf(run.output, "] menu play");
  ASSERT_GT(left, 0) << run.output;
  EXPECT_GE(screen, left) << run.output;
  const long chosen = TimeOf(run.output, "level 2 chosen");
  EXPECT_GT(chosen, 7000) << "the first click only selects\n" << run.output;
  EXPECT_LT(chosen, 8000) << run.output;
  EXPECT_GE(TimeOf(run.output, "level 2 loaded"), chosen) << run.output;
  EXPECT_TRUE(IsPictureWithContent(run.folder / "selected.png"));
}

TEST(PlayScreenEndToEnd, TheKeyboardAloneMovesOverUnlockedLevelsAndStartsOne) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // Level 20 reached: the selection rests on it (medium 5). Up goes to easy 5,
  // Right to easy 6, Enter starts it.
  std::string script = PlayThenLeave(false) + At(6000, "tap Up") + At(6300, "tap Right") + At(6600, "shot keys.png") +
                       At(7000, "tap Enter") + At(8500, "quit");
  const GameRun run = RunGame("play_screen_keys", "--virtual-clock 40 --level 20", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long screen = TimeOf(run.output, "] menu play");
  ASSERT_GE(screen, TimeOf(run.output, "left at level 20")) << run.output;
  ASSERT_GT(screen, 0) << run.output;
  const long chosen = TimeOf(run.output, "level 6 chosen");
  EXPECT_GT(chosen, 7000) << run.output;
  EXPECT_LT(chosen, 8000) << run.output;
  EXPECT_GE(TimeOf(run.output, "level 6 loaded"), chosen) << run.output;
  EXPECT_TRUE(IsPictureWithContent(run.folder / "keys.png"));
}

TEST(PlayScreenEndToEnd, CreditsShowTheirScenesAndEscapeLeavesForTheMainMenu) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  std::string script = At(0, "tap Space");
  for (long t : {1000, 1200, 1400, 1600}) script += At(t, "tap Down");  // the fourth button
  script += At(1800, "tap Enter") + At(4500, "shot resting.png") + At(6400, "shot turning.png") +
            At(7000, "tap Esc") + At(8500, "quit");
  const GameRun run = RunGame("credits", "--virtual-clock 40", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long credits = TimeOf(run.output, "] menu credits");
  ASSERT_GT(credits, 1800) << run.output;
  EXPECT_LT(credits, 2600) << run.output;
  const long back = TimeOf(run.output, "] menu main", run.output.find("] menu credits"));
  EXPECT_GT(back, 7400) << "a half-second fade-out first\n" << run.output;
  EXPECT_LT(back, 8000) << run.output;
  EXPECT_TRUE(IsPictureWithContent(run.folder / "resting.png"));
  EXPECT_TRUE(IsPictureWithContent(run.folder / "turning.png"));
}
