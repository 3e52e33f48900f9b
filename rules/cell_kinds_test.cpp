// The cell vocabulary: lookups at and beyond the board's edges, and the
// groups that decide what the rules do with a cell.
#include <gtest/gtest.h>

#include "rules/board.h"
#include "rules/cell_kinds.h"

namespace {

TEST(CellKinds, KindAtIsMinusOneOffTheBoardOnly) {
  auto board = std::make_unique<Board>();
  board->cellChars[17][11] = 'O';
  EXPECT_EQ(board->CellKindAt(18, 0), -1);
  EXPECT_EQ(board->CellKindAt(-1, 5), -1);
  EXPECT_EQ(board->CellKindAt(3, 12), -1);
  EXPECT_EQ(board->CellKindAt(17, 11), kCellClonerEntrance);
  EXPECT_EQ(board->CellKindAt(0, 0), kCellFloor);  // NUL is not in the table
}

TEST(CellKinds, VisualGivesKindAndModelAngle) {
  auto board = std::make_unique<Board>();
  board->cellChars[1][2] = 'k';
  board->cellChars[2][2] = '~';
  board->cellChars[3][2] = 'T';
  EXPECT_EQ(board->CellVisual(1, 2).kind, kCellWall2);
  EXPECT_EQ(board->CellVisual(1, 2).angle, 270);
  EXPECT_EQ(board->CellVisual(2, 2).kind, kCellFloor);
  EXPECT_EQ(board->CellVisual(2, 2).angle, 0);
  EXPECT_EQ(board->CellVisual(3, 2).kind, kCellRedDoorRollers);
  EXPECT_EQ(board->CellVisual(3, 2).angle, 90);
}

TEST(CellKinds, InterchangeableCharactersShareKindAndAngle) {
  const char* groups[] = {"fUV", "gXW", "mu", "lnv", "os", "pt"};
  for (const char* group : groups) {
    for (const char* c = group + 1; *c != 0; ++c) {
      EXPECT_EQ(CellKindOfChar(*c), CellKindOfChar(group[0])) << *c;
      EXPECT_EQ(CellAngleOfChar(*c), CellAngleOfChar(group[0])) << *c;
    }
  }
}

TEST(CellKinds, GroupsFollowTheRules) {
  // Roller-and-mine cells kill like mines and carry nobody.
  EXPECT_TRUE(IsMineKind(CellKindOfChar('N')));
  EXPECT_TRUE(IsMineKind(CellKindOfChar('M')));
  EXPECT_FALSE(IsRollerKind(CellKindOfChar('N')));
  // Doors on rollers are both.
  for (char c : {'Q', 'R'}) {
    EXPECT_TRUE(IsBlueDoorKind(CellKindOfChar(c)));
    EXPECT_TRUE(IsRollerKind(CellKindOfChar(c)));
  }
  for (char c : {'S', 'T', 'z', 'A'}) EXPECT_TRUE(IsRedDoorKind(CellKindOfChar(c)));
  for (char c : {'a', 'h', 'g', 'e'}) EXPECT_TRUE(IsWallKind(CellKindOfChar(c)));
  int rollers = 0;
  for (int k = 0; k < kCellKindCount; ++k) rollers += IsRollerKind(k) ? 1 : 0;
  EXPECT_EQ(rollers, 8);
  EXPECT_EQ(CellModelFile(19), nullptr);
  EXPECT_STREQ(CellModelFile(kCellBlueDoorRollers), "data/k00 rolki1 drzwi1.VXM");
  EXPECT_EQ(CellModelFile(40), nullptr);
}

}  // namespace
