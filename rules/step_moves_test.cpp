// Driving and turning: move and turn timing, lock-step with blocked robots,
// chains, oil skids with a follower waiting, rollers.
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

TEST(StepMoves, MovesTakeSixtyTwoTicksAfterTheCommandAndTurnsThreeDegreesATick) {
  auto board = MakeTestBoard(kRoom, {{1, 1}});
  const RobotRecord& r = board->robots[0];
  EXPECT_EQ(Move(*board, kDown), 1 + 62);
  EXPECT_EQ(r.y, 2);
  EXPECT_EQ(r.angle, 90);
  EXPECT_EQ(Move(*board, kRight), 1 + 30 + 62);  // quarter turn first
  EXPECT_EQ(r.x, 2);
  EXPECT_EQ(r.angle, 180);
  EXPECT_EQ(Move(*board, kLeft), 1 + 60 + 62);  // half turn
  EXPECT_EQ(r.x, 1);
  EXPECT_EQ(r.angle, 360);
  EXPECT_EQ(Move(*board, kUp), 1 + 30 + 62);
  EXPECT_EQ(r.angle, 270);
  EXPECT_EQ(r.y, 1);
  // Facing up and commanded right: turns back from 270 to 180, then drives on its own.
  StepTicks(*board, 1, kDirectionRight);
  StepTicks(*board, 15);
  EXPECT_EQ(r.angle, 225);
  EXPECT_EQ(r.dx, 1);
  StepTicks(*board, 15);
  EXPECT_EQ(r.angle, 180);
  EXPECT_EQ(r.moving, 1);
  StepTicks(*board, 1);   // the move starts, still in place
  EXPECT_EQ(r.x, 1);
  StepTicks(*board, 31);  // half way
  EXPECT_FLOAT_EQ(r.x, 1.5f);
  StepTicks(*board, 30);
  EXPECT_EQ(r.x, 2);
  EXPECT_EQ(r.moving, 0);
  EXPECT_EQ(r.justArrived, 1);
}

// Which way a robot turns, for every facing and command: half way through a
// quarter turn (15 ticks) it has turned 45 degrees, half way through a half
// turn 90, in the sense the turn table gives.
TEST(StepMoves, TurnsGoTheWayTheTurnTableSays) {
  struct Turn {
    Direction from, to;
    float halfWay;  // angle after 15 ticks (quarter) or 30 ticks (half)
  };
  // Facing angles: left 0, down 90, right 180, up 270.
  const Turn turns[] = {{kRight, kLeft, 270}, {kDown, kLeft, 45},   {kUp, kLeft, 315},
                        {kLeft, kRight, -90}, {kDown, kRight, 135}, {kUp, kRight, 225},
                        {kRight, kUp, 225},   {kDown, kUp, 180},    {kLeft, kUp, -45},
                        {kRight, kDown, 135}, {kUp, kDown, 180},    {kLeft, kDown, 45}};
  for (const Turn& t : turns) {
    auto board = MakeTestBoard({"aaa", "a0a", "aaa"}, {{1, 1}});  // walled in: turns, never drives
    Move(*board, t.from);
    const RobotRecord& r = board->robots[0];
    bool half = t.from + t.to == kLeft + kRight || t.from + t.to == kUp + kDown;
    StepTicks(*board, 1, t.to);
    StepTicks(*board, half ? 30 : 15);
    EXPECT_FLOAT_EQ(r.angle, t.halfWay) << t.from << " to " << t.to;
  }
}

TEST(StepMoves, AnglesStayWithinOneTurnAfterManyTurns) {
  auto board = MakeTestBoard(kRoom, {{4, 2}});
  const Direction turns[] = {kLeft, kUp, kRight, kDown, kLeft, kUp, kRight, kDown, kLeft, kUp};
  for (Direction direction : turns) {
    Move(*board, direction);
    EXPECT_GE(board->robots[0].angle, -360);
    EXPECT_LE(board->robots[0].angle, 360);
  }
  // Every quarter turn so far went the short way round: 90 - 10 * 90, wrapped.
  EXPECT_EQ(static_cast<int>(board->robots[0].angle + 720) % 360, 270);
}

TEST(StepMoves, RobotsBehindABlockedRobotStayToo) {
  auto board = MakeTestBoard(kRoom, {{1, 1}, {2, 1}, {1, 3}});
  Move(*board, kLeft);
  for (int i : {0, 1}) {
    EXPECT_EQ(board->robots[i].angle, 0);
    EXPECT_EQ(board->robots[i].moving, 0);
    EXPECT_EQ(board->robots[i].justArrived, 0);
  }
  EXPECT_EQ(board->robots[0].x, 1);
  EXPECT_EQ(board->robots[1].x, 2);
  EXPECT_EQ(board->robots[2].x, 1);
  EXPECT_EQ(board->GameState, 0);
}

