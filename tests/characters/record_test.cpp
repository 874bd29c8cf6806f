// The robot record's reset, cleared action table and idle restore.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "robot_fixture.h"

namespace zk {
namespace {

TEST(ResetRuntime, StartValuesAndWhatItLeavesAlone) {
  CharacterData robot;
  std::memset(&robot, 0x5A, sizeof robot);
  robot.WalkSpeed.Rows[3].DecayInterval = 7;
  robot.BoostSpeed.Rows[0].DecayInterval = 9;
  std::strcpy(robot.Name, "Ro-da type North");
  const ActionStep step = robot.Step;
  const int32_t weapon_type = robot.WeaponType;
  const int32_t max_armor = robot.Status.MaxArmor;

  robot.ResetRuntime();

  EXPECT_EQ(robot.X, 100);
  EXPECT_EQ(robot.Y, 100);
  EXPECT_EQ(robot.Armor, 2);
  EXPECT_EQ(robot.Energy, 2);
  EXPECT_EQ(robot.MoveCycle, 1);
  const int32_t zeros[] = {
      robot.Action,         robot.InputX,         robot.InputY,        robot.InputButton,
      robot.Facing,         robot.MoveCode,       robot.KnockbackDir,  robot.SpeedLeft,
      robot.SpeedRight,     robot.SpeedUp,        robot.SpeedDown,     robot.LevelLeft,
      robot.LevelRight,     robot.LevelUp,        robot.LevelDown,     robot.StepTick,
      robot.DecayTick,      robot.Stun,           robot.Fired,         robot.GuardLatch,
      robot.Boost,          robot.RapidFire1,     robot.RapidFire4,    robot.ButtonLatch[0],
      robot.ButtonLatch[1], robot.ButtonLatch[2], robot.ButtonLatch[3]};
  for (size_t i = 0; i < std::size(zeros); ++i)
    EXPECT_EQ(zeros[i], 0) << "field " << i << " in order";
  for (const SpeedTable* table : {&robot.WalkSpeed, &robot.BoostSpeed}) {
    for (const SpeedRow& row : table->Rows) {
      for (const auto& group : row.Speed) {
        for (const auto& level : group) {
          EXPECT_EQ(level[0], 0);
          EXPECT_EQ(level[1], 0);
        }
      }
    }
  }
  EXPECT_EQ(robot.WalkSpeed.Rows[3].DecayInterval, 7);
  EXPECT_EQ(robot.BoostSpeed.Rows[0].DecayInterval, 9);
  EXPECT_STREQ(robot.Name, "Ro-da type North");
  EXPECT_EQ(std::memcmp(&robot.Step, &step, sizeof step), 0);
  EXPECT_EQ(robot.WeaponType, weapon_type);
  EXPECT_EQ(robot.Status.MaxArmor, max_armor);
}

TEST(ClearActionTable, EverySlotHoldsTheTwoFrameIdleStep) {
  CharacterData robot;
  std::memset(&robot, 0x33, sizeof robot);
  robot.ClearActionTable();
  for (const auto& action : robot.Actions.Steps) {
    for (const ActionStep& s : action) {
      EXPECT_EQ(s.Accept, 0);
      EXPECT_EQ(s.Action, 0);
      EXPECT_EQ(s.Move, 1);
      EXPECT_EQ(s.Duration, 2);
      EXPECT_EQ(s.Fire, 0);
      EXPECT_EQ(s.Turn, 1);
      EXPECT_EQ(s.Motion, 0);
      EXPECT_EQ(s.Frame, 0);
      for (int32_t next : s.Next) EXPECT_EQ(next, 0);
    }
  }
}

TEST(RestoreStatus, StartsIdleAtStepZeroAndKeepsTheRest) {
  CharacterData robot = test::MakeRobot();
  robot.BaseStatus.MaxArmor = 640;
  robot.BaseStatus.WalkSpeed.Rows[2].Speed[0][3][0] = 8;
  robot.Actions.Steps[0][0] = test::MakeStep(0, 1, 1);
  robot.Actions.Steps[0][0].Frame = 3;
  robot.Action = 4;
  robot.StepTick = 9;
  robot.X = 321;
  robot.Y = 222;
  robot.Armor = 17;
  robot.Energy = 33;
  robot.RestoreStatus();
  EXPECT_EQ(robot.Status.MaxArmor, 640);
  EXPECT_EQ(robot.Status.WalkSpeed.Rows[2].Speed[0][3][0], 8);
  EXPECT_EQ(robot.Action, 0);
  EXPECT_EQ(robot.StepTick, 0);
  EXPECT_EQ(robot.Step.Frame, 3);
  EXPECT_EQ(robot.Step.Accept, 1);
  EXPECT_EQ(robot.X, 321);
  EXPECT_EQ(robot.Y, 222);
  EXPECT_EQ(robot.Armor, 17);
  EXPECT_EQ(robot.Energy, 33);
}

}  // namespace
}  // namespace zk
