// One fight frame of robot work for two robots: turning, input, starting actions, movement and
// stepping the action chains, in the fight loop's order.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "characters/character_data.h"

namespace zk {
namespace {

// A robot with a plain walking table and a small action table: idle, a two-step weapon chain on
// every button, guard and the hit reaction.
void PrepareRobot(CharacterData& robot, int32_t x, int32_t y) {
  std::memset(&robot, 0, sizeof robot);
  robot.ResetRuntime();
  robot.ClearActionTable();
  CharacterStatus& status = robot.BaseStatus;
  status.MaxArmor = 600;
  status.MaxEnergy = 480;
  status.HalfWidth = 20;
  status.HalfHeight = 20;
  status.StunRecovery = 6;
  for (int f = 0; f < 8; ++f) {
    for (int g = 0; g < 8; ++g) {
      for (int l = 1; l < 4; ++l) {
        status.WalkSpeed.Rows[f].Speed[g][l][0] = 3 + l;
        status.WalkSpeed.Rows[f].Speed[g][l][1] = 3 + l;
        status.BoostSpeed.Rows[f].Speed[g][l][0] = 8 + l;
        status.BoostSpeed.Rows[f].Speed[g][l][1] = 7 + l;
      }
    }
    status.WalkSpeed.Rows[f].DecayInterval = 2;
    status.BoostSpeed.Rows[f].DecayInterval = 2;
  }
  robot.WalkSpeed = status.WalkSpeed;
  robot.BoostSpeed = status.BoostSpeed;
  ActionStep& idle = robot.Actions.Steps[0][0];
  idle = ActionStep{1, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}};
  for (int k = 1; k <= 4; ++k) {
    robot.Actions.Steps[k][0] = ActionStep{
        1, k, 1, 4, 1, 1, k, 0, {k * 10 + 1, k * 10 + 1, k * 10 + 1, k * 10 + 1, k * 10 + 1, 50}};
    robot.Actions.Steps[k][1] = ActionStep{0, k, 0, 6, 0, 0, k, 1, {0, 0, 0, 0, 0, 50}};
  }
  robot.Actions.Steps[5][0] = ActionStep{0, 5, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}};
  robot.Actions.Steps[6][0] = ActionStep{0, 6, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}};
  robot.RestoreStatus();
  robot.Armor = status.MaxArmor;
  robot.Energy = status.MaxEnergy;
  robot.X = x;
  robot.Y = y;
}

// Scripted controls that walk, boost, fire and guard in a 64-frame cycle.
void ScriptInput(CharacterData& robot, int64_t frame, int32_t seed) {
  const int64_t t = (frame + seed) & 63;
  robot.InputX = static_cast<int32_t>((t / 8) % 3);
  robot.InputY = static_cast<int32_t>((t / 5) % 3);
  robot.InputButton = static_cast<int32_t>((t / 3) % 11);
}

void BM_RobotFrame(benchmark::State& state) {
  auto robots = std::make_unique<CharacterData[]>(2);
  PrepareRobot(robots[0], 200, 200);
  PrepareRobot(robots[1], 600, 400);
  CharacterData& p1 = robots[0];
  CharacterData& p2 = robots[1];
  int64_t frame = 0;
  for (auto _ : state) {
    ScriptInput(p1, frame, 0);
    ScriptInput(p2, frame, 17);
    p1.FaceOpponent(p2);
    p2.FaceOpponent(p1);
    p1.ApplyInput();
    p2.ApplyInput();
    p1.StartAction();
    p2.StartAction();
    p1.MoveAndCollide(p2);
    p2.MoveAndCollide(p1);
    p1.AdvanceStep();
    p2.AdvanceStep();
    // Keep the two apart and on the field so every frame does the full work.
    if ((frame & 255) == 255) {
      p1.X = 200;
      p1.Y = 200;
      p2.X = 600;
      p2.Y = 400;
    }
    benchmark::DoNotOptimize(p1.X + p2.X + p1.Facing + p2.Facing);
    ++frame;
  }
}
BENCHMARK(BM_RobotFrame)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zk
