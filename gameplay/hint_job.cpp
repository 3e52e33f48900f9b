// The hint's worker: one search at a time on its own copy of the board.
#include "gameplay/hint_job.h"

void HintJob::Ask(const Board& board) {
  Forget();
  asked = true;
  stop = false;
  done = false;
  auto copy = std::make_unique<Board>(board);
  worker = std::thread([this, copy = std::move(copy)] {
    answer = FindHint(*copy, kHintStateLimit, &stop);
    done.store(true, std::memory_order_release);
  });
}

void HintJob::Forget() {
  stop = true;
  if (worker.joinable()) worker.join();
  asked = false;
}

HintShown HintJob::Shown() const {
  if (!asked) return kHintHidden;
  if (!done.load(std::memory_order_acquire)) return kHintSearching;
  switch (answer.outcome) {
    case kSolved: return answer.first == kNoDirection ? kHintHidden : kHintArrow;
    case kUnsolvable: return kHintNoSolution;
    default: return kHintGaveUp;
  }
}
