// End-to-end runs of the real game: build/run/rivet-run in a small hidden
// window with the virtual clock and a script, the way a player would play.
// Each run keeps its folder under build/tests/e2e/ with its script, output,
// screenshots and the profile files it wrote.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "frontend/game_run_test.h"
#include "rules/board.h"
#include "rules/loss_cause.h"
#include "rules/settle.h"

namespace fs = std::filesystem;

namespace {
using namespace game_run;

int Count(const std::string& output, const std::string& text) {
  int n = 0;
  for (size_t at = output.find(text); at != std::string::npos; at = output.find(text, at + 1)) ++n;
  return n;
}

int32_t HighestLevelInProfile(const fs::path& folder, int record) {
  const std::string bytes = ReadAll(folder / "profile.dat");
  if (bytes.size() < static_cast<size_t>(record * 36 + 36)) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + record * 36 + 32);
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// The par solution of a level as its source gives it.
std::string ParSolution(int level) {
  const char* source = std::getenv("RR_SOURCE_DIR");
  if (source == nullptr) return "";
  char name[32];
  std::snprintf(name, sizeof name, "level%02d.txt", level);
  const std::string text = ReadAll(fs::path(source) / "content" / "levels" / name);
  const size_t at = text.find("\nsolution: ");
  if (at == std::string::npos) return "";
  const size_t from = at + 11;
  return text.substr(from, text.find('\n', from) - from);
}

// Key taps for the moves, from start: each waits until the board has come to
// rest after the one before (timed by the rules themselves), with a margin.
std::string Moves(int level, const std::string& letters, long start, long* end) {
  static Board board;
  board.LoadLevel(level, (std::string(std::getenv("RR_RUN_DIR")) + "/").c_str());
  PlayCounter counter;
  std::string script;
  for (char c : letters) {
    const char* key = c == 'L' ? "Left" : c == 'R' ? "Right" : c == 'U' ? "Up" : "Down";
    script += std::to_string(start) + " tap " + key + "\n";
    const int64_t before = counter.ticks;
    PlayMove(board, DirectionOfLetter(c), counter);
    start += static_cast<long>(counter.ticks - before) * 5 + 200;
  }
  *end = start;
  return script;
}

// A level past 9 (no card of its own) and a first move that loses it on a
// mine, found by playing each direction with the rules; level 0 when there is none.
std::pair<int, char> OneMoveLoss() {
  static Board board;
  const std::string folder = std::string(std::getenv("RR_RUN_DIR")) + "/";
  for (int level = 10; level <= 44; ++level) {
    for (char move : std::string("LRUD")) {
      if (!board.LoadLevel(level, folder.c_str())) break;
      PlayCounter counter;
      PlayMove(board, DirectionOfLetter(move), counter);
      if (board.LevelStatus() == 2 && LossCauseOf(board) == kLossMine) return {level, move};
    }
  }
  return {0, 0};
}

// Skips the intro, confirms the tour twice (the second press leaves it at once).
const char* kSkipIntroAndTour =
    "0 tap Space\n"
    "1000 tap Enter\n"
    "1300 tap Enter\n";
}  // namespace

