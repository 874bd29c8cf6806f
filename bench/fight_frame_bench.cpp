// The cost of one headless fight frame: input, the fight logic, the fight scene's drawing and
// texts, and presenting into memory (the window mode's 799 x 599 blit). Reported as the median
// of repeated runs; compare with BM_PlainCopy800x600 of the same run.
//
// BM_FightFrame is a typical frame: two robots with rockets, missiles and shells move and fire,
// so a few dozen shots fly, many of them trailing smoke. BM_FightFrameAllShots is the worst
// case: all 8 x 144 shots of the eight weapon slots live on the screen in every frame, with full
// smoke trails behind the missiles and rockets (trails:1) or none yet (trails:0). Both drive the
// form's own routines, so whatever the fight scene draws is measured. The counters tell how many
// shots and smoke puffs were live per frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "platform/headless_platform.h"
#include "shell/form.h"
#include "shell/input_map.h"

namespace {

namespace fs = std::filesystem;
using zk::kShotCols;
using zk::kShotRows;
using zk::kSmokeLength;

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

// Live shots and smoke puffs of all eight slots.
struct ShotCount {
  int64_t Shots = 0, Puffs = 0;
};
ShotCount CountShots(const zk::TForm1& form) {
  ShotCount n;
  for (const zk::WeaponData& w : form.Weapons) {
    for (const auto& row : w.Shots) {
      for (const zk::ShotData& shot : row) {
        if (shot.Active != 1) continue;
        ++n.Shots;
        n.Puffs += shot.SmokeCount;
      }
    }
  }
  return n;
}

struct FightBench {
  std::unique_ptr<zk::HeadlessPlatform> host;
  std::unique_ptr<zk::TForm1> form;
  int64_t frame = 0;

  // A two-player fight in the window mode of DuvuZirada type Bannila Boy (gatling gun, 180mm
  // shells, a missile) against ZizoruVuzev type the Nine (shotgun, 80mm shells, six rockets),
  // straight to the fighting stage.
  FightBench() {
    EnterDataFolder();
    host = std::make_unique<zk::HeadlessPlatform>();
    form = std::make_unique<zk::TForm1>(*host);
    form->HasFixedSeed = true;
    form->FixedSeed = 7;
    form->FormShow();
    form->Button1Click({1, 0, 0});
    form->GameMode = 2;
    form->RobotKind1 = 3;
    form->RobotKind2 = 10;
    form->Robots[0].WeaponType = 0;
    form->Robots[1].WeaponType = 0;
    form->NewRun = 1;
    form->GameStage = 7;
    form->ToBefore();
    form->GameStage = 8;
    form->ToFight();
    for (int i = 0; i < 80 && form->GameStage != 9; ++i) form->AppIdle();
  }

