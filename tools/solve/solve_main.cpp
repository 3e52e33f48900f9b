// rivet-solve: finds shortest solutions of levels, or plays given moves.
//   rivet-solve [--data DIR] [--max-states N] LEVEL...
//   rivet-solve [--data DIR] --play MOVES [--trace] LEVEL
//   rivet-solve [--data DIR] [--max-states N] --hint MOVES LEVEL
// A move is one direction key (L R U D) held for one tick, then no key until
// the board comes to rest (won, lost, or nothing but the exit cells would
// change). A level first runs with no key until it comes to rest, so robots
// starting on rollers or mines act before the first move. Exit status 0 when
// the command ran, 2 on bad arguments or a level that cannot be read.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "rules/board.h"
#include "tools/solve/solver.h"

namespace {

constexpr int kBadArguments = 2;

struct Options {
  std::string dataDir = ".";
  int64_t maxStates = kDefaultMaxStates;
  bool play = false;
  bool trace = false;
  bool hint = false;
  std::string moves;
  std::vector<int32_t> levels;
};

constexpr char kUsage[] =
    "usage: rivet-solve [--data DIR] [--max-states N] LEVEL...\n"
    "       rivet-solve [--data DIR] --play MOVES [--trace] LEVEL\n"
    "       rivet-solve [--data DIR] [--max-states N] --hint MOVES LEVEL\n"
    "Finds a shortest solution of each level (1..45) read from DIR/levels\n"
    "(default: the current folder), or plays MOVES, letters L R U D, one move\n"
    "each: the key held for one tick, then no key until the board is at rest.\n"
    "--max-states N  give up after N distinct states (default 2000000)\n"
    "--trace         print each tick: T GameState x,y,angle,active,deathKind...\n"
    "--hint MOVES    play MOVES, then print the first move of a shortest solution\n"
    "                from there: \"hint: X, N moves left\", \"hint: none, no solution\"\n"
    "                or \"hint: gave up after S states\"\n";

int Usage(const char* problem) {
  std::fprintf(stderr, "rivet-solve: %s\n%s", problem, kUsage);
  return kBadArguments;
}

bool ParseNumber(const char* text, int64_t low, int64_t high, int64_t& value) {
  if (text == nullptr || *text == 0) return false;
  char* end = nullptr;
  long long parsed = std::strtoll(text, &end, 10);
  if (*end != 0 || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool ValidMoves(const std::string& moves) {
  return moves.find_first_not_of("LRUD") == std::string::npos;
}

// Empty string when fine, else what is wrong.
std::string ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--help") {
      return "help";
    } else if (arg == "--data") {
      if (!hasValue) return "--data needs a folder";
      options.dataDir = argv[++i];
    } else if (arg == "--max-states") {
      if (!hasValue || !ParseNumber(argv[++i], 1, 1000000000LL, options.maxStates))
        return "--max-states needs a number from 1 to 1000000000";
    } else if (arg == "--play") {
      if (!hasValue) return "--play needs moves";
      options.play = true;
      options.moves = argv[++i];
      if (!ValidMoves(options.moves)) return "moves may only be the letters L R U D";
    } else if (arg == "--hint") {
      if (!hasValue) return "--hint needs moves";
      options.hint = true;
      options.moves = argv[++i];
      if (!ValidMoves(options.moves)) return "moves may only be the letters L R U D";
    } else if (arg == "--trace") {
      options.trace = true;
    } else {
      int64_t level = 0;
      if (!ParseNumber(arg.c_str(), 1, 45, level)) return "not a level number or option: " + arg;
      options.levels.push_back(static_cast<int32_t>(level));
    }
  }
  if (options.levels.empty()) return "no level given";
  if (options.trace && !options.play) return "--trace goes with --play";
  if (options.play && options.hint) return "--play and --hint go alone";
  if ((options.play || options.hint) && options.levels.size() != 1) return "--play and --hint take exactly one level";
  return "";
}

bool LoadOrComplain(Board& board, int32_t level, const Options& options) {
  if (board.LoadLevel(level, options.dataDir.c_str())) return true;
  std::fprintf(stderr, "rivet-solve: level %d cannot be read from %s\n", level, options.dataDir.c_str());
  return false;
}

int Play(const Options& options) {
  auto board = std::make_unique<Board>();
  if (!LoadOrComplain(*board, options.levels[0], options)) return kBadArguments;
  PlayResult result = PlayMoveLetters(*board, options.moves, options.trace ? stdout : nullptr);
  const char* outcome = result.outcome == kPlayWon ? "won" : result.outcome == kPlayLost ? "lost" : "not finished";
  std::printf("%s after %lld ticks\n", outcome, static_cast<long long>(result.ticks));
  return 0;
}

int PrintHint(const Options& options) {
  auto board = std::make_unique<Board>();
  if (!LoadOrComplain(*board, options.levels[0], options)) return kBadArguments;
  PlayMoveLetters(*board, options.moves, nullptr);
  std::printf("%s\n", DescribeHint(FindHint(*board, options.maxStates)).c_str());
  return 0;
}

int Solve(const Options& options) {
  // Every level must be readable before any search starts.
  std::vector<std::unique_ptr<Board>> boards;
  for (int32_t level : options.levels) {
    boards.push_back(std::make_unique<Board>());
    if (!LoadOrComplain(*boards.back(), level, options)) return kBadArguments;
  }
  for (size_t i = 0; i < boards.size(); ++i) {
    SolveResult result = SolveLevel(*boards[i], options.maxStates);
    if (result.outcome == kSolved) {
      std::printf("level %d: solved in %zu moves: %s\n", options.levels[i], result.moves.size(), result.moves.c_str());
    } else if (result.outcome == kGaveUp) {
      std::printf("level %d: gave up after %lld states\n", options.levels[i], static_cast<long long>(result.states));
    } else {
      std::printf("level %d: unsolvable\n", options.levels[i]);
    }
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string problem = ParseOptions(argc, argv, options);
  if (problem == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!problem.empty()) return Usage(problem.c_str());
  if (options.hint) return PrintHint(options);
  return options.play ? Play(options) : Solve(options);
}
