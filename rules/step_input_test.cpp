// Input and camera within a step: digits freeze the board while looking
// through a robot, Ctrl tilts the overview; and the movement tests CanEnter
// and CanEnterIgnoringRobots.
#include <gtest/gtest.h>

#include "rules/settle.h"
#include "rules/test_levels.h"

namespace {

StepInput Digit(int digit, Direction direction = kNoDirection) {
  StepInput input = CommandInput(direction);
  input.digitsHeld = static_cast<uint16_t>(1 << digit);
  input.viewLeft = direction == kDirectionLeft;
  return input;
}

const std::vector<std::string> kRoom = {"aaaaaaaa", "a000000a", "a000000a", "a000000a", "aaaaaaaa"};

// Digits look through a robot (one past the robot count falls back to the
// overview) and freeze the board; arrows then turn the view, not the robots.
TEST(StepInput, LookingThroughARobotFreezesTheWholeBoard) {
  auto board = MakeTestBoard(kRoom, {{1, 1}, {3, 1}, {5, 2}});
  StepTicks(*board, 1, Digit(5));
  EXPECT_EQ(board->CameraMode, 0);
  StepTicks(*board, 1, kDirectionDown);
  StepTicks(*board, 20);
  auto before = std::make_unique<Board>(*board);
  StepTicks(*board, 50, Digit(2));
  EXPECT_EQ(board->CameraMode, 2);
  EXPECT_EQ(board->exitAnim, before->exitAnim);
  EXPECT_EQ(board->robots[0].y, before->robots[0].y);
  EXPECT_EQ(board->robots[1].moveCountdown, before->robots[1].moveCountdown);
  const float straightAhead = board->lookAt[1];
  StepTicks(*board, 90, Digit(2, kDirectionLeft));
  EXPECT_EQ(board->robotViewYaw, 90);
  EXPECT_NE(board->lookAt[1], straightAhead);
  EXPECT_EQ(board->robots[0].dx, 0);  // arrows turn the view, not the robots
  StepTicks(*board, 1, Digit(3));  // another robot's view starts looking straight ahead
  EXPECT_EQ(board->CameraMode, 3);
  EXPECT_EQ(board->robotViewYaw, 0);

  StepTicks(*board, 1, Digit(0));
  EXPECT_EQ(board->CameraMode, 0);
  PlayCounter counter;
  ASSERT_TRUE(SettleBoard(*board, counter));
  EXPECT_EQ(board->robots[0].y, 2);
}

// Ctrl held: Up and Down tilt, and the direction and digits that come with
// them are not obeyed.
TEST(StepInput, CtrlTiltsTheOverviewWithinItsRangeAndGivesNoDirection) {
  auto board = MakeTestBoard(kRoom, {{1, 1}});
  StepInput tilt = Digit(1, kDirectionDown);
  tilt.tilting = true;
  tilt.tiltUp = true;
  StepTicks(*board, 40, tilt);
  EXPECT_EQ(board->pitch, -10);
  EXPECT_EQ(board->CameraMode, 0);
  StepTicks(*board, 400, tilt);
  EXPECT_EQ(board->pitch, -45);
  EXPECT_LT(board->eyeHeight, 0);
  tilt.tiltUp = false;
  tilt.tiltDown = true;
  StepTicks(*board, 400, tilt);
  EXPECT_EQ(board->pitch, 0);
  EXPECT_EQ(board->eyeDistance, 50);
  EXPECT_EQ(board->robots[0].y, 1);  // Ctrl+Down moved nobody
  EXPECT_EQ(board->robots[0].moving, 0);
}

TEST(StepInput, CanEnterChecksEdgesWallsDoorsAndTheRobotsAhead) {
  auto board = MakeTestBoard({"aaaaaaa", "a00w00a", "a00000a"}, {{1, 1}, {2, 1}});
  EXPECT_FALSE(board->CanEnter(-1, 2, 0));
  EXPECT_FALSE(board->CanEnter(18, 2, 0));
  EXPECT_FALSE(board->CanEnter(2, 12, 0));
  EXPECT_TRUE(board->CanEnter(17, 11, 0));
  EXPECT_FALSE(board->CanEnter(0, 1, 0));
  EXPECT_TRUE(board->CanEnter(0, 1, 101));  // past the depth cut nothing is checked
  float& door = board->cellState[3][1];
  for (float state : {0.0f, -4.0f, 3.75f, -0.25f}) {
    door = state;
    EXPECT_FALSE(board->CanEnter(3, 1, 0)) << state;
  }
  for (float state : {4.0f, -1000.0f}) {
    door = state;
    EXPECT_TRUE(board->CanEnter(3, 1, 0)) << state;
  }
  // Robots face down at the start: each can move on, so its cell can be entered.
  EXPECT_TRUE(board->CanEnter(2, 1, 0));
  board->robots[1].dy = -1;  // now it faces the wall
  EXPECT_FALSE(board->CanEnter(2, 1, 0));
  EXPECT_TRUE(board->CanEnterIgnoringRobots(2, 1, 0));
  board->robots[1].dy = 1;
  board->robots[1].skidding = 1;
  EXPECT_FALSE(board->CanEnter(2, 1, 0));
  board->robots[1].active = 0;
  EXPECT_TRUE(board->CanEnter(2, 1, 0));
}

}  // namespace
