// The cost of one ControlWeapon frame with all 8 x 144 shots of every slot in flight.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/platform.h"
#include "shell/form.h"

namespace zk {
namespace {

void FillSlots(TForm1& form) {
  form.Robots[0] = CharacterData{};
  form.Robots[1] = CharacterData{};
  form.Robots[0].X = 100;
  form.Robots[0].Y = 150;
  form.Robots[1].X = 700;
  form.Robots[1].Y = 450;
  for (CharacterData& r : form.Robots) {
    r.Status.HalfWidth = 20;
    r.Status.HalfHeight = 20;
    r.Armor = 1 << 30;
    r.Facing = 2;
  }
  // A mix of movement kinds; every place of every slot holds a live shot of the first phase,
  // spread over the field so that they neither hit nor leave it for a while.
  form.Weapons[0].SetMissileX6_Pyro();
  form.Weapons[1].SetFireFly_FMH();
  form.Weapons[2].SetAcidFog_HBack();
  form.Weapons[3].SetTempest_HBack();
  form.Weapons[4].SetSnakeMine_FMH();
  form.Weapons[5].SetGatringGun_DF();
  form.Weapons[6].SetRocketX6_TBahao();
  form.Weapons[7].SetStinger_BuzzB();
  for (int s = 0; s < 8; ++s) {
    WeaponData& w = form.Weapons[s];
    for (int r = 0; r < kShotRows; ++r) {
      for (int c = 0; c < kShotCols; ++c) {
        ShotData& shot = w.Shots[r][c];
        shot = ShotData{};
        shot.Active = 1;
        shot.Column = c % w.Columns;
        shot.X = shot.AX = 250 + r * 25;
        shot.Y = shot.AY = 200 + c * 18;
        shot.DX = 0.70711;
        shot.DY = 0.525825;
        shot.Speed = 0.01;
        shot.Dir = 3;
        shot.Half = 4;
      }
    }
  }
}

void BM_ControlWeaponAllShotsLive(benchmark::State& state) {
  auto host = MakeHeadlessPlatform();
  auto form = std::make_unique<TForm1>(*host);
  FillSlots(*form);
  int frames = 0;
  for (auto _ : state) {
    if (++frames == 40) {
      state.PauseTiming();
      FillSlots(*form);
      frames = 0;
      state.ResumeTiming();
    }
    form->ControlWeapon(1, -1);
    benchmark::DoNotOptimize(form->Weapons[0].LiveShots);
  }
  state.counters["shots"] = 8 * kShotRows * kShotCols;
}
BENCHMARK(BM_ControlWeaponAllShotsLive)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zk
