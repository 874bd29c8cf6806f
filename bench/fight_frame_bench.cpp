// The cost of one headless fight frame: input, the fight logic, the fight scene's drawing and
// texts, and presenting into memory. Reported as the median of repeated runs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "platform/headless_platform.h"
#include "shell/form.h"

namespace {

namespace fs = std::filesystem;

// The benchmarks run in the build's data folder (pictures and music).
void EnterDataFolder() {
  if (fs::exists("others")) return;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return;
  for (const fs::path& candidate :
       {exe.parent_path().parent_path() / "data", exe.parent_path() / "data"}) {
    if (fs::exists(candidate / "others")) {
      fs::current_path(candidate);
      return;
    }
  }
}

struct FightBench {
  std::unique_ptr<zk::HeadlessPlatform> host;
  std::unique_ptr<zk::TForm1> form;
  int64_t frame = 0;

  FightBench() {
    EnterDataFolder();
    host = std::make_unique<zk::HeadlessPlatform>();
    form = std::make_unique<zk::TForm1>(*host);
    form->HasFixedSeed = true;
    form->FixedSeed = 7;
    form->FormShow();
    form->Button1Click({1, 0, 0});
    // A two-player fight of Lizard against VedoZad, straight to the fighting stage.
    form->GameMode = 2;
    form->RobotKind1 = 2;
    form->RobotKind2 = 6;
    form->NewRun = 1;
    form->GameStage = 7;
    form->ToBefore();
    form->GameStage = 8;
    form->ToFight();
    for (int i = 0; i < 80 && form->GameStage != 9; ++i) form->AppIdle();
  }

  // Both players steer and fire in a repeating pattern; the fight never ends.
  void Keys() {
    static constexpr int kP1[] = {'D', 'W', 'G', 'A', 'S', 'J', 'V', 'H'};
    static constexpr int kP2[] = {0x25, 0x28, 0x64, 0x27, 0x26, 0x66, 0x61, 0x65};
    for (int k : kP1) host->SetKey(k, false);
    for (int k : kP2) host->SetKey(k, false);
    host->SetKey(kP1[(frame / 9) % 8], true);
    host->SetKey(kP2[(frame / 7) % 8], true);
    ++frame;
    for (zk::CharacterData& robot : form->Robots) robot.Armor = robot.Status.MaxArmor;
  }
};

// Runs `frame` once per iteration in a fight that never ends.
template <typename Frame>
void RunFight(benchmark::State& state, Frame frame) {
  FightBench bench;
  if (bench.form->GameStage != 9) {
    state.SkipWithError("the fight did not start");
    return;
  }
  for (auto _ : state) {
    bench.Keys();
    frame(*bench.form);
    bench.host->TakeRecorded();
  }
}

// The whole frame: input, logic, drawing, texts and presenting.
void BM_FightFrame(benchmark::State& state) {
  RunFight(state, [](zk::TForm1& form) { form.AppIdle(); });
}
BENCHMARK(BM_FightFrame)->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// Input and the fight logic alone.
void BM_FightLogicOnly(benchmark::State& state) {
  RunFight(state, [](zk::TForm1& form) {
    form.ControlHead();
    form.FightStage();
  });
}
BENCHMARK(BM_FightLogicOnly)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// A one-player fight of Lizard against VedoZad's computer opponent, 200 frames in, with shots in
// flight.
FightBench OnePlayerFight() {
  FightBench bench;
  bench.form->GameMode = 1;
  for (int i = 0; i < 200 && bench.form->GameStage == 9; ++i) {
    bench.Keys();
    bench.form->ControlHead();
    bench.form->FightStage();
  }
  return bench;
}

// The opponent's decision routine alone (reading the scene, planning, fire and dodge) on that
// scene, which stands still while the plan goes on.
void BM_OpponentDecision(benchmark::State& state) {
  FightBench bench = OnePlayerFight();
  zk::TForm1& form = *bench.form;
  const zk::ThinkRoutine think = form.ThinkTable[form.RobotKind2];
  for (auto _ : state) {
    (form.*think)();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OpponentDecision)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Input with the opponent deciding for player 2, and the fight logic.
void BM_FightLogicWithOpponent(benchmark::State& state) {
  FightBench bench = OnePlayerFight();
  for (auto _ : state) {
    bench.Keys();
    bench.form->ControlHead();
    bench.form->FightStage();
    bench.host->TakeRecorded();
  }
}
BENCHMARK(BM_FightLogicWithOpponent)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
