// How fast the rules run: Step on a busy board (24 robots shuttling, doors
// opening and closing, rollers), and the solver on a medium level.
#include <benchmark/benchmark.h>

#include "rules/test_levels.h"
#include "tools/solve/solver.h"

namespace {

// Robots in three columns shuttle left and right over switches that keep
// both door colours moving, and across rollers.
const std::vector<std::string> kBusyCells = {
    "aaaaaaaaaaaaaaaaaa",  //
    "a0000000000000000a",  //
    "aw000y0m0m00B000za",  //
    "aw0000000000000z0a",  //
    "aw000y0m0m00B000za",  //
    "ax0000000000000A0a",  //
    "ax000y0m0m00B000za",  //
    "aQ0000000000000S0a",  //
    "ax000y0m0m00B000Aa",  //
    "aw0000000000000z0a",  //
    "a0000000000000000a",  //
    "aaaaaaaaaaaaaaaaaa",  //
};

CellList BusyRobots() {
  CellList robots;
  for (int y = 2; y <= 9; ++y)
    for (int x : {6, 8, 10}) robots.push_back({x, y});
  return robots;
}

void BM_StepBusyBoard(benchmark::State& state) {
  auto start = MakeTestBoard(kBusyCells, BusyRobots());
  auto board = std::make_unique<Board>(*start);
  int64_t ticks = 0, restarts = 0, doorTicks = 0;
  SoundLatches latches;
  StepInput input;
  for (auto _ : state) {
    // Change direction every 150 ticks: left, right, up, down, in turn.
    if (ticks % 150 == 0) {
      static const Direction kTurns[] = {kDirectionLeft, kDirectionRight, kDirectionRight,
                                         kDirectionLeft, kDirectionUp,    kDirectionDown};
      input.direction = kTurns[(ticks / 150) % 6];
    }
    benchmark::DoNotOptimize(board->Step(input, latches));
    ++ticks;
    if (board->LevelStatus() != 0) {
      *board = *start;
      ++restarts;
    }
    if (board->cellState[1][2] != 0 && board->cellState[1][2] != 4) ++doorTicks;
  }
  state.counters["restarts"] = static_cast<double>(restarts);
  state.counters["doorMovingShare"] = ticks > 0 ? static_cast<double>(doorTicks) / static_cast<double>(ticks) : 0;
}
BENCHMARK(BM_StepBusyBoard);

// 2 robots in a walled maze; the shortest solution has 25 moves.
const std::vector<std::string> kMediumCells = {
    "aaaaaaaaaaaaaaaaaa", "a000a0000000a0000a", "a0a000aa00a0000a0a", "a000a0000a000a000a",
    "aa0000a00000a0000a", "a000a000a0a000a0Da", "a0a0000a000000a00a", "a00000a000a0a0000a",
    "a0a0a00000a000a00a", "a000000a0000a0000a", "a0a00a00000a00a00a", "aaaaaaaaaaaaaaaaaa",
};

void BM_SolveMediumLevel(benchmark::State& state) {
  auto board = MakeTestBoard(kMediumCells, {{1, 1}, {14, 10}});
  int64_t states = 0;
  for (auto _ : state) {
    SolveResult result = SolveLevel(*board, kDefaultMaxStates);
    if (result.outcome != kSolved) state.SkipWithError("the medium level did not solve");
    states += result.states;
  }
  state.counters["states"] = benchmark::Counter(static_cast<double>(states), benchmark::Counter::kAvgIterations);
  state.counters["statesPerSecond"] = benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolveMediumLevel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
