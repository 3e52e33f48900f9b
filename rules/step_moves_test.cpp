// Driving together: lines and blocked robots, lock-step commands, followers
// behind a skid on oil, rollers. Move and turn timing, and the plain oil skid,
// are kept tick for tick by the solver's golden traces.
#include <gtest/gtest.h>

#include "rules/settle.h"
#include "rules/test_levels.h"

namespace {

constexpr Direction kLeft = kDirectionLeft, kRight = kDirectionRight, kUp = kDirectionUp, kDown = kDirectionDown;

const std::vector<std::string> kRoom = {"aaaaaaaaaa", "a00000000a", "a00000000a", "a00000000a", "a00000000a",
                                        "aaaaaaaaaa"};

const std::vector<std::string> kRollerColumn = {"aaaaaaaa", "a0m0000a", "a0m0000a", "a0m0000a", "a000000a",
                                                "aaaaaaaa"};

int64_t Move(Board& board, Direction direction) {
  PlayCounter counter;
  EXPECT_TRUE(PlayMove(board, direction, counter));
  return counter.ticks;
}

// A line moves as one through free space; against a wall the front robot
// stays, and so does everyone behind it, without turning or colliding.
TEST(StepMoves, LinesOfRobotsMoveAndStopTogether) {
  auto board = MakeTestBoard(kRoom, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {1, 4}});
  Move(*board, kRight);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(board->robots[i].x, i + 2);
  for (int m = 0; m < 4; ++m) Move(*board, kRight);  // the front robot reaches the wall; the rest close up
  for (int i = 0; i < 4; ++i) EXPECT_EQ(board->robots[i].x, i + 5);
  Move(*board, kLeft);
  Move(*board, kLeft);
  Move(*board, kLeft);
  Move(*board, kLeft);  // now the back robot is against the left wall
  Move(*board, kLeft);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(board->robots[i].x, i + 1);
    EXPECT_EQ(board->robots[i].moving, 0);
  }
  EXPECT_EQ(board->robots[4].x, 1);
  EXPECT_EQ(board->GameState, 0);
}

// Lock-step: a robot standing still takes no command while another drives,
// but robots carried by rollers hold up nobody.
TEST(StepMoves, CommandsWaitForDrivingRobotsButNotForRobotsOnRollers) {
  auto board = MakeTestBoard(kRoom, {{1, 1}, {3, 4}});
  const RobotRecord& driver = board->robots[0];
  const RobotRecord& blocked = board->robots[1];  // against the bottom wall
  StepTicks(*board, 1, kDirectionDown);
  StepTicks(*board, 20);
  ASSERT_EQ(driver.moving, 1);
  EXPECT_EQ(blocked.moving, 0);
  StepTicks(*board, 5, kDirectionRight);
  EXPECT_EQ(blocked.turnRemaining, 0);
  PlayCounter counter;
  ASSERT_TRUE(SettleBoard(*board, counter));
  EXPECT_EQ(driver.y, 2);
  EXPECT_EQ(blocked.x, 3);
  EXPECT_EQ(blocked.angle, 90);

  auto rollers = MakeTestBoard(kRollerColumn, {{2, 1}, {4, 1}});
  StepTicks(*rollers, 20);  // the first robot rides the rollers
  ASSERT_EQ(rollers->robots[0].moving, 1);
  StepTicks(*rollers, 1, kDirectionDown);
  EXPECT_EQ(rollers->robots[1].moving, 1);
  ASSERT_TRUE(SettleBoard(*rollers, counter));
  EXPECT_EQ(rollers->robots[1].y, 2);
}

// The follower judges the leader's own skid: a follower that has skidded
// itself still waits behind a leader whose next move from oil will skid.
TEST(StepMoves, FollowerWaitsOnTheLeadersSkidNotItsOwn) {
  auto board = MakeTestBoard({"aaaaaaaa", "aCC0000a", "aaaaaaaa"}, {{1, 1}, {2, 1}});
  RobotRecord& follower = board->robots[0];
  RobotRecord& leader = board->robots[1];
  follower.dx = 1, follower.dy = 0, follower.angle = 180, follower.skidding = 1;
  leader.dx = 0, leader.dy = -1, leader.angle = 270;
  Move(*board, kRight);
  EXPECT_EQ(board->GameState, 0);
  EXPECT_EQ(follower.x, 1);
  EXPECT_EQ(leader.x, 2);
  EXPECT_EQ(leader.skidding, 1);
}

