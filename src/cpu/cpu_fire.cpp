// The computer opponent's firing: whether a weapon is worth a press, the fire rhythm, and the
// frame's button.
#include <algorithm>
#include <cmath>

#include "cpu/cpu_steps.h"

namespace zk::cpu {

namespace {

// Whether weapon `k` (1 to 4) would hit now, and is worth what it spends.
bool WantsFire(const CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc,
               const CharacterData& me, int32_t k) {
  if (k < 1 || k > 4 || me.Action == kActionHit) return false;
  const CpuWeapon& w = sc.Slots[k - 1];
  if (!w.Usable) return false;
  const bool restless = cpu.Idle > T.Patience;  // nothing has gone off for a while
  // Against a guard a limited weapon that does not break it waits, unless nothing else fires.
  if (sc.FoeGuarding && w.Limited && !w.BreaksGuard && w.Role != kRoleMelee && !restless) {
    return false;
  }
  // At point blank against a striker that can strike at once, a shot weaker than its strike is
  // never the answer.
  if (w.Role != kRoleMelee && Striker(cpu, sc) && sc.Dist < sc.FoeReach + T.ReachGap &&
      !sc.FoeOpen && w.Damage < sc.FoeStrike) {
    return false;
  }
  // Nor is a striker whose strike lands first met, as it walks in, busy with a gun it would still
  // be firing once the striker is well inside its reach.
  if (w.Role != kRoleMelee && sc.FoeFirst && Striker(cpu, sc) && !sc.FoeOpen && !sc.FoeGuarding) {
    const double closing = Closing(cpu, sc);
    if (closing > T.WalkingIn && sc.Dist < sc.FoeReach + closing * w.Busy - T.BusyDeep) {
      return false;
    }
  }
  // The last volleys, a run of misses, and every volley of a kind whose every weapon runs dry
  // wait for a sure shot (or a close one at a seeker).
  const bool careful =
      w.Limited && (w.Ammo <= T.LastVolleys || cpu.Misses >= T.MissesToMove || brain.Patient == 1);
  switch (w.Role) {
    case kRoleMine:
      return sc.Dist < T.MineNear && (!careful || sc.Dist < T.MineCareful);
    case kRoleSeeker:  // a runner outruns what is sent from afar
      if (Runner(cpu)) return InBand(w, sc.Dist) && (sc.Dist < T.SeekerRunner || sc.FoeOpen);
      return InBand(w, sc.Dist) && (!careful || sc.Dist < T.SeekerCareful || sc.FoeOpen);
    case kRoleMelee: {  // not into the shot of a player 1 lined up and firing: only when its
                        // volley has gone, or it is open. Pressed against it, player 1 cannot
                        // step out of a strike that would hit where it stands.
      const bool pressed = sc.Dist < me.Status.HalfWidth + sc.FoeHalf + T.ContactGap;
      return (w.Hits || (w.Sure && pressed)) &&
             !(sc.FoeLined && cpu.FoeFire > 0 && !sc.FoeCommitted && !sc.FoeOpen);
    }
    default: {
      if (!w.Hits || (cpu.Hold > 0 && !w.Sure)) return false;
      // A shot that arrives before player 1 can react, or while it cannot guard, is sure.
      const bool quick = w.Arrive <= T.QuickFrames;
      if ((w.Sure && quick) || sc.FoeOpen) return true;
      // A patient kind's shots, and limited shots against a runner, go only where player 1's
      // late movement takes it too, and soon (unless it keeps to the line, drawing straight
      // away or coming straight in): the rest is kept for the kill.
      const double across = std::fabs(cpu.FoeVX * -sc.UY + cpu.FoeVY * sc.UX) / T.VelocityScale;
      const bool along = across < T.AlongLine;
      if (brain.Patient == 1) return w.Likely && (w.Arrive <= T.PatientFlight || along);
      if (w.Limited && Runner(cpu)) {
        return w.Likely && (w.Arrive <= T.RunnerFlight || along) && (!careful || w.Sure);
      }
      if (restless && w.Sure) return true;
      // A player who guards what it sees coming gets only those.
      if (cpu.FoeGuard > T.GuardedLately && !w.BreaksGuard && w.Limited) return false;
      if (restless) return true;
      // A shot from beyond the kind's band, or a long flight, is walked out of unless player 1
      // stands still; the last volleys and a run of misses wait for that too.
      const bool still = w.Sure && sc.FoeSpeed == 0;
      const bool far = sc.Dist > brain.Far + T.ShotSlack || (w.Limited && w.Arrive > T.LongFlight);
      return still || (!far && !careful && (!w.Limited || w.Likely));
    }
  }
}

// The fire rhythm: Trigger above 0 counts the frames the button stays down, below 0 the frames
// it stays up. Returns the weapon button for this frame (0: up).
int32_t FireButton(TForm1& form, const CpuBrain& brain, const CpuScene& sc, bool want) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CpuWeapon& w = sc.Slots[cpu.Weapon >= 1 ? cpu.Weapon - 1 : 0];
  if (cpu.Trigger > 0) {
    // Held: a stream stops as soon as the line is lost; another press is held until its
    // action has started.
    const bool started = me.Action == cpu.Weapon;
    const bool keep =
        w.Usable &&
        (w.Rapid ? want : (!started || cpu.Held < T.PressFrames) && cpu.Held < T.PressMax);
    if (keep) {
      ++cpu.Held;
      if (!w.Rapid && !started) return cpu.Weapon;
      --cpu.Trigger;
      if (cpu.Trigger > 0 || !w.Rapid) return cpu.Weapon;
    }
    cpu.Trigger = -std::max(brain.FireGap, 1);
    cpu.Held = 0;
    return kButtonNone;
  }
  if (cpu.Trigger < 0) {
    ++cpu.Trigger;
    return kButtonNone;
  }
  // A fresh press acts at once only in a step that accepts one (or at the end of an idle
  // step): in the middle of a chain it would go stale before it could act.
  if (!want || (me.Action != kActionIdle && me.Step.Accept != 1)) return kButtonNone;
  cpu.Held = 1;
  cpu.Trigger = w.Rapid ? T.StreamMin + Draw(form, T.StreamSpread) : T.PressFrames;
  return cpu.Weapon;
}

// Between presses the best weapon that would hit now is taken: a melee strike first (it costs
// nothing), then against a guard what breaks it, then the plan's weapon, then any other.
void TakeChance(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  if (cpu.Trigger != 0) return;
  int32_t best = 0, best_rank = 0;
  for (int32_t k = 1; k <= 4; ++k) {
    if (!WantsFire(cpu, brain, sc, me, k)) continue;
    const CpuWeapon& w = sc.Slots[k - 1];
    int32_t rank = k == cpu.Weapon ? T.RankPlan : T.RankOther;
    // A strike goes first when it is strong, or when it went in on a shot (its stun outlasts the
    // shooter's next volley).
    const bool shot = WeaponAction(form.Robots[0].Action) && !sc.FoeStriking;
    const bool strike = Strong(w) || (cpu.Intent == kIntentPunish && shot);
    if (w.Role == kRoleMelee) rank = strike ? T.RankStrike : T.RankWeakStrike;
    if (sc.FoeGuarding && w.BreaksGuard) rank = T.RankBreaker;
    if (rank > best_rank) {
      best = k;
      best_rank = rank;
    }
  }
  if (best != 0) cpu.Weapon = best;
}

}  // namespace

