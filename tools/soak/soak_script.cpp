// rivet-soak-script RUN_DIR SOURCE_DIR MINUTES: writes to standard output a
// script for a long run of the game (scripts/soak) from level 1 on: each
// level is paused and resumed, every third restarted from the pause, some
// lost (by a first move that loses, or by letting a countdown run out) and
// started again, and each won with the solution its source gives, key taps
// timed by the rules themselves as the board comes to rest. After the last
// level the end scene is left for the main menu, whose screens are each
// entered and left before the game quits. Levels with a countdown are lost
// by time, as many times each as it takes to reach MINUTES of game time.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "rules/board.h"
#include "rules/settle.h"
#include "tools/tool_arguments.h"

namespace {

constexpr int kLevels = 45;

std::string Solution(const std::string& sources, int level) {
  char name[32];
  std::snprintf(name, sizeof name, "/levels/level%02d.txt", level);
  std::ifstream in(sources + name);
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  const size_t at = all.find("\nsolution: ");
  if (at == std::string::npos) return "";
  const size_t from = at + 11;
  return all.substr(from, all.find('\n', from) - from);
}

const char* KeyOf(char letter) {
  return letter == 'L' ? "Left" : letter == 'R' ? "Right" : letter == 'U' ? "Up" : "Down";
}

struct Writer {
  std::string text;
  void Line(long at, const std::string& what) { text += std::to_string(at) + " " + what + "\n"; }
  void Tap(long at, const char* key) { Line(at, std::string("tap ") + key); }
  void Mark(long at, const std::string& what) { Line(at, "mark " + what); }
};

// Taps for the moves from `start`, each after the board came to rest from the
// one before; the time after the last.
long PlayMoves(Writer& out, Board& board, const std::string& letters, long start) {
  PlayCounter counter;
  for (char c : letters) {
    out.Tap(start, KeyOf(c));
    const int64_t before = counter.ticks;
    PlayMove(board, DirectionOfLetter(c), counter);
    start += static_cast<long>(counter.ticks - before) * 5 + 250;
  }
  return start;
}

// A first move that loses the level at once, or 0.
char LosingMove(const std::string& runDir, int level) {
  auto board = std::make_unique<Board>();
  for (char move : std::string("LRUD")) {
    if (!board->LoadLevel(level, runDir.c_str())) return 0;
    PlayCounter counter;
    PlayMove(*board, DirectionOfLetter(move), counter);
    if (board->LevelStatus() == 2) return move;
  }
  return 0;
}

// The whole run, with every level that has a countdown lost by time
// timeLosses times; its game time in milliseconds, or -1.
long WriteRun(Writer& out, const std::string& runDir, const std::string& sources, long wanted, int timeLosses) {
  // The intro, then level 1's tour (ended, its return skipped) and card.
  out.Tap(0, "Space");
  long t = 1000;
  int lossesLeft = 3;
  for (int level = 1; level <= kLevels; ++level) {
    out.Tap(t, "Enter");
    out.Tap(t + 300, "Enter");
    out.Tap(t + 1200, "Enter");
    t += 2500;
    const std::string letters = Solution(sources, level);
    auto board = std::make_unique<Board>();
    if (letters.empty() || !board->LoadLevel(level, runDir.c_str())) {
      std::fprintf(stderr, "rivet-soak-script: level %d has no solution or cannot be read\n", level);
      return -1;
    }
    out.Mark(t, "level " + std::to_string(level) + " in play");
    // Paused and resumed.
    out.Tap(t, "Esc");
    out.Tap(t + 800, "Enter");
    t += 2000;
    // Lost by time, as often as this round asks, waiting for the countdown
    // to run out (it stops while paused), then started again from the loss card.
    for (int n = 0; board->timeLimit > 0 && n < timeLosses; ++n) {
      t += board->timeLimit + 4000;
      out.Tap(t, "Enter");
      t += 1500;
    }
    // Lost at once, and started again from the loss card.
    const char losing = lossesLeft > 0 && level % 7 == 3 ? LosingMove(runDir, level) : 0;
    if (losing != 0) {
      --lossesLeft;
      out.Tap(t, KeyOf(losing));
      out.Tap(t + 3000, "Enter");
      t += 4500;
    }
    // Half the solution played, then the level restarted from the pause:
    // every third level, and every level once the end would come too soon.
    const long remainingLevels = kLevels - level + 1;
    const bool replay = level % 3 == 0 || t + remainingLevels * 40000L < wanted;
    if (replay) {
      auto half = std::make_unique<Board>();
      half->LoadLevel(level, runDir.c_str());
      t = PlayMoves(out, *half, letters.substr(0, letters.size() / 2), t);
      out.Tap(t, "Esc");
      out.Tap(t + 800, "Space");
      t += 2000;
    }
    t = PlayMoves(out, *board, letters, t);
    t += 1000;  // the win's darkening, then the next level's tour
  }
  // The end scene, left for the main menu; then each of its screens in turn,
  // entered and left again.
  out.Tap(t + 8000, "Enter");
  t += 11000;
  for (int button = 1; button <= 4; ++button) {
    out.Tap(t, "Down");
    out.Tap(t + 400, "Enter");
    out.Tap(t + 3000, "Esc");
    t += 4500;
  }
  out.Line(t + 1000, "quit");
  return t + 1000;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv) || argc != 4 || !AllPlainNames(argc, argv, 1)) {
    std::fprintf(stderr, "usage: rivet-soak-script RUN_DIR SOURCE_DIR MINUTES\n");
    return AsksForHelp(argc, argv) ? 0 : 2;
  }
  const std::string runDir = std::string(argv[1]) + "/", sources = argv[2];
  const long wanted = std::atol(argv[3]) * 60000L;
  for (int timeLosses = 1; timeLosses <= 20; ++timeLosses) {
    Writer out;
    const long length = WriteRun(out, runDir, sources, wanted, timeLosses);
    if (length < 0) return 1;
    if (length < wanted && timeLosses < 20) continue;
    std::fputs(out.text.c_str(), stdout);
    std::fprintf(stderr, "rivet-soak-script: %.1f minutes of game time, each countdown run out %d times\n",
                 double(length) / 60000.0, timeLosses);
    return 0;
  }
  return 1;
}
