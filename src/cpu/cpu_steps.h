// The computer opponent's steps, shared by the files that hold them: cpu_engine.cpp (the pass,
// its reset, memory and overrides), cpu_plan_choice.cpp (the plan), cpu_intent.cpp (the intent),
// cpu_move.cpp (the move keys) and cpu_fire.cpp (the button).
#pragma once

#include <algorithm>
#include <cstdint>

#include "characters/playfield.h"
#include "cpu/cpu_brain.h"
#include "cpu/cpu_plan.h"
#include "cpu/cpu_scene.h"
#include "cpu/cpu_tuning.h"
#include "shell/form.h"

namespace zk::cpu {

inline const CpuTuning& T = kTune;

// How a plan moves and acts (how long it lasts is kTune.PlanFrames).
struct PlanShape {
  int8_t Radial;  // 0 stays, 1 the weapon's band, 2 the kind's far band
  bool Lateral;   // runs sideways to player 1
  bool Align;     // steps onto the firing line
  bool Fire;
  bool Guard;
  bool Boost;
};

inline constexpr PlanShape kPlans[kPlanKinds] = {
    {1, false, true, true, false, false},   // close
    {1, true, true, true, false, false},    // circle
    {1, true, false, true, false, false},   // strafe
    {2, true, true, true, false, false},    // keep away
    {0, false, false, true, false, false},  // burst
    {1, false, false, true, false, false},  // mine
    {0, false, false, false, true, false},  // guard
    {0, false, false, false, false, true},  // boost out
};

// What the intent wants of the move keys: a direction (unit-sized), or the way to a spot.
struct Wish {
  bool Spot = false;
  double X = 0, Y = 0;
  bool Urgent = false;  // keys change at once
  bool Boost = false;   // boost when no weapon button goes down
};

inline int32_t Draw(TForm1& form, int32_t n) {
  return n > 0 ? form.Random.Next() % n : 0;
}

// Draws an index by weight; -1 when every weight is 0.
template <int N>
inline int32_t DrawWeighted(TForm1& form, const int32_t (&weights)[N]) {
  int32_t total = 0;
  for (int32_t w : weights) total += std::max(w, 0);
  if (total == 0) return -1;
  int32_t r = Draw(form, total);
  for (int i = 0; i < N; ++i) {
    r -= std::max(weights[i], 0);
    if (r < 0) return i;
  }
  return N - 1;
}

inline bool WeaponAction(int32_t action) {
  return action >= kActionWeapon1 && action <= kActionWeapon4;
}

inline bool WeaponButton(int32_t b) {
  return (b >= kButtonWeapon1 && b <= kButtonWeapon4) || b >= kButtonBoostWeapon1;
}

inline bool NearWall(const CharacterData& me, double margin) {
  return me.X < margin || me.X > kFieldWidth - margin || me.Y < margin ||
         me.Y > kFieldHeight - margin;
}

inline bool InBand(const CpuWeapon& w, double dist) {
  return dist >= w.Near && dist <= w.Far;
}

// The melee slot (1 to 4) when it is usable, else 0.
inline int32_t MeleeSlot(const CpuScene& sc) {
  for (int32_t k = 0; k < 4; ++k) {
    if (sc.Slots[k].Usable && sc.Slots[k].Role == kRoleMelee) return k + 1;
  }
  return 0;
}

// A strike worth going in for: it hurts, or it stuns long enough for the next.
inline bool Strong(const CpuWeapon& w) {
  return w.Damage >= T.WeakMelee || w.Stun >= T.LongStun;
}

// The melee slot when its strike is worth going in for, else 0.
inline int32_t StrongMelee(const CpuScene& sc) {
  const int32_t k = MeleeSlot(sc);
  return k != 0 && Strong(sc.Slots[k - 1]) ? k : 0;
}

inline const CpuWeapon* PlanWeapon(const CpuPlan& cpu, const CpuScene& sc) {
  return cpu.Weapon >= 1 && cpu.Weapon <= 4 ? &sc.Slots[cpu.Weapon - 1] : nullptr;
}

// The far edge of the band a weapon is used from, within the kind's; `none` without a weapon.
inline double WeaponBand(const CpuWeapon* w, const CpuBrain& brain, double none) {
  return w != nullptr ? std::min<double>(w->Far * T.BandShare, brain.Far) : none;
}

inline bool Guardy(const CpuPlan& cpu, const CpuScene& sc) {
  return sc.FoeGuarding || cpu.FoeGuard > T.GuardedLately;
}

// Player 1 strikes: its strike is on the way, or it has struck lately.
inline bool Striker(const CpuPlan& cpu, const CpuScene& sc) {
  return sc.FoeReach > 0 && (sc.FoeStriking || cpu.FoeStrikes > 0);
}

// How fast player 1 has lately come closer, pixels a frame (below 0: it draws away).
inline double Closing(const CpuPlan& cpu, const CpuScene& sc) {
  return -(cpu.FoeVX * sc.UX + cpu.FoeVY * sc.UY) / T.VelocityScale;
}

inline bool Runner(const CpuPlan& cpu) {
  return cpu.FoeRun > T.RunnerPatience;
}

// A runner that has not struck lately and does not guard is run down and struck: while it draws
// away, or while it is well beyond its own strike's reach. With no gun left, drawing away is
// running even from close by.
inline bool Pursuit(const CpuPlan& cpu, const CpuScene& sc) {
  const double closing = Closing(cpu, sc);
  const bool running = Runner(cpu) || (!sc.FoeGuns && closing < -T.RunAway);
  return running && MeleeSlot(sc) != 0 && cpu.FoeStrikes == 0 && !Guardy(cpu, sc) &&
         (closing < 0 || sc.Dist > sc.FoeReach + T.PursueClear);
}

// ---- The plan (cpu_plan_choice.cpp) ----

// A weapon for `plan` (1 to 4, 0 none): a mine for the mine plan, else the usable weapons by the
// kind's preference, more likely where the distance already suits them.
int32_t ChooseWeapon(TForm1& form, const CpuBrain& brain, const CpuScene& sc, int32_t plan);
// Draws the next plan; writes no control field.
void ChoosePlan(TForm1& form, const CpuBrain& brain, const CpuScene& sc);
// Changes to the plan while it runs.
void RevisePlan(TForm1& form, const CpuBrain& brain, const CpuScene& sc);

// ---- The intent (cpu_intent.cpp) ----

int32_t ChooseIntent(TForm1& form, const CpuBrain& brain, const CpuScene& sc);

// ---- Moving (cpu_move.cpp) ----

int32_t XCode(double x, double dead);
int32_t YCode(double y, double dead);
// The way out from under player 1's strike: of the eight directions, the one that leads most
// away from player 1 and has room (along an edge when one is at its back).
void SlipWay(const CharacterData& me, const CpuScene& sc, double& x, double& y);
// The walking (or boosting) speed of a full stride sideways.
double StrideSpeed(const CharacterData& me, bool boost);
// Room from (x, y) to the field's edge along the unit (ux, uy).
double Room(double x, double y, double ux, double uy);
Wish IntentWish(TForm1& form, const CpuBrain& brain, const CpuScene& sc);
// Writes the move keys from the wish; a change waits until the keys have been down a while.
void Move(TForm1& form, const Wish& wish);

// ---- Firing (cpu_fire.cpp) ----

// Writes the button: the dodge's, guard, a weapon by the fire rhythm, or boost.
void Fire(TForm1& form, const CpuBrain& brain, const CpuScene& sc, const Wish& wish);

}  // namespace zk::cpu
