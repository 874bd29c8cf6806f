// When the computer opponent drives player 2, and what each fight resets of its plan.
#include <gtest/gtest.h>

#include "cpu/cpu_brain.h"
#include "game_harness.h"

namespace zk::test {
namespace {

// Player 2's control fields set to values the opponent never writes, and whether they still are.
void Mark(Game& g) {
  g.p2().InputX = 7;
  g.p2().InputY = 8;
  g.p2().InputButton = 99;
}
bool Marked(Game& g) {
  return g.p2().InputX == 7 && g.p2().InputY == 8 && g.p2().InputButton == 99;
}

class OpponentRules : public GameTest {};

TEST_F(OpponentRules, DrivesPlayerTwoOnlyWhileFightingInOnePlayerAndSurvival) {
  for (int32_t mode : {1, 2, 3}) {
    Game g;
    g.ChooseMode(mode);
    g.Frames(10);
    g.ConfirmSelect();
    g.f().Cpu.Side = 5;  // planning always writes 1 or -1
    Mark(g);
    ASSERT_GE(g.RunUntilStage(9, 400), 1);
    g.Frame();
    // The first fighting frame chooses a plan and writes no field.
    EXPECT_EQ(Marked(g) && g.f().Cpu.Phase == 1, mode != 2) << "mode " << mode;
    g.Frames(100);
    EXPECT_EQ(g.f().Cpu.Side == 5, mode == 2) << "mode " << mode;
    // Nothing in the fight-over stage; the next fight begins with a fresh plan and keeps the rest.
    g.p2().Armor = -1;
    ASSERT_GE(g.RunUntilStage(10, 50), 1);
    const int32_t button = g.p2().InputButton;
    EXPECT_TRUE(mode == 2 || button == 0 || button == 5 || button == 6) << "no weapon once down";
    const CpuPlan plan = g.f().Cpu;
    Mark(g);
    g.Frames(100);
    EXPECT_EQ(Marked(g), mode != 2) << "mode " << mode;
    EXPECT_EQ(g.f().Cpu.Counter, plan.Counter);
    if (mode == 2) continue;
    ASSERT_GE(g.RunUntilStage(8, 400), 1);
    EXPECT_EQ(g.f().Cpu.Phase, 0);
    EXPECT_EQ(g.f().Cpu.Counter, 0);
    EXPECT_EQ(g.f().Cpu.Plan, plan.Plan);
    EXPECT_EQ(g.f().Cpu.Side, plan.Side);
  }
}

// A RobotKind2 outside the decision table (0 to 11) runs the table's entry 0. The table is filled
// here with a routine whose work shows (ResetChoices puts StageFrame back to 0) in entry 0 only.
TEST_F(OpponentRules, AKindOutsideTheDecisionTableUsesEntryZero) {
  for (const int32_t kind : {-1, 12, 1000, 5}) {
    Game g;
    TForm1& f = g.f();
    f.GameMode = kModeOnePlayer;
    f.GameStage = kStageFight;
    for (ThinkRoutine& entry : f.ThinkTable) entry = nullptr;
    f.ThinkTable[0] = &TForm1::ResetChoices;
    f.RobotKind2 = kind;
    f.StageFrame = 77;
    f.ControlHead();
    EXPECT_EQ(f.StageFrame, kind == 5 ? 77 : 0) << "kind " << kind;
  }
}

}  // namespace
}  // namespace zk::test
