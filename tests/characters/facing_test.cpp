// Turning toward the opponent by the sector table, along the boost, and holding the facing.
#include <gtest/gtest.h>

#include "robot_fixture.h"

namespace zk {
namespace {

using test::MakeRobot;

struct Bearing {
  int32_t right;  // opponent this far to the right
  int32_t up;     // and this far up
  int32_t facing;
};

// Bounds at 30, 60, 120, 150... degrees from up fall between whole pixels; the cases straddle
// each one.
constexpr Bearing kBearings[] = {
    {0, 10, 0},   {4, 7, 0},     {4, 6, 1},    {1, 1, 1},      {7, 5, 1},   {7, 4, 2},
    {10, 0, 2},   {7, -4, 2},    {7, -5, 3},   {1, -1, 3},     {4, -6, 3},  {4, -7, 4},
    {0, -10, 4},  {-4, -7, 4},   {-4, -6, 5},  {-1, -1, 5},    {-7, -5, 5}, {-7, -4, 6},
    {-10, 0, 6},  {-7, 4, 6},    {-7, 5, 7},   {-1, 1, 7},     {-4, 6, 7},  {-4, 7, 0},
    {3, 5000, 0}, {-3, 5000, 0}, {5000, 1, 2}, {-5000, -1, 6},
};

TEST(FaceOpponent, SectorTable) {
  for (const Bearing& b : kBearings) {
    CharacterData robot = MakeRobot();
    CharacterData other = MakeRobot();
    robot.X = 10000;
    robot.Y = 10000;
    robot.Facing = 0;
    other.X = robot.X + b.right;
    other.Y = robot.Y - b.up;
    robot.Facing = (b.facing + 4) % 8;  // start elsewhere
    EXPECT_EQ(robot.FaceOpponent(other), b.facing) << b.right << "," << b.up;
    EXPECT_EQ(robot.Facing, b.facing);
  }
}

TEST(FaceOpponent, CoincidingCentresKeepTheFacing) {
  CharacterData robot = MakeRobot();
  CharacterData other = MakeRobot();  // both at (100, 100)
  robot.Facing = 5;
  EXPECT_EQ(robot.FaceOpponent(other), 5);
}

TEST(FaceOpponent, StepThatHoldsTheFacingTurnsNothing) {
  CharacterData robot = MakeRobot();
  CharacterData other = MakeRobot();
  other.X = 300;
  robot.Facing = 7;
  for (uint8_t turn : {0, 2}) {
    robot.Step.Turn = turn;
    EXPECT_EQ(robot.FaceOpponent(other), 7);
  }
  robot.Boost = 1;
  robot.MoveCode = 20;
  EXPECT_EQ(robot.FaceOpponent(other), 7);
}

TEST(FaceOpponent, BoostFacesTheMovement) {
  const int32_t codes[] = {1, 2, 10, 11, 12, 20, 21, 22};
  const int32_t facings[] = {6, 2, 0, 7, 1, 4, 5, 3};
  CharacterData other = MakeRobot();
  other.X = 700;  // straight to the right: facing 2 when not boosting
  for (int i = 0; i < 8; ++i) {
    CharacterData robot = MakeRobot();
    robot.Boost = 1;
    robot.MoveCode = codes[i];
    EXPECT_EQ(robot.FaceOpponent(other), facings[i]) << codes[i];
  }
  for (int32_t code : {0, 3, 13}) {
    CharacterData robot = MakeRobot();
    robot.Boost = 1;
    robot.Facing = 4;
    robot.MoveCode = code;
    EXPECT_EQ(robot.FaceOpponent(other), 4) << code;
  }
  // Any non-zero Boost counts here.
  CharacterData robot = MakeRobot();
  robot.Boost = 3;
  robot.MoveCode = 1;
  EXPECT_EQ(robot.FaceOpponent(other), 6);
}

}  // namespace
}  // namespace zk
