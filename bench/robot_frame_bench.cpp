// One fight frame of robot work for two robots: turning, input, starting actions, movement and
// stepping the action chains, in the fight loop's order.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "characters/character_data.h"
#include "robots/robot_tables.h"

namespace zk {
namespace {

// A Ro-da type North, loaded as the robot loaders do it, minus its pictures and sounds.
void PrepareRobot(CharacterData& robot, int32_t x, int32_t y) {
  std::memset(&robot, 0, sizeof robot);
  robot.ResetRuntime();
  robot.ClearActionTable();
  DFStatus(robot.BaseStatus, 1);
  robot.WalkSpeed = robot.BaseStatus.WalkSpeed;
  robot.BoostSpeed = robot.BaseStatus.BoostSpeed;
  DFAction_North(robot.Actions);
  robot.RestoreStatus();
  robot.Armor = robot.Status.MaxArmor;
  robot.Energy = robot.Status.MaxEnergy;
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
