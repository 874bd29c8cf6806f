// The computer opponent's intent, chosen anew each frame: keep off a striker, dodge or run from a
// shot, cover, punish, roam, pin a runner, or carry out the plan.
#include <algorithm>
#include <cmath>

#include "cpu/cpu_steps.h"

namespace zk::cpu {

namespace {

// A dodge that stands and guards for `frames` frames.
void GuardFor(CpuPlan& cpu, int32_t frames) {
  cpu.DodgeX = kInputXNone;
  cpu.DodgeY = kInputYNone;
  cpu.DodgeButton = kButtonGuard;
  cpu.DodgeLeft = frames;
}

// Decides the step away from player 1's nearest shot: true when a dodge (or a guard) started.
bool StartDodge(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CpuThreat& t = sc.Threat;
  if (!t.Seen || cpu.Alert > 0) return false;
  if (Draw(form, 100) >= brain.DodgeChance) {
    cpu.Alert = static_cast<int32_t>(t.Frames) + 1;  // this shot goes unseen
    return false;
  }
  // Sideways to the shot's path: the side player 2 already leans to needs less to clear, and a
  // side that ends within player 1's strike is taken only when the other has no room.
  const double px = -t.DirY, py = t.DirX;
  const double lean = t.MissX * px + t.MissY * py;
  const CharacterData& foe = form.Robots[0];
  double best = -1e9;
  int32_t side = 1;
  double need = 0;
  for (int32_t s : {1, -1}) {
    const double n = t.Reach - s * lean;
    const double spare = Room(me.X, me.Y, s * px, s * py) - me.Status.HalfWidth - n;
    const double ex = me.X + s * px * n - foe.X, ey = me.Y + s * py * n - foe.Y;
    const bool struck = sc.FoeReach > 0 && std::hypot(ex, ey) < sc.FoeReach + T.ReachGap;
    const double score = (spare > T.DodgeSpare ? 1000 - n : spare) - (struck ? T.StruckSide : 0);
    if (score > best) {
      best = score;
      side = s;
      need = n;
    }
  }
  const bool boost = me.Energy > brain.BoostEnergy;
  const double frames = need / StrideSpeed(me, boost) + T.StrideLag;
  if (frames > t.Frames + 1 && !t.BreaksGuard) {  // cannot clear it in time: guard it
    GuardFor(cpu, static_cast<int32_t>(t.Frames) + T.GuardExtra);
    return true;
  }
  const double sx = side * px, sy = side * py;
  const double big = std::max(std::fabs(sx), std::fabs(sy));
  cpu.DodgeX = XCode(sx / big, T.DodgeDead);
  cpu.DodgeY = YCode(sy / big, T.DodgeDead);
  cpu.DodgeButton = boost ? kButtonBoost : kButtonNone;
  cpu.DodgeLeft = std::clamp(static_cast<int32_t>(frames) + T.DodgeSlack, T.DodgeMin, T.DodgeMax);
  return true;
}

// Runs from a mine or a cloud about to catch player 2: away from it, bending toward the open
// field, boosting when energy allows; a shot that turns after it is guarded. True when it started.
bool StartEvade(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CpuThreat& c = sc.Chaser;
  if (!c.Seen || c.Frames > T.ChaserFrames || cpu.Alert > 0) return false;
  // What already has it within reach is always seen.
  if (c.Frames > 0 && Draw(form, 100) >= brain.DodgeChance) {
    cpu.Alert = static_cast<int32_t>(T.ChaserFrames);
    return false;
  }
  // A shot that turns after it would follow a run: it is guarded instead (unless it breaks a
  // guard).
  if (c.Seeks && !c.BreaksGuard) {
    cpu.DodgeX = kInputXNone;
    cpu.DodgeY = kInputYNone;
    cpu.DodgeButton = kButtonGuard;
    cpu.DodgeLeft = T.SeekerGuardFrames;
    return true;
  }
  // The run goes not into the reach of player 1's strike.
  const double foe = sc.FoeReach > 0 && sc.Dist < sc.FoeReach + T.SlipGap ? T.EvadeFoe : 0;
  const double x = c.DirX + (kFieldWidth / 2.0 - me.X) / T.OpenPullX - sc.UX * foe;
  const double y = c.DirY + (kFieldHeight / 2.0 - me.Y) / T.OpenPullY - sc.UY * foe;
  const double big = std::max({std::fabs(x), std::fabs(y), 0.01});
  cpu.DodgeX = XCode(x / big, T.DodgeDead);
  cpu.DodgeY = YCode(y / big, T.DodgeDead);
  cpu.DodgeButton = me.Energy > brain.BoostEnergy ? kButtonBoost : kButtonNone;
  cpu.DodgeLeft = T.EvadeFrames;
  return true;
}

// An edge within EdgeRoom that a strike from player 1 would drive it into.
bool EdgeBehind(const CharacterData& me, const CpuScene& sc) {
  const double r = T.EdgeRoom, back = T.EdgeBack;
  return (me.X < r && sc.UX > back) || (me.X > kFieldWidth - r && sc.UX < -back) ||
         (me.Y < r && sc.UY > back) || (me.Y > kFieldHeight - r && sc.UY < -back);
}

// Whether player 1's strike could hold it: the strike near (or nearing) with an edge at its back,
// where the knock-back cannot carry it off (also while it is struck, so that it goes the moment
// it can act); or the strike reaching it without a strong strike of its own to answer first.
bool Slipping(const TForm1& form, const CpuScene& sc) {
  const CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  if (sc.FoeReach <= 0 || sc.FoeGuarding) return false;
  const double closing = Closing(cpu, sc);
  const double near = sc.FoeReach + T.SlipGap + std::max(closing, 0.0) * T.SlipAhead;
  if (sc.Dist < near && EdgeBehind(me, sc)) return true;
  if (me.Action == kActionHit || sc.FoeOpen || !Striker(cpu, sc)) return false;
  // A striker walking in is kept out of reach; at point blank only a strong strike answers.
  if (sc.Dist < near && closing > T.WalkingIn) return true;
  return sc.Dist < sc.FoeReach + T.ReachGap && StrongMelee(sc) == 0;
}

// A striker whose strike follows itself at once wins every exchange within its reach (its next
// strike lands before any answer, and a guard only waits for it): once it has been walking in a
// while, it is kept off while it comes on (or strikes on the move, near enough to be swept) and
// the distance falls. With an edge at its back the slip goes along the edge instead.
bool KeepingOff(const TForm1& form, const CpuScene& sc) {
  const CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CharacterData& foe = form.Robots[0];
  if (!sc.FoeChains || Guardy(cpu, sc) || me.Action == kActionHit ||
      cpu.FoeCharge <= T.ChargePatience || EdgeBehind(me, sc)) {
    return false;
  }
  const bool striking = foe.Action == sc.FoeMelee + 1;
  const double sweep = sc.FoeReach + sc.FoeSpeed * sc.FoeStrikeLeft + T.KeepOffGap;
  if (striking && sc.FoeSpeed > T.KeepOffWalk && sc.Dist < sweep) return true;
  const double closing = Closing(cpu, sc);
  const double mine = (me.SpeedRight - me.SpeedLeft) * sc.UX + (me.SpeedDown - me.SpeedUp) * sc.UY;
  return closing > T.KeepOffWalk && sc.Dist < sc.FoeReach + closing * T.KeepOffAhead &&
         (striking || closing + mine > T.KeepOffFalls);
}

// Whether a strike of slot `melee` (1 to 4) that lands holds player 1 (its stun, then the wind-up
// of its own strike) until the rest of the strike's action is over, with frames to spare. Asked
// only of a guarding player whose strike lands first and who has struck lately: it strikes again
// the moment it can.
bool Holds(const CpuPlan& cpu, const CpuScene& sc, int32_t melee) {
  if (!sc.FoeFirst || !Guardy(cpu, sc) || cpu.FoeStrikes <= 0) return true;
  const CpuWeapon& m = sc.Slots[melee - 1];
  return m.Stun / sc.FoeStunRecovery + sc.FoeWindup >= m.Busy - m.Windup + T.HoldSpare;
}

}  // namespace

int32_t ChooseIntent(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  if (KeepingOff(form, sc)) {  // a dodge would stop short in its reach
    cpu.DodgeLeft = 0;
    return kIntentKeepOff;
  }
  if (cpu.DodgeLeft > 0) {
    --cpu.DodgeLeft;
    return cpu.Intent == kIntentEvade ? kIntentEvade : kIntentDodge;
  }
  if (StartDodge(form, brain, sc)) {
    --cpu.DodgeLeft;
    return kIntentDodge;
  }
  if (StartEvade(form, brain, sc)) {
    --cpu.DodgeLeft;
    return kIntentEvade;
  }
  const CharacterData& foe = form.Robots[0];
  const bool shooting = WeaponAction(foe.Action) && foe.Action != sc.FoeMelee + 1;
  // Close in front of a gun lined up and firing as it walks in, its shots land before they can be
  // seen: guard them (a walker's limited gun runs dry).
  const WeaponData& gun = form.Weapons[shooting ? foe.Action - 1 : 0];
  const bool loaded = gun.Armed == 1 && (gun.Unlimited == 1 || gun.Ammo > 0);
  const double closing = Closing(cpu, sc);
  const bool firing = cpu.FoeShot < T.ShotLately;
  if (sc.FoeLined && shooting && loaded && firing && closing > T.WalkingIn &&
      sc.Dist < T.LineGuard && me.Action != kActionHit) {
    GuardFor(cpu, T.GuardExtra - 1);
    return kIntentDodge;
  }
  const bool melee_foe = sc.FoeReach > 0;
  const double reach = sc.FoeReach;
  // A guarding player 1 that lets go within its reach is about to strike, and a strike winding
  // up or out within the distance it sweeps as player 1 walks in is coming: cover.
  const bool let_go = cpu.FoeUnguarded == 1 && foe.Action != kActionHit;
  const bool strike = sc.FoeStriking || sc.FoeStrikeOut;
  const double sweep = reach + std::max(closing, 0.0) * sc.FoeStrikeLeft;
  if (melee_foe && sc.Dist < (strike ? sweep : reach) + T.CoverGap && (let_go || strike) &&
      me.Action != kActionHit) {
    cpu.CoverLeft = T.CoverFrames;
  }
  if (cpu.CoverLeft > 0) {
    --cpu.CoverLeft;
    if (!sc.FoeCommitted) return kIntentCover;
    cpu.CoverLeft = 0;
  }
  // Player 1 has committed near by: in and strike (a weak strike only at a boost or a shot); not
  // while its strike's step takes the next press, which would land first, and against a baiting
  // striker only with a strike that holds it.
  const int32_t melee = foe.Boost == 1 || shooting ? MeleeSlot(sc) : StrongMelee(sc);
  if (sc.FoeCommitted && !sc.FoeChainsNow && melee != 0 && Holds(cpu, sc, melee) &&
      sc.Dist < std::max(reach, sc.Slots[melee - 1].Far) + T.PunishZone) {
    return kIntentPunish;
  }
  if (Slipping(form, sc)) return kIntentSlip;
  if (cpu.Quiet > T.QuietFrames) return kIntentRoam;
  // A runner is cut off from the open field and pinned.
  const CpuWeapon* w = PlanWeapon(cpu, sc);
  const double band = WeaponBand(w, brain, brain.Far);
  if (Pursuit(cpu, sc) || (Runner(cpu) && sc.Dist > band * T.PinShare && kPlans[cpu.Plan].Fire)) {
    return kIntentPin;
  }
  return kIntentPlan;
}

}  // namespace zk::cpu
