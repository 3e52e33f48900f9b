// Reading the solver's answers, including lines it should never print.
#include "solver_output.h"

#include <gtest/gtest.h>

namespace {

TEST(SolverOutputTest, ReadsEveryKindOfAnswerAndPlayOutcome) {
  SolverAnswer answer;
  ASSERT_TRUE(ParseSolverLine("level 12: solved in 5 moves: RRDLU", &answer));
  EXPECT_TRUE(answer.solved);
  EXPECT_EQ(answer.level, 12);
  EXPECT_EQ(answer.moves, 5);
  EXPECT_EQ(answer.solution, "RRDLU");
  EXPECT_EQ(answer.states, -1);

  ASSERT_TRUE(ParseSolverLine("level 7: unsolvable", &answer));
  EXPECT_TRUE(answer.unsolvable);
  EXPECT_FALSE(answer.solved);

  ASSERT_TRUE(ParseSolverLine("level 45: gave up after 500000 states", &answer));
  EXPECT_TRUE(answer.gaveUp);
  EXPECT_EQ(answer.states, 500000);

  EXPECT_FALSE(ParseSolverLine("rivet-solve: cannot read level 3", &answer));
  EXPECT_FALSE(ParseSolverLine("level 3: on fire", &answer));
  EXPECT_FALSE(ParseSolverLine("", &answer));

  // A play's outcome is its last line.
  PlayAnswer won = ParsePlayOutput("1 0 1.000,1.000,90.000,1,0\nwon after 412 ticks\n");
  EXPECT_TRUE(won.won);
  EXPECT_EQ(won.ticks, 412);
  PlayAnswer lost = ParsePlayOutput("lost after 300 ticks");
  EXPECT_TRUE(lost.lost);
  EXPECT_FALSE(lost.won);
  PlayAnswer open = ParsePlayOutput("not finished after 62 ticks\n");
  EXPECT_FALSE(open.won || open.lost);
  EXPECT_EQ(open.ticks, 62);
  EXPECT_EQ(ParsePlayOutput("garbage").ticks, -1);
}

}  // namespace
