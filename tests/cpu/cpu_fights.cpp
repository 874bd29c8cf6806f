#include "cpu_fights.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "characters/robot_kinds.h"
#include "cpu/cpu_scene.h"
#include "platform/headless_platform.h"
#include "shell/dir_table.h"
#include "weapons/weapon_test_util.h"

namespace zk::test {

namespace {

void LoadFighter(TForm1& form, int player, int32_t kind, int32_t variant) {
  const RobotKind* k = FindRobotKind(kind);
  const RobotVariant& v = k->Variants[std::min<size_t>(variant, k->Variants.size() - 1)];
  LoadVariant(form.Robots[player], &form.Weapons[player * 4], *k, v);
  form.Robots[player].WeaponType = variant;
}

// Player 2's decision routine for the frame, as the input routine calls it.
void Think(TForm1& f) {
  const ThinkRoutine think = f.ThinkTable[f.RobotKind2];
  (f.*think)();
}

int32_t Steer(double v, int32_t plus, int32_t minus) {
  return v > 20 ? plus : (v < -20 ? minus : 0);
}

}  // namespace

std::unique_ptr<TForm1> FightForm(Platform& host, const Fighters& who, uint32_t seed) {
  auto form = std::make_unique<TForm1>(host);
  TForm1& f = *form;
  f.FillThinkTable();
  f.GameMode = 1;
  f.MusicMode = 1;
  f.RobotKind1 = who.kind1;
  f.RobotKind2 = who.kind2;
  LoadFighter(f, 0, who.kind1, who.variant1);
  LoadFighter(f, 1, who.kind2, who.variant2);
  f.Random.Seed(seed);
  const int32_t lane = static_cast<int32_t>(seed % 5) * 50;
  f.Robots[0].X = 200;
  f.Robots[0].Y = 200 + lane;
  f.Robots[1].X = 600;
  f.Robots[1].Y = 400 - lane;
  f.Cpu.Phase = 0;
  f.Cpu.Counter = 0;
  f.GameStage = 9;
  return form;
}

FightResult RunFight(const Fighters& who, uint32_t seed, const Player1& p1, int32_t max_frames) {
  auto host = MakeHeadlessPlatform();
  auto form = FightForm(*host, who, seed);
  TForm1& f = *form;
  FightResult r;
  for (int32_t frame = 0; frame < max_frames; ++frame) {
    p1(f, frame);
    const CharacterData before = f.Robots[1];
    const bool planning = f.Cpu.Phase != 1;
    Think(f);
    const CharacterData& p2 = f.Robots[1];
    r.planning_writes += planning && (p2.InputX != before.InputX || p2.InputY != before.InputY ||
                                      p2.InputButton != before.InputButton);
    const int32_t b = p2.InputButton;
    const int32_t slot = b >= 1 && b <= 4 ? b : (b >= 7 && b <= 10 ? b - 6 : 0);
    if (slot != 0) {
      r.pressed.insert(slot);
      const WeaponData& w = f.Weapons[3 + slot];
      if (w.Armed != 1 || (w.Unlimited != 1 && w.Ammo <= 0)) ++r.empty_presses;
    }
    f.FightStage();
    host->TakeRecorded();
    if (f.GameStage == 10) {
      r.winner = f.Winner;
      r.frames = frame + 1;
      return r;
    }
  }
  r.frames = max_frames;
  return r;
}

Player1 IdlePlayer() {
  return [](TForm1& f, int32_t) {
    f.Robots[0].InputX = f.Robots[0].InputY = f.Robots[0].InputButton = 0;
  };
}

// Moves, weapons, guard and boost changing every 3 to 10 frames.
Player1 MashingPlayer(uint32_t seed) {
  return [rng = std::mt19937(seed), next = 0](TForm1& f, int32_t frame) mutable {
    if (frame < next) return;
    next = frame + 3 + static_cast<int32_t>(rng() % 8);
    CharacterData& me = f.Robots[0];
    me.InputX = static_cast<int32_t>(rng() % 3);
    me.InputY = static_cast<int32_t>(rng() % 3);
    me.InputButton = static_cast<int32_t>(rng() % 11);
  };
}

// Keeps its best weapon's range on a firing line and fires; guards when a shot it has seen
// (flying for a quarter of a second) is about to hit.
Player1 AimingPlayer() {
  return [](TForm1& f, int32_t frame) {
    CharacterData& me = f.Robots[0];
    const CpuScene sc = ReadScene(me, &f.Weapons[0], f.Robots[1], &f.Weapons[4]);
    me.InputX = me.InputY = me.InputButton = 0;
    if (sc.Threat.Seen && !sc.Threat.BreaksGuard && sc.Threat.Frames < 10 && sc.Threat.Age >= 6) {
      me.InputButton = 5;
      return;
    }
    int slot = -1;
    for (int k : {0, 2, 3, 1}) {
      if (slot < 0 && sc.Slots[k].Usable && sc.Slots[k].Role != kRoleMine) slot = k;
    }
    if (slot < 0) return;
    const CpuWeapon& w = sc.Slots[slot];
    const double want = std::clamp(sc.Dist, w.Near + 20, std::min(w.Far * 0.7, 350.0));
    const bool seeker = w.Role == kRoleSeeker;
    double x, y;
    if (!seeker && LineSpot(f.Robots[1], sc.Facing, 1, want, x, y)) {
      SteerToSpot(me, x - me.X, y - me.Y);
    } else {
      me.InputX = Steer((sc.Dist - want) * sc.UX, 1, 2);
      me.InputY = Steer((sc.Dist - want) * sc.UY, 2, 1);
    }
    const bool ready = sc.Dist >= w.Near && sc.Dist <= w.Far && (seeker || sc.LineOffset <= w.Aim);
    if (ready && (w.Rapid || frame % 2 == 0)) me.InputButton = slot + 1;
  };
}

}  // namespace zk::test

