// The shots' movement kinds, each on its own.
#include "weapons/shot_moves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/dir_table.h"

namespace zk {
namespace {

ShotData ShotAt(double x, double y, int32_t dir, double speed) {
  ShotData s;
  s.Active = 1;
  s.X = x;
  s.Y = y;
  s.AX = x;
  s.AY = y;
  s.Dir = dir;
  s.DX = DirTable[dir].dx;
  s.DY = DirTable[dir].dy;
  s.Speed = speed;
  return s;
}

MoveContext TargetAt(double x, double y) {
  MoveContext c;
  c.HasTarget = true;
  c.TargetX = x;
  c.TargetY = y;
  return c;
}

// Runs a routine for n frames the way the slot does: move, then count the frame.
bool Frames(MoveRoutine move, ShotData& s, const ShotPhaseData& p, const MoveContext& c, int n) {
  bool ended = false;
  for (int i = 0; i < n && !ended; ++i) {
    ended = move(s, p, c);
    ++s.Tick;
  }
  return ended;
}

TEST(Direction8, SectorsMatchTheRobotsTurning) {
  struct Case {
    double dx, dy;
    int32_t dir;
  } cases[] = {
      {0, -5, 0}, {5, 0, 2},  {0, 5, 4},   {-5, 0, 6},  {4, -7, 0}, {4, -6, 1}, {7, -5, 1},
      {7, -4, 2}, {1, -1, 1}, {-7, -4, 6}, {-4, -7, 0}, {3, 3, 3},  {-3, 3, 5}, {-1, -1, 7},
  };
  for (const Case& c : cases) EXPECT_EQ(Direction8(c.dx, c.dy, 9), c.dir) << c.dx << "," << c.dy;
  EXPECT_EQ(Direction8(0, 0, 5), 5);  // no direction: keep
}

TEST(TurnToward, OneStepTheShorterWay) {
  EXPECT_EQ(TurnToward(2, 4), 3);
  EXPECT_EQ(TurnToward(2, 0), 1);
  EXPECT_EQ(TurnToward(7, 1), 0);
  EXPECT_EQ(TurnToward(1, 7), 0);
  EXPECT_EQ(TurnToward(3, 3), 3);
  EXPECT_EQ(TurnToward(0, 4), 1);  // opposite: clockwise
}

TEST(MoveKinds, StillStaysPut) {
  ShotData s = ShotAt(100, 100, 2, 5);
  EXPECT_FALSE(Frames(MoveStill, s, {}, TargetAt(0, 0), 10));
  EXPECT_EQ(s.X, 100);
  EXPECT_EQ(s.Y, 100);
}

TEST(MoveKinds, StraightUsesTheDirectionVectorsAsWritten) {
  ShotData up = ShotAt(100, 100, 0, 10);
  Frames(MoveStraight, up, {}, {}, 2);
  EXPECT_DOUBLE_EQ(up.Y, 100 - 2 * 7.5);  // the vertical vector is 0.75 long
  ShotData diag = ShotAt(100, 100, 3, 10);
  Frames(MoveStraight, diag, {}, {}, 1);
  EXPECT_DOUBLE_EQ(diag.X, 100 + 7.0711);
  EXPECT_DOUBLE_EQ(diag.Y, 100 + 5.25825);
}

TEST(MoveKinds, AccelerateGainsSpeedUpToTheTop) {
  ShotPhaseData p;
  p.Accel = 2;
  p.MaxSpeed = 7;
  ShotData s = ShotAt(0, 0, 2, 1);
  Frames(MoveAccelerate, s, p, {}, 1);
  EXPECT_DOUBLE_EQ(s.Speed, 3);
  EXPECT_DOUBLE_EQ(s.X, 3);
  Frames(MoveAccelerate, s, p, {}, 5);
  EXPECT_DOUBLE_EQ(s.Speed, 7);
  ShotPhaseData slow;
  slow.Accel = -5;
  Frames(MoveAccelerate, s, slow, {}, 3);
  EXPECT_DOUBLE_EQ(s.Speed, 0);  // never backward
}

TEST(MoveKinds, HomingTurnsOneStepEachPeriodTowardTheTarget) {
  ShotPhaseData p;
  p.Param = 3;
  ShotData s = ShotAt(100, 100, 2, 1);
  const MoveContext below = TargetAt(100, 500);
  Frames(MoveHoming, s, p, below, 3);  // ticks 0..2: no turn yet
  EXPECT_EQ(s.Dir, 2);
  Frames(MoveHoming, s, p, below, 1);  // tick 3
  EXPECT_EQ(s.Dir, 3);
  Frames(MoveHoming, s, p, below, 3);  // tick 6
  EXPECT_EQ(s.Dir, 4);
  EXPECT_DOUBLE_EQ(s.DY, 0.75);
  Frames(MoveHoming, s, p, below, 9);  // on course: no more turning
  EXPECT_EQ(s.Dir, 4);
}

TEST(MoveKinds, LobArcsAndComesDownAtTheEndOfItsLife) {
  ShotPhaseData p;
  p.Life = 20;
  p.Param = 50;
  p.Accel = -0.5;
  ShotData s = ShotAt(0, 0, 2, 10);
  Frames(MoveLob, s, p, {}, 10);
  EXPECT_NEAR(s.Z, 50, 0.01);  // top of the arc halfway
  Frames(MoveLob, s, p, {}, 10);
  EXPECT_NEAR(s.Z, 0, 1e-9);
  EXPECT_DOUBLE_EQ(s.Speed, 0);
  EXPECT_NEAR(
      s.X,
      9.5 + 9 + 8.5 + 8 + 7.5 + 7 + 6.5 + 6 + 5.5 + 5 + 4.5 + 4 + 3.5 + 3 + 2.5 + 2 + 1.5 + 1 + 0.5,
      1e-9);
}

TEST(MoveKinds, WaitingMineSettlesArmsAndGoesOffNearTheTarget) {
  ShotPhaseData p;
  p.Accel = -1;
  p.Param = 40;
  ShotData s = ShotAt(100, 100, 2, 3);
  // Target close by from the start: nothing until the mine has stopped and armed.
  const MoveContext near = TargetAt(120, 100);
  EXPECT_FALSE(Frames(MoveWait, s, p, near, kMineArming));
  EXPECT_DOUBLE_EQ(s.X, 103);  // 2 + 1, then still
  EXPECT_TRUE(MoveWait(s, p, near));
  // A far target never sets it off.
  ShotData far = ShotAt(100, 100, 2, 0);
  EXPECT_FALSE(Frames(MoveWait, far, p, TargetAt(141, 100), 100));
  EXPECT_FALSE(Frames(MoveWait, far, p, {}, 10));
}

TEST(MoveKinds, FloatingMineDriftsAfterTheTarget) {
  ShotPhaseData p;
  p.Param = 20;
  ShotData s = ShotAt(100, 100, 2, 2);
  const MoveContext c = TargetAt(100, 300);
  EXPECT_FALSE(Frames(MoveFloat, s, p, c, 10));
  EXPECT_EQ(s.Dir, 4);
  EXPECT_DOUBLE_EQ(s.Y, 100 + 10 * 1.5);
  EXPECT_DOUBLE_EQ(s.X, 100);
  EXPECT_TRUE(Frames(MoveFloat, s, p, c, 200));
  EXPECT_LE(std::fabs(s.Y - 300), 20);
}

TEST(MoveKinds, SnakeWeavesAcrossItsAxisAndTurnsTowardTheTarget) {
  ShotPhaseData p;
  p.Accel = 0.3;
  p.MaxSpeed = 20;
  p.Param = 10;
  ShotData s = ShotAt(100, 300, 2, 4);
  const MoveContext c = TargetAt(700, 300);
  double minY = 300, maxY = 300;
  for (int i = 0; i < 15; ++i) {
    Frames(MoveSnake, s, p, c, 1);
    minY = std::min(minY, s.Y);
    maxY = std::max(maxY, s.Y);
  }
  EXPECT_LT(minY, 285);
  EXPECT_GT(maxY, 315);
  EXPECT_DOUBLE_EQ(s.AX, 100 + 15 * 4);  // the axis runs straight on
  EXPECT_DOUBLE_EQ(s.AY, 300);
  // A target below: the axis turns a step at each turning frame.
  ShotData t = ShotAt(100, 100, 2, 4);
  Frames(MoveSnake, t, p, TargetAt(100, 500), kSnakeTurnPeriod + 1);
  EXPECT_EQ(t.Dir, 3);
}

TEST(MoveKinds, FogStopsAndSwellsToItsLimit) {
  ShotPhaseData p;
  p.Accel = -1;
  p.Grow = 3;
  p.Param = 20;
  ShotData s = ShotAt(0, 0, 2, 3);
  s.Half = 10;
  Frames(MoveFog, s, p, {}, 4);
  EXPECT_DOUBLE_EQ(s.X, 2 + 1);
  EXPECT_EQ(s.Half, 13);
  Frames(MoveFog, s, p, {}, 40);
  EXPECT_EQ(s.Half, 20);
  EXPECT_DOUBLE_EQ(s.X, 3);
}

TEST(MoveKinds, BeamFollowsItsOwnerAndGrowsToFullLength) {
  ShotPhaseData p;
  p.Speed = 100;
  p.MaxSpeed = 250;
  ShotData s = ShotAt(0, 0, 2, 0);
  s.AX = 20;
  s.AY = -4;
  MoveContext c;
  c.HasOwner = true;
  c.OwnerX = 300;
  c.OwnerY = 200;
  Frames(MoveBeam, s, p, c, 1);
  EXPECT_DOUBLE_EQ(s.X, 320);
  EXPECT_DOUBLE_EQ(s.Y, 196);
  EXPECT_DOUBLE_EQ(s.Length, 100);
  c.OwnerX = 310;
  Frames(MoveBeam, s, p, c, 2);
  EXPECT_DOUBLE_EQ(s.X, 330);
  EXPECT_DOUBLE_EQ(s.Length, 250);
}

TEST(MoveKinds, MeleeStandsTheReachInFrontOfItsOwner) {
  ShotPhaseData p;
  p.Param = 40;
  ShotData s = ShotAt(0, 0, 0, 0);
  MoveContext c;
  c.HasOwner = true;
  c.OwnerX = 400;
  c.OwnerY = 300;
  c.OwnerFacing = 2;
  Frames(MoveMelee, s, p, c, 1);
  EXPECT_DOUBLE_EQ(s.X, 440);
  EXPECT_DOUBLE_EQ(s.Y, 300);
  EXPECT_EQ(s.Dir, 2);
  c.OwnerFacing = 4;
  c.OwnerX = 410;
  Frames(MoveMelee, s, p, c, 1);
  EXPECT_DOUBLE_EQ(s.X, 410);
  EXPECT_DOUBLE_EQ(s.Y, 330);  // 40 along the 0.75-long down vector
}

TEST(MoveKinds, SpiralCirclesOutwardAroundADriftingCentre) {
  ShotPhaseData p;
  p.Accel = 0.5;
  p.MaxSpeed = 2;
  ShotData s = ShotAt(400, 300, 2, 3);
  Frames(MoveSpiral, s, p, {}, 10);
  EXPECT_DOUBLE_EQ(s.Radius, 30);
  EXPECT_DOUBLE_EQ(s.AX, 420);
  EXPECT_DOUBLE_EQ(s.Angle, 5);
  EXPECT_NEAR(s.X, 420 + std::cos(5.0) * 30, 1e-9);
  EXPECT_NEAR(s.Y, 300 + std::sin(5.0) * 30 * 0.75, 1e-9);
}

TEST(MoveKinds, FireflyWorksItsWayToTheTarget) {
  ShotPhaseData p;
  p.Param = 60;
  ShotData s = ShotAt(100, 300, 0, 5);  // launched straight up, away from the target
  s.Seed = 12345;
  const MoveContext c = TargetAt(500, 300);
  double best = 1e9;
  for (int i = 0; i < 150; ++i) {
    Frames(MoveFirefly, s, p, c, 1);
    best = std::min(best, std::hypot(s.X - 500, s.Y - 300));
  }
  EXPECT_LT(best, 15);
}

TEST(MoveKinds, DartCoastsThenSnapsTowardTheTarget) {
  ShotPhaseData p;
  p.Accel = -1;
  p.Param = 3;
  p.MaxSpeed = 10;
  ShotData s = ShotAt(100, 100, 0, 3);
  const MoveContext c = TargetAt(400, 100);
  Frames(MoveDart, s, p, c, 3);
  EXPECT_DOUBLE_EQ(s.Y, 100 - (2 + 1 + 0) * 0.75);
  EXPECT_EQ(s.Dir, 0);
  Frames(MoveDart, s, p, c, 1);
  EXPECT_EQ(s.Dir, 2);
  EXPECT_DOUBLE_EQ(s.X, 110);
  // Homeward: the same snap, toward the owner.
  ShotPhaseData home = p;
  home.Homeward = 1;
  MoveContext o = c;
  o.HasOwner = true;
  o.OwnerX = 100;
  o.OwnerY = 400;
  ShotData h = ShotAt(100, 100, 2, 3);
  Frames(MoveDart, h, home, o, 4);
  EXPECT_EQ(h.Dir, 4);
}

TEST(MoveKinds, EveryKindHasItsRoutine) {
  EXPECT_EQ(MoveRoutineOf(kMoveStill), &MoveStill);
  EXPECT_EQ(MoveRoutineOf(kMoveDart), &MoveDart);
  EXPECT_EQ(MoveRoutineOf(kMoveMelee), &MoveMelee);
  EXPECT_EQ(MoveRoutineOf(-1), &MoveStill);
  EXPECT_EQ(MoveRoutineOf(kMoveKinds), &MoveStill);
  EXPECT_EQ(kMoveKinds, 14);
}

}  // namespace
}  // namespace zk