TEST(StepMoves, ChainsMoveTogetherThroughFreeSpace) {
  auto board = MakeTestBoard(kRoom, {{1, 2}, {2, 2}, {3, 2}, {4, 2}});
  Move(*board, kRight);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(board->robots[i].x, i + 2);
  Move(*board, kRight);
  Move(*board, kRight);
  Move(*board, kRight);  // the front robot reaches the wall; the rest close up behind
  Move(*board, kRight);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(board->robots[i].x, i + 5);
  EXPECT_EQ(board->GameState, 0);
}

TEST(StepMoves, NoNewCommandWhileARobotDrives) {
  auto board = MakeTestBoard(kRoom, {{1, 1}});
  StepTicks(*board, 1, kDirectionDown);
  StepTicks(*board, 10);
  StepTicks(*board, 5, kDirectionRight);
  PlayCounter counter;
  ASSERT_TRUE(SettleBoard(*board, counter));
  EXPECT_EQ(board->robots[0].y, 2);
  EXPECT_EQ(board->robots[0].angle, 90);
  EXPECT_EQ(board->robots[0].dy, 1);
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

TEST(StepMoves, OilSkidsTheFirstMoveAndTheFollowerWaits) {
  auto board = MakeTestBoard({"aaaaaaaa", "a0C0000a", "aaaaaaaa"}, {{1, 1}, {2, 1}});
  const RobotRecord& follower = board->robots[0];
  const RobotRecord& leader = board->robots[1];
  EXPECT_EQ(Move(*board, kRight), 1 + 30 + 62);
  EXPECT_EQ(leader.x, 2);  // skidded in place
  EXPECT_EQ(leader.skidding, 1);
  EXPECT_EQ(follower.x, 1);  // waited behind it
  EXPECT_EQ(board->GameState, 0);
  Move(*board, kRight);
  EXPECT_EQ(leader.x, 3);
  EXPECT_EQ(leader.skidding, 0);
  EXPECT_EQ(follower.x, 1);  // a robot still marked skidding cannot be followed
  Move(*board, kRight);
  EXPECT_EQ(leader.x, 4);
  EXPECT_EQ(follower.x, 2);
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

TEST(StepMoves, ABlockedRobotOnRollersStopsThenObeys) {
  auto board = MakeTestBoard({"aaaaaaaa", "a0m0000a", "a0m0000a", "aaaaaaaa"}, {{2, 1}});
  PlayCounter counter;
  ASSERT_TRUE(SettleBoard(*board, counter));
  EXPECT_EQ(board->robots[0].y, 2);
  EXPECT_EQ(board->robots[0].justArrived, 0);
  Move(*board, kRight);
  EXPECT_EQ(board->robots[0].x, 3);
  EXPECT_EQ(board->robots[0].y, 2);
}

// A door on rollers, once open, carries a robot on like any rollers, within
// the same move.
TEST(StepMoves, OpenDoorsOnRollersCarryRobotsOn) {
  auto board = MakeTestBoard({"aaaaaa", "a0000a", "a0Q00a", "a0000a", "a0000a", "aaaaaa"}, {{2, 1}});
  board->cellState[2][2] = 4;
  EXPECT_EQ(Move(*board, kDown), 1 + 62 + 62);
  EXPECT_EQ(board->robots[0].y, 3);
  EXPECT_EQ(board->GameState, 0);
}

TEST(StepMoves, RollersPushIntoAnOccupiedCellAndBothExplode) {
  auto board = MakeTestBoard({"aaaaaa", "a0m00a", "a0m00a", "a0000a", "aaaaaa"}, {{2, 1}, {2, 3}});
  PlayCounter counter;
  ASSERT_TRUE(SettleBoard(*board, counter));
  EXPECT_EQ(board->LevelStatus(), 2);
  EXPECT_EQ(board->robots[0].deathKind, 1);
  EXPECT_EQ(board->robots[1].deathKind, 1);
  EXPECT_EQ(board->robots[0].y, 3);
}

TEST(StepMoves, RollerMinesKillAndCarryNobody) {
  auto board = MakeTestBoard({"aaaaaa", "a0000a", "aN000a", "a0000a", "aaaaaa"}, {{1, 1}});
  Move(*board, kDown);
  EXPECT_EQ(board->LevelStatus(), 2);
  EXPECT_EQ(board->robots[0].y, 2);
  EXPECT_EQ(board->robots[0].deathKind, 1);
}

}  // namespace
