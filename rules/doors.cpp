// DoorsAtRest: one branch-free pass over the cell states.
#include "rules/doors.h"

// Asked every tick of every move the solver tries: worth the wider registers.
// Clang 14 (the fuzzing builds) leaves the clones' dispatcher undefined.
#if defined(__clang__) && __clang_major__ < 15
#define RR_WIDER_CLONES
#else
#define RR_WIDER_CLONES __attribute__((target_clones("avx2", "default")))
#endif
RR_WIDER_CLONES bool DoorsAtRest(const Board& board) {
  const float* s = &board.cellState[0][0];
  int restless = 0;
  for (int i = 0; i < kBoardColumns * kBoardRows; ++i) {
    restless |= (s[i] != 0.0f) & (s[i] < 4.0f);
    restless |= (s[i] > 4.0f) & (s[i] < 4.2f);
  }
  return restless == 0;
}
