// When the computer opponent drives player 2, and what each fight resets of its plan.
#include <gtest/gtest.h>

#include "cpu/cpu_brain.h"
#include "game_harness.h"

namespace zk::test {
namespace {

class OpponentRules : public GameTest {
 protected:
  static void ToBeforeFight(Game& g, int32_t mode) {
    g.ChooseMode(mode);
    g.Frames(10);
    g.ConfirmSelect();
  }
  // Player 2's control fields as one value.
  static int32_t Fields(Game& g) {
    return g.p2().InputX * 10000 + g.p2().InputY * 100 + g.p2().InputButton;
  }
  static void Mark(Game& g) {
    g.p2().InputX = 7;
    g.p2().InputY = 8;
    g.p2().InputButton = 99;
  }
};

TEST_F(OpponentRules, DrivesPlayerTwoOnlyWhileFightingInOnePlayerAndSurvival) {
  for (int32_t mode : {1, 2, 3}) {
    Game g;
    ToBeforeFight(g, mode);
    g.f().Cpu.Side = 5;  // the routine always writes 1 or -1 when it plans
    if (mode != 2) Mark(g);
    ASSERT_GE(g.RunUntilStage(9, 400), 1);
    g.Frame();
    // The first fighting frame chooses a plan and writes no field.
    EXPECT_TRUE(mode == 2 || (Fields(g) == 70899 && g.f().Cpu.Phase == 1)) << "mode " << mode;
    g.Frames(100);
    EXPECT_EQ(g.f().Cpu.Side == 5, mode == 2) << "mode " << mode;
    // Not in the fight-over stage either.
    g.p2().Armor = -1;
    ASSERT_GE(g.RunUntilStage(10, 50), 1);
    const CpuPlan plan = g.f().Cpu;
    if (mode != 2) Mark(g);
    g.Frames(100);
    EXPECT_EQ(g.f().Cpu.Counter, plan.Counter);
    EXPECT_EQ(g.f().Cpu.Side, plan.Side);
    EXPECT_TRUE(mode == 2 || Fields(g) == 70899) << "mode " << mode;
  }
}

TEST_F(OpponentRules, EveryFightBeginsWithAFreshPlanAndKeepsTheRest) {
  Game g;
  ToBeforeFight(g, 1);
  g.ToFighting();
  g.Frames(30);
  g.p2().Armor = -1;
  ASSERT_GE(g.RunUntilStage(7, 200), 1);
  g.f().Cpu.Phase = 1;
  g.f().Cpu.Counter = 40;
  g.f().Cpu.Plan = kPlanGuard;
  g.f().Cpu.Weapon = 3;
  ASSERT_GE(g.RunUntilStage(8, 200), 1);
  EXPECT_EQ(g.f().Cpu.Phase, 0);
  EXPECT_EQ(g.f().Cpu.Counter, 0);
  EXPECT_EQ(g.f().Cpu.Plan, kPlanGuard);
  EXPECT_EQ(g.f().Cpu.Weapon, 3);
}

}  // namespace
}  // namespace zk::test
