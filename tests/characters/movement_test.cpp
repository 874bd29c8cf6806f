// Speeds, boost energy, knock-back, collision with the opponent and the playfield's bounds.
#include <gtest/gtest.h>

#include <vector>

#include "characters/body_box.h"
#include "robot_fixture.h"

namespace zk {
namespace {

using test::MakeRobot;

// Cell values that tell group, level and component apart: walk 1gl0 / 1gl1, boost 2gl0 / 2gl1
// (group g, level l), except level 0 which is 0 as in every real table.
void FillSpeeds(CharacterData& robot, int32_t decay_interval) {
  for (int facing = 0; facing < 8; ++facing) {
    for (int g = 0; g < 8; ++g) {
      for (int l = 0; l < 4; ++l) {
        for (int c = 0; c < 2; ++c) {
          const int32_t v = l == 0 ? 0 : g * 100 + l * 10 + c;
          robot.WalkSpeed.Rows[facing].Speed[g][l][c] = 1000 + v;
          robot.BoostSpeed.Rows[facing].Speed[g][l][c] = 2000 + v;
          if (l == 0) {
            robot.WalkSpeed.Rows[facing].Speed[g][l][c] = 0;
            robot.BoostSpeed.Rows[facing].Speed[g][l][c] = 0;
          }
        }
      }
    }
    robot.WalkSpeed.Rows[facing].DecayInterval = decay_interval;
    robot.BoostSpeed.Rows[facing].DecayInterval = 99;  // never read
  }
}

// An opponent far away in the corner, out of every test's path.
CharacterData FarOpponent() {
  CharacterData other = MakeRobot();
  other.X = 790;
  other.Y = 590;
  other.Status.HalfWidth = 1;
  other.Status.HalfHeight = 1;
  return other;
}

TEST(BodyBox, TouchingBoxesDoNotOverlap) {
  const BodyBox a = BoxAround(100, 100, 20, 20);               // 80..120
  EXPECT_FALSE(BoxesOverlap(a, BoxAround(140, 100, 20, 20)));  // left edge 120 = right edge
  EXPECT_TRUE(BoxesOverlap(a, BoxAround(139, 100, 20, 20)));
  EXPECT_FALSE(BoxesOverlap(a, BoxAround(100, 140, 20, 20)));
  EXPECT_TRUE(BoxesOverlap(a, BoxAround(100, 139, 20, 20)));
  EXPECT_FALSE(BoxesOverlap(a, BoxAround(140, 140, 20, 20)));  // corners touch
  EXPECT_TRUE(BoxesOverlap(a, BoxAround(100, 100, 1, 1)));     // inside
  EXPECT_FALSE(BoxesOverlap(a, BoxAround(100, 100, 0, 0)));    // an empty box
}

TEST(SpeedUpdate, DrivenFieldsTakeTheirOwnLevelsCells) {
  struct Case {
    int32_t move_code;
    int32_t left, right, up, down;  // expected speeds
  };
  // Levels: left 1, right 3, up 2, down 1 (the routine reads whatever the fields hold).
  const Case cases[] = {
      {1, 1110, 0, 0, 0},     {2, 0, 1030, 0, 0},  {10, 0, 0, 1221, 0},    {11, 1410, 0, 1421, 0},
      {12, 0, 1330, 1321, 0}, {20, 0, 0, 0, 1511}, {21, 1610, 0, 0, 1611}, {22, 0, 1730, 0, 1711},
  };
  for (const Case& c : cases) {
    CharacterData robot = MakeRobot();
    FillSpeeds(robot, 1000);
    robot.LevelLeft = 1;
    robot.LevelRight = 3;
    robot.LevelUp = 2;
    robot.LevelDown = 1;
    robot.MoveCode = c.move_code;
    robot.UpdateWalkSpeeds();
    EXPECT_EQ(robot.SpeedLeft, c.left) << c.move_code;
    EXPECT_EQ(robot.SpeedRight, c.right) << c.move_code;
    EXPECT_EQ(robot.SpeedUp, c.up) << c.move_code;
    EXPECT_EQ(robot.SpeedDown, c.down) << c.move_code;
  }
}

TEST(SpeedUpdate, FacingPicksTheRowAndBoostReadsItsOwnTable) {
  CharacterData robot = MakeRobot();
  FillSpeeds(robot, 1000);
  robot.WalkSpeed.Rows[5].Speed[kGroupRight][2][0] = 77;
  robot.BoostSpeed.Rows[5].Speed[kGroupRight][2][0] = 88;
  robot.Facing = 5;
  robot.MoveCode = 2;
  robot.LevelRight = 2;
  robot.UpdateWalkSpeeds();
  EXPECT_EQ(robot.SpeedRight, 77);
  robot.UpdateBoostSpeeds();
  EXPECT_EQ(robot.SpeedRight, 88);
}

TEST(SpeedUpdate, ReleasedSpeedDecaysOncePerInterval) {
  CharacterData robot = MakeRobot();
  FillSpeeds(robot, 2);
  robot.SpeedRight = 7;
  robot.SpeedUp = 3;
  robot.MoveCode = 0;
  std::vector<int32_t> right;
  for (int i = 0; i < 6; ++i) {
    robot.UpdateWalkSpeeds();
    right.push_back(robot.SpeedRight);
  }
  EXPECT_EQ(right, (std::vector<int32_t>{7, 6, 6, 5, 5, 4}));
  EXPECT_EQ(robot.SpeedUp, 0);  // no lower than 0

  // The boost update decays by the walk table's facing-0 interval too.
  CharacterData boosting = MakeRobot();
  FillSpeeds(boosting, 1);
  boosting.SpeedLeft = 4;
  boosting.MoveCode = 2;
  boosting.LevelRight = 1;
  boosting.UpdateBoostSpeeds();
  EXPECT_EQ(boosting.SpeedLeft, 3);
  EXPECT_EQ(boosting.SpeedRight, 2010);  // driven: no decay
}

TEST(SpeedUpdate, UnknownMoveCodeOrFacingChangesNoSpeed) {
  for (int32_t facing : {0, 8, -1}) {
    CharacterData robot = MakeRobot();
    FillSpeeds(robot, 1);
    robot.Facing = facing;
    robot.MoveCode = facing == 0 ? 13 : 2;
    robot.LevelRight = 1;
    robot.SpeedRight = 5;
    robot.SpeedLeft = 5;
    robot.UpdateWalkSpeeds();
    EXPECT_EQ(robot.SpeedRight, 5);
    EXPECT_EQ(robot.SpeedLeft, 5);
  }
}

TEST(MoveAndCollide, StepThatMayNotMoveStopsDeadAndRefills) {
  for (uint8_t move : {0, 2}) {  // only 1 counts as set
    CharacterData robot = MakeRobot();
    FillSpeeds(robot, 1);
    robot.Step.Move = move;
    robot.Action = 6;  // not even knocked back
    robot.SpeedRight = 9;
    robot.LevelRight = 3;
    robot.Boost = 1;
    robot.Energy = 100;
    robot.MoveCycle = 4;
    robot.X = 300;
    robot.MoveAndCollide(FarOpponent());
    EXPECT_EQ(robot.SpeedRight, 0) << int{move};
    EXPECT_EQ(robot.LevelRight, 0) << int{move};
    EXPECT_EQ(robot.Energy, 104) << int{move};
    EXPECT_EQ(robot.MoveCycle, 4) << int{move};
    EXPECT_EQ(robot.X, 300) << int{move};
  }
}

TEST(MoveAndCollide, MoveCycleRunsOneToEight) {
  CharacterData robot = MakeRobot();
  robot.MoveCycle = 7;
  std::vector<int32_t> seen;
  for (int i = 0; i < 3; ++i) {
    robot.MoveAndCollide(FarOpponent());
    seen.push_back(robot.MoveCycle);
  }
  EXPECT_EQ(seen, (std::vector<int32_t>{8, 1, 2}));
}

// Energy before each frame's cost while boost is held from full, then refilling.
TEST(MoveAndCollide, BoostEnergyRunsDownToTwoAndRefillsToTheMaximum) {
  CharacterData robot = MakeRobot();
  FillSpeeds(robot, 1000);
  robot.Status.MaxEnergy = 450;
  robot.Energy = 450;
  robot.Boost = 1;
  robot.MoveCode = 2;
  robot.LevelRight = 1;
  robot.X = 100;
  std::vector<int32_t> before;
  std::vector<bool> boosted;
  for (int i = 0; i < 120; ++i) {
    before.push_back(robot.Energy);
    robot.X = 100;
    robot.MoveAndCollide(FarOpponent());
    boosted.push_back(robot.SpeedRight == 2010);
  }
  EXPECT_EQ(before[0], 450);
  EXPECT_EQ(before[99], 54);
  EXPECT_TRUE(boosted[99]);
  EXPECT_EQ(before[100], 50);
  EXPECT_FALSE(boosted[100]);
  EXPECT_EQ(before[111], 6);
  EXPECT_EQ(before[112], 2);
  EXPECT_EQ(before[119], 2);

  robot.Boost = 0;
  int32_t last = 0;
  for (int i = 0; i < 200; ++i) {
    robot.MoveAndCollide(FarOpponent());
    last = robot.Energy;
  }
  EXPECT_EQ(last, 450);
}

TEST(MoveAndCollide, EnergyStepsAtTheEdges) {
  struct Case {
    int32_t energy, max, boost;
    int32_t after;
    bool boost_speed;
  };
  const Case cases[] = {
      {52, 400, 1, 48, true},    {48, 400, 1, 44, false},   {4, 400, 1, 4, false},
      {5, 400, 1, 1, false},     {398, 400, 0, 402, false}, {402, 400, 0, 402, false},
      {399, 400, 0, 399, false}, {100, 400, 2, 104, false},  // only Boost 1 boosts here
  };
  for (const Case& c : cases) {
    CharacterData robot = MakeRobot();
    FillSpeeds(robot, 1000);
    robot.Status.MaxEnergy = c.max;
    robot.Energy = c.energy;
    robot.Boost = c.boost;
    robot.MoveCode = 2;
    robot.LevelRight = 1;
    robot.MoveAndCollide(FarOpponent());
    EXPECT_EQ(robot.Energy, c.after) << c.energy;
    EXPECT_EQ(robot.SpeedRight == 2010, c.boost_speed) << c.energy;
  }
}

TEST(MoveAndCollide, EachAxisStopsStrictlyInsideThePlayfield) {
  struct Case {
    int32_t x, y, right, down, left, up;
    int32_t nx, ny;
  };
  const Case cases[] = {
      {798, 300, 5, 3, 0, 0, 798, 303},  // x would leave, y still moves
      {795, 300, 4, 0, 0, 0, 799, 300}, {795, 300, 5, 0, 0, 0, 795, 300},  // 800 is outside
      {4, 597, 0, 3, 4, 0, 4, 597},  // x 0 and y 600 are outside
      {5, 5, 0, 0, 4, 4, 1, 1},
  };
  for (const Case& c : cases) {
    CharacterData robot = MakeRobot();
    robot.X = c.x;
    robot.Y = c.y;
    robot.SpeedRight = c.right;
    robot.SpeedDown = c.down;
    robot.SpeedLeft = c.left;
    robot.SpeedUp = c.up;
    robot.WalkSpeed.Rows[0].DecayInterval = 1000;
    CharacterData other = MakeRobot();
    other.X = 400;
    other.Y = 300;
    robot.MoveAndCollide(other);
    EXPECT_EQ(robot.X, c.nx) << c.x << "," << c.y;
    EXPECT_EQ(robot.Y, c.ny) << c.x << "," << c.y;
  }
}

TEST(MoveAndCollide, OverlapRefusesTheWholeMoveButTouchingIsAllowed) {
  CharacterData other = MakeRobot();  // half size 20
  other.X = 200;
  other.Y = 100;

  CharacterData robot = MakeRobot();
  robot.WalkSpeed.Rows[0].DecayInterval = 1000;
  robot.X = 150;  // box right edge 170; touching at 160
  robot.Y = 100;
  robot.SpeedRight = 10;
  robot.SpeedDown = 0;
  robot.MoveAndCollide(other);
  EXPECT_EQ(robot.X, 160);

  robot.X = 150;
  robot.SpeedRight = 11;
  robot.SpeedDown = 5;
  robot.MoveAndCollide(other);
  EXPECT_EQ(robot.X, 150);
  EXPECT_EQ(robot.Y, 100);          // neither axis moves
  EXPECT_EQ(robot.SpeedRight, 11);  // speeds are kept

  // Moving away but still overlapping is refused too.
  robot.X = 190;
  robot.Y = 100;
  robot.SpeedRight = 0;
  robot.SpeedDown = 0;
  robot.SpeedLeft = 3;
  robot.MoveAndCollide(other);
  EXPECT_EQ(robot.X, 190);
}

TEST(MoveAndCollide, KnockBackAddsToTheSpeedsInTheHitReaction) {
  const int32_t dx[8] = {0, 15, 15, 15, 0, -15, -15, -15};
  const int32_t dy[8] = {-12, -12, 0, 12, 12, 12, 0, -12};
  for (int32_t dir = 0; dir < 8; ++dir) {
    CharacterData robot = MakeRobot();
    robot.WalkSpeed.Rows[0].DecayInterval = 1000;
    robot.X = 400;
    robot.Y = 300;
    robot.Action = 6;
    robot.KnockbackDir = dir;
    robot.SpeedLeft = 6;
    robot.MoveAndCollide(FarOpponent());
    EXPECT_EQ(robot.X, 400 - 6 + dx[dir]) << dir;
    EXPECT_EQ(robot.Y, 300 + dy[dir]) << dir;
  }
}

TEST(MoveAndCollide, NoKnockBackOutsideTheReactionOrTheEightDirections) {
  for (int32_t dir : {8, -1, 1000}) {
    CharacterData robot = MakeRobot();
    robot.X = 400;
    robot.Y = 300;
    robot.Action = 6;
    robot.KnockbackDir = dir;
    robot.MoveAndCollide(FarOpponent());
    EXPECT_EQ(robot.X, 400);
    EXPECT_EQ(robot.Y, 300);
  }
  CharacterData robot = MakeRobot();
  robot.X = 400;
  robot.Action = 1;
  robot.KnockbackDir = 2;
  robot.MoveAndCollide(FarOpponent());
  EXPECT_EQ(robot.X, 400);
}

}  // namespace
}  // namespace zk
