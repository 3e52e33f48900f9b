// The cell vocabulary at its edges: lookups off the board, characters and
// kinds outside the table, and the one cell that looks like one kind and acts
// as another.
#include <gtest/gtest.h>

#include "rules/board.h"
#include "rules/cell_kinds.h"

namespace {

TEST(CellKinds, LookupsOutsideTheBoardOrTheTableAreSafe) {
  auto board = std::make_unique<Board>();
  board->cellChars[17][11] = 'O';
  board->cellChars[2][2] = '~';
  for (auto [x, y] : {std::pair{18, 0}, {-1, 5}, {3, 12}, {0, -1}}) EXPECT_EQ(board->CellKindAt(x, y), -1) << x << "," << y;
  EXPECT_EQ(board->CellKindAt(17, 11), kCellClonerEntrance);
  EXPECT_EQ(board->CellKindAt(0, 0), kCellFloor);  // NUL, like any unknown character
  EXPECT_EQ(board->CellVisual(2, 2).kind, kCellFloor);
  for (int kind : {-1, 19, 20, kCellKindCount, 255}) EXPECT_EQ(CellModelFile(kind), nullptr) << kind;
  // Drawn on rollers, but a mine to the rules: it carries nobody.
  EXPECT_TRUE(IsMineKind(CellKindOfChar('N')));
  EXPECT_FALSE(IsRollerKind(CellKindOfChar('N')));
}

}  // namespace