void Fire(TForm1& form, const CpuBrain& brain, const CpuScene& sc, const Wish& wish) {
  CpuPlan& cpu = form.Cpu;
  CharacterData& me = form.Robots[1];
  const bool energy = me.Energy > brain.BoostEnergy;
  int32_t button = kButtonNone;
  switch (cpu.Intent) {
    case kIntentDodge:
    case kIntentEvade:
      button = cpu.DodgeButton;
      break;
    case kIntentCover: {  // deep inside its reach a guard, else boosting back out (a strike on
                          // its way is boosted out of from deeper in)
      cpu.Trigger = std::min(cpu.Trigger, 0);
      // A strike that lands first moves with its owner: on its way it is guarded when a strike
      // can answer it, or when a boost would not carry player 2 out of its reach before it goes.
      const double out =
          sc.Dist + (StrideSpeed(me, true) - std::max(Closing(cpu, sc), 0.0)) * sc.FoeStrikeIn;
      const bool stay = sc.FoeFirst && !Guardy(cpu, sc) && (sc.FoeStriking || sc.FoeStrikeOut) &&
                        (MeleeSlot(sc) != 0 || out < sc.FoeReach);
      const double deep = sc.FoeStriking ? T.CoverDeepStrike : T.CoverDeep;
      button = stay || sc.Dist < sc.FoeReach - deep || !energy ? kButtonGuard : kButtonBoost;
      break;
    }
    case kIntentKeepOff:  // boosting away, or guarding a strike already on it
      cpu.Trigger = std::min(cpu.Trigger, 0);
      button = wish.Boost ? kButtonBoost : kButtonNone;
      if (sc.Dist < T.KeepOffGuard && form.Robots[0].Action == sc.FoeMelee + 1) {
        button = kButtonGuard;
      }
      break;
    default: {
      // After a runner with no gun left, the strike the moment it reaches (while the runner has
      // one, the guns go on as usual).
      if (cpu.Intent == kIntentPin && Pursuit(cpu, sc) && !sc.FoeGuns) {
        const int32_t m = MeleeSlot(sc);
        const bool press =
            sc.Dist < sc.Slots[m - 1].Far && me.Action == kActionIdle && cpu.Trigger == 0;
        cpu.Trigger = press ? 1 : 0;
        button = press ? m : kButtonNone;
        if (wish.Boost && energy) button += kButtonBoost;
        break;
      }
      const PlanShape& shape = kPlans[cpu.Plan];
      if (cpu.Intent == kIntentPlan && shape.Guard) {
        button = kButtonGuard;
        break;
      }
      if (shape.Fire || cpu.Intent != kIntentPlan || cpu.Idle > T.Patience) {
        TakeChance(form, brain, sc);
        if (cpu.Weapon >= 1) {
          button = FireButton(form, brain, sc, WantsFire(cpu, brain, sc, me, cpu.Weapon));
        }
      }
      if (wish.Boost && energy) {
        // A strike on the run keeps the boost: letting go of it would hand a fleeing player 1
        // the distance the strike needs.
        if (button == kButtonNone) {
          button = kButtonBoost;
        } else if (sc.Slots[button - 1].Role == kRoleMelee) {
          button += kButtonBoost;
        }
      }
    }
  }
  me.InputButton = button;
}

}  // namespace zk::cpu
