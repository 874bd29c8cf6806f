// The computer opponent's plan: drawn by the kind's weights, bent by the scene, and revised
// while it runs.
#include <algorithm>

#include "cpu/cpu_steps.h"

namespace zk::cpu {

namespace {

// How much a weapon suits the moment: against a guard what breaks it, melee and what costs
// nothing; a weapon near its last volleys less.
int32_t Suitability(const CpuPlan& cpu, const CpuWeapon& w) {
  int32_t x = T.SuitPlain;
  if (cpu.FoeGuard > T.GuardedLately) {
    if (w.Role == kRoleMelee)
      x = T.SuitGuardMelee;
    else if (w.BreaksGuard)
      x = T.SuitGuardBreak;
    else if (w.Limited)
      x = T.SuitGuardLimited;
  }
  if (w.Limited && w.Ammo <= T.LastVolleys) x = std::max(x / T.SuitLastShare, 1);
  return x;
}

}  // namespace

// A weapon for `plan`: a mine for the mine plan, else the usable weapons by the kind's
// preference, more likely where the distance already suits them.
int32_t ChooseWeapon(TForm1& form, const CpuBrain& brain, const CpuScene& sc, int32_t plan) {
  int32_t weights[4] = {};
  for (int k = 0; k < 4; ++k) {
    const CpuWeapon& w = sc.Slots[k];
    if (!w.Usable || (w.Role == kRoleMine) != (plan == kPlanMine)) continue;
    weights[k] =
        brain.SlotWeight[k] * (InBand(w, sc.Dist) ? T.BandFactor : 1) * Suitability(form.Cpu, w);
  }
  return DrawWeighted(form, weights) + 1;
}

void ChoosePlan(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CharacterData& foe = form.Robots[0];
  int32_t weights[kPlanKinds];
  for (int p = 0; p < kPlanKinds; ++p) weights[p] = brain.PlanWeight[p];
  bool mine = false, armed = false;
  for (const CpuWeapon& w : sc.Slots) {
    mine = mine || (w.Usable && w.Role == kRoleMine);
    armed = armed || (w.Usable && w.Role != kRoleMine);
  }
  if (!mine) weights[kPlanMine] = 0;
  if (!WeaponAction(foe.Action)) weights[kPlanGuard] = 0;
  const bool cornered = NearWall(me, T.CornerRoom) && sc.Dist < T.CornerFoe;
  if (!cornered || me.Energy <= brain.BoostEnergy) weights[kPlanBoostOut] = 0;
  if (sc.MyArmor < T.LowArmor) weights[kPlanKeepAway] *= T.LowArmorAway;
  if (sc.FoeArmor < T.FoeLowArmor) weights[kPlanClose] *= T.KillClose;
  const int32_t melee = MeleeSlot(sc);
  const bool guarded = Guardy(cpu, sc);
  const bool dragging = cpu.Frames > T.LongFight && melee != 0;  // shooting has not settled it
  if (dragging) weights[kPlanClose] += T.DragWeight;
  if (guarded) {  // a guarding player cannot fire back: wait at its reach, lay mines in its way
    weights[kPlanKeepAway] = 0;
    weights[kPlanGuard] = 0;
    if (melee != 0) weights[kPlanClose] += T.GuardCloseWeight;
    weights[kPlanMine] *= T.GuardMineFactor;
  }
  if (!armed && !mine) {  // nothing left to fire: keep out of reach and dodge
    for (int32_t& w : weights) w = 0;
    weights[kPlanKeepAway] = T.UnarmedAway;
    weights[kPlanStrafe] = T.UnarmedStrafe;
  }

  cpu.Plan = std::max(DrawWeighted(form, weights), 0);
  const PlanShape& shape = kPlans[cpu.Plan];
  cpu.Weapon = shape.Fire ? ChooseWeapon(form, brain, sc, cpu.Plan) : 0;
  if ((guarded || dragging) && melee != 0 && cpu.Plan == kPlanClose) cpu.Weapon = melee;
  const int32_t* frames = T.PlanFrames[cpu.Plan];
  cpu.Counter = frames[0] + Draw(form, frames[1] - frames[0] + 1);
  cpu.Side = Draw(form, 2) == 0 ? 1 : -1;
  cpu.DodgeLeft = 0;
  cpu.Alert = 0;
  cpu.Phase = 1;
}

// Changes to the plan while it runs: a run of misses circles to another line; long without a
// press it closes in, with melee when it has it; a weapon that has run dry is replaced.
void RevisePlan(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const bool busy = cpu.Plan == kPlanGuard || cpu.Plan == kPlanBoostOut;
  if (cpu.Hold == T.MoveFrames && !busy) {  // Remember has just counted the misses
    cpu.Plan = kPlanCircle;
    cpu.Counter = std::max(cpu.Counter, T.MoveFrames);
  }
  const int32_t melee = MeleeSlot(sc);
  const CpuWeapon* w = PlanWeapon(cpu, sc);
  if (cpu.Idle > T.Restless && cpu.Plan != kPlanClose && (melee != 0 || (w && w->Usable))) {
    cpu.Plan = kPlanClose;
    cpu.Weapon = melee != 0 ? melee : ChooseWeapon(form, brain, sc, kPlanClose);
    cpu.Counter = std::max(cpu.Counter, T.MoveFrames);
  }
  if (cpu.Weapon >= 1 && cpu.Weapon <= 4 && !sc.Slots[cpu.Weapon - 1].Usable) {
    cpu.Weapon = ChooseWeapon(form, brain, sc, kPlanClose);
    cpu.Trigger = std::min(cpu.Trigger, 0);
    cpu.Held = 0;
  }
}

}  // namespace zk::cpu
