// DoorsAtRest: one branch-free pass over the cell states.
#include "rules/doors.h"

// Asked every tick of every move the solver tries: worth the wider registers.
__attribute__((target_clones("avx2", "default"))) bool DoorsAtRest(const Board& board) {
  const float* s = &board.cellState[0][0];
  int restless = 0;
  for (int i = 0; i < kBoardColumns * kBoardRows; ++i) {
    restless |= (s[i] != 0.0f) & (s[i] < 4.0f);
    restless |= (s[i] > 4.0f) & (s[i] < 4.2f);
  }
  return restless == 0;
}
