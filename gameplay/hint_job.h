// A hint searched for on a worker thread, so the play screen never waits for
// the solver: ask, then look each frame whether the answer has come.
#pragma once
#include <atomic>
#include <memory>
#include <thread>

#include "rules/board.h"
#include "tools/solve/solver.h"

// Enough for every board of the shipped levels; a search that needs more
// says it gave up.
constexpr int64_t kHintStateLimit = 600000;

enum HintShown { kHintHidden, kHintSearching, kHintArrow, kHintNoSolution, kHintGaveUp };

class HintJob {
 public:
  HintJob() = default;
  HintJob(const HintJob&) = delete;
  HintJob& operator=(const HintJob&) = delete;
  ~HintJob() { Forget(); }

  // Starts a search from a copy of the board, dropping any earlier one.
  void Ask(const Board& board);
  // The board changed: the hint no longer holds (a search still running is stopped).
  void Forget();
  HintShown Shown() const;
  Direction Arrow() const { return Shown() == kHintArrow ? answer.first : kNoDirection; }

 private:
  std::thread worker;
  std::atomic<bool> stop{false};
  std::atomic<bool> done{false};
  bool asked = false;
  Hint answer;
};