// Being held back passes down a line: with the front robot skidding on oil,
// the two behind it both wait, whichever way the line faces.
TEST(StepMoves, AWholeLineWaitsBehindASkid) {
  struct Line {
    Direction direction;
    CellList robots;  // the last one stands on the oil at (4, 4)
  };
  const Line lines[] = {{kRight, {{2, 4}, {3, 4}, {4, 4}}},
                        {kLeft, {{6, 4}, {5, 4}, {4, 4}}},
                        {kDown, {{4, 2}, {4, 3}, {4, 4}}},
                        {kUp, {{4, 6}, {4, 5}, {4, 4}}}};
  const std::vector<std::string> room = {"aaaaaaaaa", "a0000000a", "a0000000a", "a0000000a", "a000C000a",
                                         "a0000000a", "a0000000a", "a0000000a", "aaaaaaaaa"};
  for (const Line& line : lines) {
    auto board = MakeTestBoard(room, line.robots);
    Move(*board, line.direction);
    EXPECT_EQ(board->GameState, 0) << line.direction;
    for (int32_t i = 0; i < board->robotCount; ++i) {
      const RobotRecord& r = board->robots[i];
      bool onOil = r.x == 4 && r.y == 4;
      EXPECT_EQ(r.skidding, onOil ? 1 : 0) << line.direction;
      EXPECT_EQ(r.justArrived, onOil ? 1 : 0) << line.direction;  // the others never started
    }
    for (auto [x, y] : line.robots) {
      bool found = false;
      for (int32_t i = 0; i < board->robotCount; ++i)
        found |= board->robots[i].x == x && board->robots[i].y == y;
      EXPECT_TRUE(found) << line.direction << ": no robot left at " << x << "," << y;
    }
  }
}

TEST(StepMoves, RollersCarryAnArrivingRobotWhileOthersObey) {
  auto board = MakeTestBoard(kRollerColumn, {{2, 1}, {4, 1}});
  // The level starts with the robot on rollers having just arrived: the
  // first tick already carries it on, and the other robot obeys meanwhile.
  EXPECT_EQ(Move(*board, kRight), 3 * 62);
  EXPECT_EQ(board->robots[0].x, 2);
  EXPECT_EQ(board->robots[0].y, 4);
  EXPECT_EQ(board->robots[0].dy, 1);
  EXPECT_EQ(board->robots[1].x, 5);
}

// Where rollers stop carrying: a robot they cannot push on stops and then
// obeys; a door on rollers, once open, carries like rollers within the same
// move; cells of rollers with a mine kill and carry nobody.
TEST(StepMoves, RollersCarryOnlyWhereTheyMay) {
  auto blocked = MakeTestBoard({"aaaaaaaa", "a0m0000a", "a0m0000a", "aaaaaaaa"}, {{2, 1}});
  PlayCounter counter;
  ASSERT_TRUE(SettleBoard(*blocked, counter));
  EXPECT_EQ(blocked->robots[0].y, 2);
  EXPECT_EQ(blocked->robots[0].justArrived, 0);
  Move(*blocked, kRight);
  EXPECT_EQ(blocked->robots[0].x, 3);
  EXPECT_EQ(blocked->robots[0].y, 2);

  auto door = MakeTestBoard({"aaaaaa", "a0000a", "a0Q00a", "a0000a", "a0000a", "aaaaaa"}, {{2, 1}});
  door->cellState[2][2] = 4;
  EXPECT_EQ(Move(*door, kDown), 1 + 62 + 62);
  EXPECT_EQ(door->robots[0].y, 3);
  EXPECT_EQ(door->GameState, 0);

  auto mine = MakeTestBoard({"aaaaaa", "a0000a", "aN000a", "a0000a", "aaaaaa"}, {{1, 1}});
  Move(*mine, kDown);
  EXPECT_EQ(mine->LevelStatus(), 2);
  EXPECT_EQ(mine->robots[0].y, 2);
  EXPECT_EQ(mine->robots[0].deathKind, 1);
}

}  // namespace