TEST(PlayEndToEnd, LevelOneIsTouredConfirmedSolvedInParAndMarkedOnThePlayScreen) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  const std::string solution = ParSolution(1);
  ASSERT_FALSE(solution.empty());
  std::string script = kSkipIntroAndTour;
  script += "700 shot tour.png\n1800 shot card1.png\n2200 tap Enter\n4000 shot play.png\n";
  long end = 0;
  script += Moves(1, solution, 3500, &end);
  // After the win: darkening, level 2's tour (confirmed twice), its card;
  // then the card closed, pause and leave: the play screen marks level 1,
  // won in par moves.
  for (long t : {end + 1000, end + 1300}) script += std::to_string(t) + " tap Enter\n";
  script += std::to_string(end + 2500) + " shot card2.png\n";
  script += std::to_string(end + 3000) + " tap Enter\n" + std::to_string(end + 4300) + " tap Esc\n" +
            std::to_string(end + 5800) + " tap Esc\n" + std::to_string(end + 8000) + " shot marked.png\n" +
            std::to_string(end + 8500) + " quit\n";
  const GameRun run = RunGame("level1", "--virtual-clock 40 --level 1", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long started = TimeOf(run.output, "level 1 started");
  const long won = TimeOf(run.output, "level 1 won");
  ASSERT_GE(started, 2200) << run.output;
  ASSERT_GT(won, started) << run.output;
  EXPECT_LT(won, end) << run.output;
  EXPECT_GE(TimeOf(run.output, "level 2 loaded"), won);
  EXPECT_GE(TimeOf(run.output, "level 2 started"), end + 3000) << "level 2 has a card that waits\n" << run.output;
  EXPECT_GT(TimeOf(run.output, "levels won at par: 1"), won) << run.output;
  EXPECT_EQ(Count(run.output, "tour banner"), 0) << "levels 1 and 2 tell their words on their cards";
  EXPECT_EQ(HighestLevelInProfile(run.folder, 0), 2);
  for (const char* shot : {"tour.png", "card1.png", "play.png", "card2.png", "marked.png"}) {
    EXPECT_TRUE(IsPictureWithContent(run.folder / shot)) << shot;
  }
}

TEST(PlayEndToEnd, LevelLostOnAMineShowsTheCardAndRestarts) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // A robot beside a mine: one move blows it up.
  const auto [level, move] = OneMoveLoss();
  ASSERT_NE(level, 0) << "no level is lost in one move";
  const std::string n = std::to_string(level);
  const char* key = move == 'L' ? "Left" : move == 'R' ? "Right" : move == 'U' ? "Up" : "Down";
  std::string script = kSkipIntroAndTour;
  script += std::string("500 shot banner.png\n3000 tap ") + key + "\n5500 shot lost.png\n6000 tap Enter\n7500 shot restarted.png\n8000 quit\n";
  const GameRun run = RunGame("mine", "--virtual-clock 40 --level " + n, script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long lost = TimeOf(run.output, "level " + n + " lost: mine");
  ASSERT_GT(lost, 3000) << run.output;
  EXPECT_EQ(Count(run.output, "level " + n + " started"), 2) << run.output;
  // A level without a card tells its title and hint on its tour.
  const long banner = TimeOf(run.output, "tour banner: level " + n);
  EXPECT_GE(banner, 0) << run.output;
  EXPECT_LT(banner, TimeOf(run.output, "level " + n + " started")) << run.output;
  EXPECT_GT(TimeOf(run.output, "level " + n + " started", run.output.find("level " + n + " lost")), lost);
  EXPECT_TRUE(IsPictureWithContent(run.folder / "lost.png"));
  EXPECT_TRUE(IsPictureWithContent(run.folder / "restarted.png"));
}

