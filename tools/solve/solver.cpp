// The breadth-first solver and the move player behind rivet-solve.
#include "tools/solve/solver.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "rules/settle.h"
#include "tools/solve/state_codec.h"

namespace {

uint64_t HashKey(const uint8_t* data, size_t size) {
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < size; ++i) {
    h ^= data[i];
    h *= 1099511628211ull;
  }
  return h ^ (h >> 29);
}

// Every state found, in the order found (which is the search queue), with
// the way back to the start, and an open-addressing table over their keys.
class StateStore {
 public:
  StateStore() : slots(1 << 16, 0) {}

  int64_t Count() const { return static_cast<int64_t>(parents.size()); }

  // Index of the key if stored, else -1.
  int64_t Find(const std::vector<uint8_t>& key) const {
    size_t mask = slots.size() - 1;
    for (size_t at = HashKey(key.data(), key.size()) & mask;; at = (at + 1) & mask) {
      uint32_t slot = slots[at];
      if (slot == 0) return -1;
      if (KeyEquals(slot - 1, key)) return slot - 1;
    }
  }

  void Add(const std::vector<uint8_t>& key, int64_t parent, uint8_t move) {
    if ((parents.size() + 1) * 2 > slots.size()) Grow();
    offsets.push_back(arena.size());
    arena.insert(arena.end(), key.begin(), key.end());
    parents.push_back(static_cast<uint32_t>(parent));
    moves.push_back(move);
    Place(static_cast<uint32_t>(parents.size() - 1));
  }

  const uint8_t* Key(int64_t index) const { return arena.data() + offsets[index]; }
  size_t KeySize(int64_t index) const {
    size_t end = static_cast<size_t>(index) + 1 < offsets.size() ? offsets[index + 1] : arena.size();
    return end - offsets[index];
  }
  uint32_t Parent(int64_t index) const { return parents[index]; }
  uint8_t Move(int64_t index) const { return moves[index]; }

 private:
  bool KeyEquals(uint32_t index, const std::vector<uint8_t>& key) const {
    return KeySize(index) == key.size() && std::memcmp(Key(index), key.data(), key.size()) == 0;
  }

  void Place(uint32_t index) {
    size_t mask = slots.size() - 1;
    size_t at = HashKey(Key(index), KeySize(index)) & mask;
    while (slots[at] != 0) at = (at + 1) & mask;
    slots[at] = index + 1;
  }

  void Grow() {
    slots.assign(slots.size() * 2, 0);
    for (uint32_t i = 0; i < parents.size(); ++i) Place(i);
  }

  std::vector<uint8_t> arena;
  std::vector<size_t> offsets;
  std::vector<uint32_t> parents;
  std::vector<uint8_t> moves;
  std::vector<uint32_t> slots;  // 0 empty, else state index + 1
};

constexpr char kMoveLetters[] = "LRUD";

std::string PathTo(const StateStore& store, int64_t index, int lastDirection) {
  std::string path(1, kMoveLetters[lastDirection - 1]);
  for (; index != 0; index = store.Parent(index)) path += kMoveLetters[store.Move(index) - 1];
  return std::string(path.rbegin(), path.rend());
}

}  // namespace

SolveResult SolveLevel(const Board& start, int64_t maxStates, const std::atomic<bool>* stop) {
  SolveResult result;
  auto board = std::make_unique<Board>(start);
  PlayCounter counter;
  bool settled = SettleBoard(*board, counter);
  counter.stopAtDeath = true;
  counter.skipQuietTicks = true;
  if (settled && board->LevelStatus() == kLevelWon) {
    result.outcome = kSolved;
    return result;
  }
  LevelShape shape = FindLevelShape(*board);
  std::vector<uint8_t> key;
  if (!settled || board->LevelStatus() == kLevelLost || !EncodeSettledBoard(*board, shape, key)) return result;

  StateStore store;
  store.Add(key, 0, 0);
  for (int64_t current = 0; current < store.Count(); ++current) {
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
      result.outcome = kGaveUp;
      result.states = store.Count();
      return result;
    }
    for (int direction = 1; direction <= 4; ++direction) {
      DecodeSettledBoard(store.Key(current), store.KeySize(current), shape, *board);
      if (!PlayMove(*board, static_cast<Direction>(direction), counter)) continue;  // never comes to rest: a dead end
      uint8_t status = board->LevelStatus();
      if (status == kLevelLost || board->GameState != kGamePlaying) continue;
      if (status == kLevelWon) {
        result.outcome = kSolved;
        result.moves = PathTo(store, current, direction);
        result.states = store.Count();
        return result;
      }
      if (!EncodeSettledBoard(*board, shape, key) || store.Find(key) >= 0) continue;
      if (store.Count() >= maxStates) {
        result.outcome = kGaveUp;
        result.states = store.Count();
        return result;
      }
      store.Add(key, current, static_cast<uint8_t>(direction));
    }
  }
  result.states = store.Count();
  return result;
}

Hint FindHint(const Board& board, int64_t maxStates, const std::atomic<bool>* stop) {
  SolveResult solved = SolveLevel(board, maxStates, stop);
  Hint hint;
  hint.outcome = solved.outcome;
  hint.states = solved.states;
  if (solved.outcome == kSolved && !solved.moves.empty()) {
    hint.first = DirectionOfLetter(solved.moves[0]);
    hint.movesLeft = static_cast<int32_t>(solved.moves.size());
  }
  return hint;
}

std::string DescribeHint(const Hint& hint) {
  char line[80];
  if (hint.outcome == kGaveUp) {
    std::snprintf(line, sizeof line, "hint: gave up after %lld states", static_cast<long long>(hint.states));
  } else if (hint.outcome == kUnsolvable) {
    std::snprintf(line, sizeof line, "hint: none, no solution");
  } else if (hint.first == kNoDirection) {
    std::snprintf(line, sizeof line, "hint: none, 0 moves left");  // already won
  } else {
    std::snprintf(line, sizeof line, "hint: %c, %d moves left", LetterOfDirection(hint.first), hint.movesLeft);
  }
  return line;
}

namespace {

void PrintTraceLine(const Board& board, int64_t tick, void* context) {
  FILE* out = static_cast<FILE*>(context);
  std::fprintf(out, "%lld %d", static_cast<long long>(tick), board.GameState);
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    std::fprintf(out, " %.3f,%.3f,%.3f,%d,%d", r.x, r.y, r.angle, r.active, r.deathKind);
  }
  std::fputc('\n', out);
}

}  // namespace

PlayResult PlayMoveLetters(Board& board, const std::string& letters, FILE* trace) {
  PlayCounter counter;
  if (trace != nullptr) {
    counter.observer = PrintTraceLine;
    counter.context = trace;
  }
  bool settled = SettleBoard(board, counter);
  for (size_t i = 0; i < letters.size() && settled && board.LevelStatus() == kLevelPlaying; ++i) {
    settled = PlayMove(board, DirectionOfLetter(letters[i]), counter);
  }
  PlayResult result;
  result.ticks = counter.ticks;
  uint8_t status = board.LevelStatus();
  result.outcome = status == kLevelWon ? kPlayWon : status == kLevelLost ? kPlayLost : kPlayNotFinished;
  return result;
}
