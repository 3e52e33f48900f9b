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

// A level lost on a mine shows the loss card; Enter restarts it. Lost the
// same way again, the fatal move is taken back from the card, a hint asked
// for, and the level's par solution from there wins in par.
TEST(PlayEndToEnd, LevelLostOnAMineRestartsOrUndoesTheFatalMoveAndThenWinsInPar) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  // A robot beside a mine: one move blows it up.
  const auto [level, move] = OneMoveLoss();
  ASSERT_NE(level, 0) << "no level is lost in one move";
  const std::string n = std::to_string(level);
  const std::string solution = ParSolution(level);
  ASSERT_FALSE(solution.empty());
  const std::string key = move == 'L' ? "Left" : move == 'R' ? "Right" : move == 'U' ? "Up" : "Down";
  std::string script = kSkipIntroAndTour;
  script += "500 shot banner.png\n3000 tap " + key + "\n5500 shot lost.png\n6000 tap Enter\n7500 shot restarted.png\n";
  script += "8000 tap " + key + "\n11000 tap U\n12000 tap H\n13500 shot hint.png\n";
  long end = 0;
  script += Moves(level, solution, 14000, &end);
  script += std::to_string(end + 500) + " quit\n";
  const GameRun run = RunGame("mine", "--virtual-clock 40 --level " + n, script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const size_t firstLoss = run.output.find("level " + n + " lost: mine");
  const long lost = TimeOf(run.output, "level " + n + " lost: mine");
  ASSERT_GT(lost, 3000) << run.output;
  // A level without a card tells its title and hint on its tour.
  const long banner = TimeOf(run.output, "tour banner: level " + n);
  EXPECT_GE(banner, 0) << run.output;
  EXPECT_LT(banner, TimeOf(run.output, "level " + n + " started")) << run.output;
  const long restarted = TimeOf(run.output, "level " + n + " started", firstLoss);
  EXPECT_GT(restarted, lost) << run.output;
  EXPECT_LT(restarted, 8000) << run.output;
  // Lost again: undo goes on playing, the level is not loaded again.
  const size_t secondLoss = run.output.find("level " + n + " lost: mine", firstLoss + 1);
  ASSERT_NE(secondLoss, std::string::npos) << run.output;
  const long lostAgain = TimeOf(run.output, "level " + n + " lost", secondLoss);
  const long undone = TimeOf(run.output, "fatal move undone, 0 moves");
  ASSERT_GT(lostAgain, 8000) << run.output;
  ASSERT_GT(undone, lostAgain) << run.output;
  EXPECT_GT(TimeOf(run.output, "hint ", secondLoss), undone) << run.output;
  EXPECT_EQ(TimeOf(run.output, "level " + n + " loaded", secondLoss), -1) << run.output;
  const long won = TimeOf(run.output, "won in " + std::to_string(solution.size()) + " moves");
  EXPECT_GT(won, undone) << run.output;
  EXPECT_GT(TimeOf(run.output, "level " + n + " won"), undone) << run.output;
  // The win is the player's record: profile 0, this level.
  const std::string records = ReadAll(run.folder / "records.dat");
  ASSERT_EQ(records.size(), 908u);
  EXPECT_EQ(static_cast<unsigned char>(records[8 + (level - 1) * 2]), solution.size());
  for (const char* shot : {"banner.png", "lost.png", "restarted.png", "hint.png"}) {
    EXPECT_TRUE(IsPictureWithContent(run.folder / shot)) << shot;
  }
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

// Level 1 and 2 tell their words on their cards; level 2's card waits for a
// press; the play screen marks level 1, won in par moves, and the profile
// keeps level 2 reached.
TEST(PlayEndToEnd, PadAloneGoesFromTheMainMenuToLevelOneWinsItInParAndLeavesThroughThePause) {
  if (!GameIsBuilt()) GTEST_SKIP() << "the game and its data are not built";
  const std::string solution = ParSolution(1);
  ASSERT_FALSE(solution.empty());
  // Plugged in once the window shows; the south button skips the intro. On
  // the main menu the D-pad goes to play and south opens it; the level choice
  // rests on level 1, south starts it. South again now and then ends the
  // tour and starts the level from its card.
  std::string script = "0 pad attach\n" + PadTap(0, "a") + PadTap(2000, "dpdown") + PadTap(2200, "a");
  for (long at = 4000; at <= 9000; at += 400) script += PadTap(at, "a");
  script += "4700 shot tour.png\n9500 shot play.png\n";
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
  script += std::to_string(end + 2000) + " shot card2.png\n" + std::to_string(end + 7500) + " shot marked.png\n";
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
  EXPECT_GE(TimeOf(run.output, "level 2 loaded"), won);
  EXPECT_GE(TimeOf(run.output, "level 2 started"), end + 2500) << "level 2 has a card that waits\n" << run.output;
  EXPECT_EQ(Count(run.output, "tour banner"), 0) << "levels 1 and 2 tell their words on their cards";
  const long paused = TimeOf(run.output, "paused at level 2");
  ASSERT_GT(paused, end + 4000) << run.output;
  const long left = TimeOf(run.output, "left at level 2, highest level 2");
  EXPECT_GT(left, end + 5000) << run.output;
  EXPECT_LT(left, end + 8000) << run.output;
  // Back on the play screen after leaving, level 1 marked.
  EXPECT_GE(TimeOf(run.output, "menu play", run.output.find("left at level 2")), left) << run.output;
  EXPECT_GE(TimeOf(run.output, "levels won at par: 1"), left) << run.output;
  EXPECT_EQ(HighestLevelInProfile(run.folder, 0), 2);
  for (const char* shot : {"tour.png", "play.png", "card2.png", "marked.png"}) {
    EXPECT_TRUE(IsPictureWithContent(run.folder / shot)) << shot;
  }
}