// The fatal move taken back from the loss card, a hint asked for, then the
// level's par solution from there wins in par.
TEST(PlayEndToEnd, AFatalMoveIsUndoneFromTheLossCardAndParThenWins) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  const auto [level, move] = OneMoveLoss();
  ASSERT_NE(level, 0) << "no level is lost in one move";
  const std::string n = std::to_string(level);
  const std::string solution = ParSolution(level);
  ASSERT_FALSE(solution.empty());
  const char* key = move == 'L' ? "Left" : move == 'R' ? "Right" : move == 'U' ? "Up" : "Down";
  std::string script = kSkipIntroAndTour;
  script += std::string("3000 tap ") + key + "\n5500 shot lostcard.png\n6000 tap U\n7000 tap H\n8500 shot hint.png\n";
  long end = 0;
  script += Moves(level, solution, 9000, &end);
  script += std::to_string(end + 500) + " quit\n";
  const GameRun run = RunGame("undo", "--virtual-clock 40 --level " + n, script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long lost = TimeOf(run.output, "level " + n + " lost");
  const long undone = TimeOf(run.output, "fatal move undone, 0 moves");
  ASSERT_GT(lost, 3000) << run.output;
  ASSERT_GT(undone, lost) << run.output;
  EXPECT_GT(TimeOf(run.output, "hint "), undone) << run.output;
  // Undo goes on playing: the level is not loaded again.
  EXPECT_EQ(TimeOf(run.output, "level " + n + " loaded", run.output.find("level " + n + " lost")), -1) << run.output;
  const long won = TimeOf(run.output, "won in " + std::to_string(solution.size()) + " moves");
  EXPECT_GT(won, undone) << run.output;
  EXPECT_GT(TimeOf(run.output, "level " + n + " won"), undone) << run.output;
  // The win is the player's record: profile 0, this level.
  const std::string records = ReadAll(run.folder / "records.dat");
  ASSERT_EQ(records.size(), 908u);
  EXPECT_EQ(static_cast<unsigned char>(records[8 + (level - 1) * 2]), solution.size());
  EXPECT_TRUE(IsPictureWithContent(run.folder / "lostcard.png"));
  EXPECT_TRUE(IsPictureWithContent(run.folder / "hint.png"));
}

TEST(PlayEndToEnd, PauseThenLeaveGoesToThePlayScreenThenTheMainMenuWhoseExitSavesProgress) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // The mouse this time: a click skips the intro, two end the tour, one starts the level.
  std::string script = "1000 mouse 0.5 0.5\n";
  for (int t : {0, 1000, 1300, 2200}) {
    script += std::to_string(t) + " button 0 down\n" + std::to_string(t + 60) + " button 0 up\n";
  }
  // Leaving play lands on the play screen, as if level 5 had been chosen there;
  // Escape leaves it for the main menu, where Escape goes to exit and Enter takes it.
  script += "3500 tap Esc\n4500 shot paused.png\n5000 tap Esc\n7000 tap Esc\n8500 tap Esc\n8800 tap Enter\n";
  const GameRun run = RunGame("pause", "--virtual-clock 40 --level 5 --quit-after 20000", script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long paused = TimeOf(run.output, "paused at level 5");
  const long left = TimeOf(run.output, "left at level 5, highest level 5");
  ASSERT_GT(paused, 3500) << run.output;
  ASSERT_GT(left, 5000) << run.output;
  const long playScreen = TimeOf(run.output, "] menu play");
  EXPECT_GE(playScreen, left) << run.output;
  EXPECT_LT(playScreen, 6500) << run.output;
  EXPECT_GT(TimeOf(run.output, "] menu main"), 7000) << run.output;
  const long exited = TimeOf(run.output, "] exit");
  EXPECT_GT(exited, 8800) << run.output;
  EXPECT_LT(exited, 10500) << "exit must not wait for --quit-after";
  EXPECT_EQ(TimeOf(run.output, "] quit"), -1) << run.output;
  EXPECT_EQ(HighestLevelInProfile(run.folder, 0), 5);
  EXPECT_EQ(fs::file_size(run.folder / "profile.da0"), 4u);
  EXPECT_TRUE(IsPictureWithContent(run.folder / "paused.png"));
}

// The first level past 9 whose source gives it a 30-second limit (no card of
// its own: it starts right after its tour), or 0.
int ThirtySecondLevel() {
  const char* source = std::getenv("RR_SOURCE_DIR");
  if (source == nullptr) return 0;
  for (int n = 10; n <= 44; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "level%02d.txt", n);
    if (ReadAll(fs::path(source) / "content" / "levels" / name).find("\ntime: 30\n") != std::string::npos) return n;
  }
  return 0;
}