  // Both players walk a square and press weapon buttons 1 and 4 in turn (the volley weapons);
  // armour and ammunition are topped up so the fight never ends.
  void Keys() {
    const zk::KeyMap* maps[2] = {&zk::kPlayer1Keys, &zk::kPlayer2Keys};
    for (int p = 0; p < 2; ++p) {
      const zk::KeyMap& m = *maps[p];
      for (int k : {m.Right, m.Left, m.Up, m.Down, m.Weapons[0], m.Weapons[1], m.Weapons[2],
                    m.Weapons[3], m.Guard, m.Boost}) {
        host->SetKey(k, false);
      }
      const int64_t t = frame + p * 17;
      const int moves[4] = {m.Right, m.Down, m.Left, m.Up};
      host->SetKey(moves[(t / 24) % 4], true);
      if (t % 6 < 3) host->SetKey(m.Weapons[((t / 6) % 2) * 3], true);
    }
    ++frame;
    for (zk::CharacterData& robot : form->Robots) robot.Armor = robot.Status.MaxArmor;
    for (zk::WeaponData& w : form->Weapons) w.Ammo = 99;
  }
};

// The slots hold a mix of weapons: missiles, fireflies, acid fog, tempest, snake mines, gatling
// rounds, rockets and stingers.
void ArmAllSlots(zk::TForm1& form) {
  zk::WeaponData* w = form.Weapons;
  w[0].SetMissileX6_Pyro();
  w[1].SetFireFly_FMH();
  w[2].SetAcidFog_HBack();
  w[3].SetTempest_HBack();
  w[4].SetSnakeMine_FMH();
  w[5].SetGatringGun_DF();
  w[6].SetRocketX6_TBahao();
  w[7].SetStinger_BuzzB();
}

// Every place of every slot holds a live shot of its weapon's first phase, launched by the
// weapon itself and then set on a grid over the screen; with `trails`, shots that smoke get a
// full trail.
void FillAllShots(zk::TForm1& form, bool trails) {
  for (int s = 0; s < 8; ++s) {
    zk::WeaponData& w = form.Weapons[s];
    w.Owner = &form.Robots[s / 4];
    w.Target = &form.Robots[1 - s / 4];
    for (int r = 0; r < kShotRows; ++r) {
      for (int c = 0; c < kShotCols; ++c) {
        zk::ShotData& shot = w.Shots[r][c];
        shot = zk::ShotData{};
        shot.Active = 1;
        shot.Column = c % std::max(w.Columns, 1);
        shot.Delay = 1;  // launched by the next move
      }
    }
    w.MoveShots();
    for (int r = 0; r < kShotRows; ++r) {
      for (int c = 0; c < kShotCols; ++c) {
        zk::ShotData& shot = w.Shots[r][c];
        // Slots interleave on a 24 x 48 grid of 33 x 12 pixel steps over the screen.
        const int32_t gx = c * 2 + (s & 1), gy = r * 4 + s / 2;
        shot.X = shot.AX = 12 + gx * 33;
        shot.Y = shot.AY = 10 + gy * 12;
        if (!trails || w.Phases[shot.Column][shot.Phase].Smoke != 1) continue;
        const double x = shot.X, y = shot.Y;
        for (int k = kSmokeLength; k > 0; --k) {
          shot.X = x - shot.DX * 5 * k;
          shot.Y = y - shot.DY * 5 * k;
          shot.AddSmoke();
        }
        shot.X = x;
        shot.Y = y;
      }
    }
  }
}

// Runs the whole frame (input, logic, drawing, texts and presenting) once per iteration;
// `refill` runs before each frame outside the timing.
template <typename Refill>
void RunFight(benchmark::State& state, FightBench& bench, Refill refill) {
  if (bench.form->GameStage != 9) {
    state.SkipWithError("the fight did not start");
    return;
  }
  ShotCount total;
  int64_t frames = 0, counted = 0;
  for (auto _ : state) {
    refill();
    bench.Keys();
    bench.form->AppIdle();
    bench.host->TakeRecorded();
    // Counted in every 32nd frame, so the count costs the timing nearly nothing.
    if (frames++ % 32 == 0) {
      const ShotCount n = CountShots(*bench.form);
      total.Shots += n.Shots;
      total.Puffs += n.Puffs;
      ++counted;
    }
  }
  if (counted > 0) {
    state.counters["shots"] = static_cast<double>(total.Shots) / static_cast<double>(counted);
    state.counters["puffs"] = static_cast<double>(total.Puffs) / static_cast<double>(counted);
  }
}

void BM_FightFrame(benchmark::State& state) {
  FightBench bench;
  // Into the thick of it: a second of fighting before the timing starts.
  for (int i = 0; i < 25; ++i) {
    bench.Keys();
    bench.form->AppIdle();
  }
  RunFight(state, bench, [] {});
}
BENCHMARK(BM_FightFrame)->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// Argument 1: the smoking shots (missiles and rockets, two slots of eight) trail full smoke, as
// after a flight; 0: no smoke yet, as at launch.
void BM_FightFrameAllShots(benchmark::State& state) {
  FightBench bench;
  ArmAllSlots(*bench.form);
  RunFight(state, bench, [&] {
    state.PauseTiming();
    FillAllShots(*bench.form, state.range(0) == 1);
    state.ResumeTiming();
  });
}
BENCHMARK(BM_FightFrameAllShots)
    ->ArgName("trails")
    ->Arg(1)
    ->Arg(0)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Input and the fight logic alone, once per iteration.
void RunLogic(benchmark::State& state, FightBench& bench) {
  if (bench.form->GameStage != 9) {
    state.SkipWithError("the fight did not start");
    return;
  }
  for (auto _ : state) {
    bench.Keys();
    bench.form->ControlHead();
    bench.form->FightStage();
    bench.host->TakeRecorded();
  }
}

void BM_FightLogicOnly(benchmark::State& state) {
  FightBench bench;
  RunLogic(state, bench);
}
BENCHMARK(BM_FightLogicOnly)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The same fight in the one-player mode, DuvuZirada against ZizoruVuzev's computer opponent, 200
// frames in, with shots in flight.
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
// scene, which stands still while the plan goes on. Target: under 2 µs a decision, so that the
// arena's hundreds of thousands of fight frames stay quick and a frame never waits on it.
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
  RunLogic(state, bench);
}
BENCHMARK(BM_FightLogicWithOpponent)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