namespace zk::test {

int32_t ShotsTaken(int32_t kind, bool think, int32_t trials) {
  static constexpr int32_t kLines[8] = {2, 6, 1, 3, 5, 7, 0, 4};
  auto host = MakeHeadlessPlatform();
  auto form = FightForm(*host, {9, 0, kind, 0}, 3);
  TForm1& f = *form;
  CharacterData& p1 = f.Robots[0];
  CharacterData& p2 = f.Robots[1];
  int32_t hits = 0;
  for (int32_t i = 0; i < trials; ++i) {
    for (WeaponData& w : f.Weapons) w.ResetShots();
    const int32_t dir = kLines[i % 8];
    const double d = 300 + (i * 53) % 200;
    const double n = std::hypot(DirTable[dir].dx, DirTable[dir].dy);
    const double ex = DirTable[dir].dx / n * d, ey = DirTable[dir].dy / n * d;
    p1.X = static_cast<int32_t>(400 - ex / 2);
    p1.Y = static_cast<int32_t>(300 - ey / 2);
    p2.X = static_cast<int32_t>(400 + ex / 2);
    p2.Y = static_cast<int32_t>(300 + ey / 2);
    p2.Armor = p2.Status.MaxArmor;
    p1.Facing = dir;
    f.Weapons[0].Owner = &p1;
    f.Weapons[0].Target = &p2;
    f.Weapons[0].VolleyLock = 0;
    f.Weapons[0].Fire();
    for (int32_t frame = 0; frame < 45 && f.Weapons[0].Shots[0][0].Active == 1; ++frame) {
      p1.InputX = p1.InputY = p1.InputButton = 0;
      p1.Armor = p1.Status.MaxArmor;
      if (think) {
        Think(f);
      } else {
        p2.InputX = p2.InputY = p2.InputButton = 0;
      }
      f.FightStage();
      host->TakeRecorded();
    }
    hits += p2.Armor < p2.Status.MaxArmor;
  }
  return hits;
}

}  // namespace zk::test