TEST(PlayEndToEnd, ThirtySecondLevelIsLostByTime) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  const int level = ThirtySecondLevel();
  ASSERT_NE(level, 0) << "no level with a 30-second limit";
  const std::string n = std::to_string(level);
  // At 100 ms a frame the loading bar's frames take longer: the tour is confirmed later.
  std::string script = "0 tap Space\n1400 tap Enter\n1700 tap Enter\n";
  script += "4000 shot countdown.png\n36000 shot timeout.png\n36500 quit\n";
  const GameRun run = RunGame("timeout", "--virtual-clock 100 --level " + n, script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const long started = TimeOf(run.output, "level " + n + " started");
  const long lost = TimeOf(run.output, "level " + n + " lost: time");
  ASSERT_GT(started, 0) << run.output;
  ASSERT_GT(lost, 0) << run.output;
  // Lost one second after the countdown first shows 0.
  EXPECT_NEAR(lost - started, 31000, 200) << run.output;
  EXPECT_TRUE(IsPictureWithContent(run.folder / "countdown.png"));
}

// A tap of a pad button: down now, up 40 ms later.
std::string PadTap(long t, const char* button) {
  return std::to_string(t) + " pad button " + button + " down\n" + std::to_string(t + 40) + " pad button " + button +
         " up\n";
}

TEST(PlayEndToEnd, PadAloneGoesFromTheMainMenuToLevelOneWinsItAndLeavesThroughThePause) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  const std::string solution = ParSolution(1);
  ASSERT_FALSE(solution.empty());
  // Plugged in once the window shows; the south button skips the intro. On
  // the main menu the D-pad goes to play and south opens it; the level choice
  // rests on level 1, south starts it. South again now and then ends the
  // tour and starts the level from its card.
  std::string script = "0 pad attach\n" + PadTap(0, "a") + PadTap(2000, "dpdown") + PadTap(2200, "a");
  for (long at = 4000; at <= 9000; at += 400) script += PadTap(at, "a");
  // The par moves, the stick and the D-pad taking turns.
  long end = 0;
  const std::string keys = Moves(1, solution, 10000, &end);
  std::istringstream moves(keys);
  long t = 0;
  std::string tap, key;
  for (int i = 0; moves >> t >> tap >> key; ++i) {
    const bool horizontal = key == "Left" || key == "Right";
    const bool negative = key == "Left" || key == "Up";
    if (i % 2 == 0) {
      const std::string axis = horizontal ? " pad axis leftx " : " pad axis lefty ";
      script += std::to_string(t) + axis + (negative ? "-1" : "1") + "\n" + std::to_string(t + 40) + axis + "0\n";
    } else {
      const char* button = key == "Left" ? "dpleft" : key == "Right" ? "dpright" : key == "Up" ? "dpup" : "dpdown";
      script += PadTap(t, button);
    }
  }
  // Level 2: its tour and card, then Start pauses and the east button leaves.
  for (long at : {end + 1000, end + 1300, end + 2500}) script += PadTap(at, "a");
  script += PadTap(end + 4000, "start") + PadTap(end + 5000, "b");
  const GameRun run = RunGame("pad", "--virtual-clock 40 --quit-after " + std::to_string(end + 8000), script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("Urzadzenie podlaczone: Virtual pad"), std::string::npos) << run.output;
  EXPECT_GT(TimeOf(run.output, "level 1 chosen"), 2200) << run.output;
  const long started = TimeOf(run.output, "level 1 started");
  ASSERT_GT(started, 0) << run.output;
  ASSERT_LT(started, 10000) << "the moves would come too early";
  const long won = TimeOf(run.output, "level 1 won");
  ASSERT_GT(won, started) << run.output;
  EXPECT_LT(won, end) << run.output;
  const long paused = TimeOf(run.output, "paused at level 2");
  ASSERT_GT(paused, end + 4000) << run.output;
  const long left = TimeOf(run.output, "left at level 2, highest level 2");
  EXPECT_GT(left, end + 5000) << run.output;
  EXPECT_LT(left, end + 8000) << run.output;
  // Back on the play screen after leaving.
  EXPECT_GE(TimeOf(run.output, "menu play", run.output.find("left at level 2")), left) << run.output;
}
