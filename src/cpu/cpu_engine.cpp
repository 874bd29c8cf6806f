// The computer opponent: one engine that drives player 2 for every robot kind.
//
// Each frame is one ordered pass (ThinkWith):
//  1. A new fight (the fight set-up leaves the plan's phase and counter both 0, which the engine
//     itself never does) clears what belongs to the last fight: StartFight, the one reset.
//  2. Read the scene once (cpu_scene.h): distance and bearing by hypot, the facing its next shot
//     leaves along, each slot's reach, ammunition and whether a volley fired now would hit player
//     1 where it will be (Hits), where it stands (Sure) and where its late movement takes it
//     (Likely); player 1's guard, commitment, melee reach and lines; its nearest shot and chaser.
//  3. Remember: player 1's guarding, firing, running and late velocity; its own misses.
//  4. A frame with phase 0 draws the next plan (kind's weights, bent by the scene) and writes no
//     control field. Plans last a few frames to a few seconds.
//  5. Revise the plan (a run of misses, long without a press, a weapon run dry), then choose the
//     frame's intent: dodge or run from a shot, cover against a guarding player who lets go
//     within reach (or a strike winding up), strike a player who has committed, circle when it
//     has sent nothing for a while, pin a runner against the field's edges (a kind whose every
//     weapon runs dry meets it where it stops to fire back), or else carry out the plan.
//  6. Move: the intent's wish becomes the move keys (InputX, InputY), which stay down a few
//     frames unless it is dodging or covering.
//  7. Fire: the intent's button (InputButton): a weapon by the fire rhythm, guard or boost.
//  8. Overrides, each in one place: once a robot is down it guards; the last frame of a plan lifts
//     its weapon button (so the planning frame never holds one down on an emptied slot).
//
// Every tuning number is in cpu_tuning.h; each kind's differences are its CpuBrain (think.cpp).
#include <algorithm>
#include <cmath>

#include "characters/playfield.h"
#include "core/dir_table.h"
#include "cpu/cpu_brain.h"
#include "cpu/cpu_scene.h"
#include "cpu/cpu_tuning.h"
#include "shell/form.h"

namespace zk {

namespace {

const CpuTuning& T = kTune;

// How a plan moves and acts.
struct PlanShape {
  int8_t Radial;  // 0 stays, 1 the weapon's band, 2 the kind's far band
  bool Lateral;   // runs sideways to player 1
  bool Align;     // steps onto the firing line
  bool Fire;
  bool Guard;
  bool Boost;
  int32_t MinFrames, MaxFrames;
};

constexpr PlanShape kPlans[kPlanKinds] = {
    {1, false, true, true, false, false, 25, 75},   // close
    {1, true, true, true, false, false, 40, 100},   // circle
    {1, true, false, true, false, false, 20, 50},   // strafe
    {2, true, true, true, false, false, 30, 80},    // keep away
    {0, false, false, true, false, false, 15, 40},  // burst
    {1, false, false, true, false, false, 30, 70},  // mine
    {0, false, false, false, true, false, 8, 25},   // guard
    {0, false, false, false, false, true, 10, 20},  // boost out
};

int32_t Draw(TForm1& form, int32_t n) {
  return n > 0 ? form.Random.Next() % n : 0;
}

// Draws an index by weight; -1 when every weight is 0.
template <int N>
int32_t DrawWeighted(TForm1& form, const int32_t (&weights)[N]) {
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

bool WeaponAction(int32_t action) {
  return action >= kActionWeapon1 && action <= kActionWeapon4;
}

bool WeaponButton(int32_t b) {
  return (b >= kButtonWeapon1 && b <= kButtonWeapon4) || b >= kButtonBoostWeapon1;
}

bool NearWall(const CharacterData& me, double margin) {
  return me.X < margin || me.X > kFieldWidth - margin || me.Y < margin ||
         me.Y > kFieldHeight - margin;
}

bool InBand(const CpuWeapon& w, double dist) {
  return dist >= w.Near && dist <= w.Far;
}

// The melee slot (1 to 4) when it is usable, else 0.
int32_t MeleeSlot(const CpuScene& sc) {
  for (int32_t k = 0; k < 4; ++k) {
    if (sc.Slots[k].Usable && sc.Slots[k].Role == kRoleMelee) return k + 1;
  }
  return 0;
}

// The melee slot when its strike is worth going in for, else 0.
int32_t StrongMelee(const CpuScene& sc) {
  const int32_t k = MeleeSlot(sc);
  return k != 0 && sc.Slots[k - 1].Damage >= T.WeakMelee ? k : 0;
}

const CpuWeapon* PlanWeapon(const CpuPlan& cpu, const CpuScene& sc) {
  return cpu.Weapon >= 1 && cpu.Weapon <= 4 ? &sc.Slots[cpu.Weapon - 1] : nullptr;
}

// The far edge of the band a weapon is used from, within the kind's; `none` without a weapon.
double WeaponBand(const CpuWeapon* w, const CpuBrain& brain, double none) {
  return w != nullptr ? std::min<double>(w->Far * T.BandShare, brain.Far) : none;
}

bool Guardy(const CpuPlan& cpu, const CpuScene& sc) {
  return sc.FoeGuarding || cpu.FoeGuard > T.GuardedLately;
}

bool Runner(const CpuPlan& cpu) {
  return cpu.FoeRun > T.RunnerPatience;
}

// ---- 1. The one reset ----

// A new fight: what belonged to the last one (a press, a dodge, a watched volley, the fight's
// own counts) is dropped; what was learnt of player 1's habits counts half.
void StartFight(CpuPlan& cpu) {
  const CpuPlan last = cpu;
  cpu = CpuPlan{};
  cpu.Side = last.Side == -1 ? -1 : 1;
  cpu.FoeGuard = std::clamp(last.FoeGuard, 0, T.GuardMax) / 2;
  cpu.FoeFire = std::clamp(last.FoeFire, 0, T.FireMax) / 2;
  cpu.FoeRun = std::clamp(last.FoeRun, 0, T.RunMax) / 2;
  cpu.FoeUnguarded = T.FarBack;
}

// ---- 3. Memory ----

void Remember(TForm1& form, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& foe = form.Robots[0];
  ++cpu.Frames;
  if (cpu.Alert > 0) --cpu.Alert;
  if (cpu.Hold > 0) --cpu.Hold;
  cpu.FoeGuard = std::clamp(cpu.FoeGuard + (sc.FoeGuarding ? T.GuardStep : -1), 0, T.GuardMax);
  cpu.FoeFire =
      std::clamp(cpu.FoeFire + (WeaponAction(foe.Action) ? T.FireStep : -1), 0, T.FireMax);
  // Player 1's velocity lately, and whether it draws away.
  const double vx = foe.SpeedRight - foe.SpeedLeft, vy = foe.SpeedDown - foe.SpeedUp;
  cpu.FoeVX += static_cast<int32_t>((vx * 16 - cpu.FoeVX) / T.LateShare);
  cpu.FoeVY += static_cast<int32_t>((vy * 16 - cpu.FoeVY) / T.LateShare);
  const double away = (cpu.FoeVX * sc.UX + cpu.FoeVY * sc.UY) / 16.0;
  const bool running = away > T.RunAway && sc.Dist > T.RunFar;
  cpu.FoeUnguarded = sc.FoeGuarding ? 0 : std::min(cpu.FoeUnguarded + 1, T.FarBack);
  cpu.FoeRun = std::clamp(cpu.FoeRun + (running ? T.RunStep : -1), 0, T.RunMax);
  // Its straight volleys: a run of misses moves it to another line.
  if (foe.Armor < cpu.WatchArmor) cpu.Misses = 0;
  if (cpu.Watch > 0 && --cpu.Watch == 0) {
    cpu.Misses = foe.Armor < cpu.WatchArmor ? 0 : cpu.Misses + 1;
    if (cpu.Misses >= T.MissesToMove) {  // this line does not pay (RevisePlan circles)
      cpu.Hold = T.MoveFrames;
      cpu.Side = -cpu.Side;
    }
  }
  cpu.WatchArmor = cpu.Watch > 0 ? cpu.WatchArmor : foe.Armor;
}

// ---- 4. The plan ----

// How much a weapon suits the moment: against a guard what breaks it, melee and what costs
// nothing; a weapon near its last volleys less.
int32_t Suitability(const CpuPlan& cpu, const CpuWeapon& w) {
  int32_t x = 4;
  if (cpu.FoeGuard > T.GuardedLately) {
    if (w.Role == kRoleMelee)
      x = 24;
    else if (w.BreaksGuard)
      x = 16;
    else if (w.Limited)
      x = 1;
  }
  if (w.Limited && w.Ammo <= T.LastVolleys) x = std::max(x / 2, 1);
  return x;
}

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
  if (sc.MyArmor < T.LowArmor) weights[kPlanKeepAway] *= 2;
  if (sc.FoeArmor < T.FoeLowArmor) weights[kPlanClose] *= 3;  // goes in for the kill
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
    weights[kPlanKeepAway] = 3;
    weights[kPlanStrafe] = 1;
  }

  cpu.Plan = std::max(DrawWeighted(form, weights), 0);
  const PlanShape& shape = kPlans[cpu.Plan];
  cpu.Weapon = shape.Fire ? ChooseWeapon(form, brain, sc, cpu.Plan) : 0;
  if ((guarded || dragging) && melee != 0 && cpu.Plan == kPlanClose) cpu.Weapon = melee;
  cpu.Counter = shape.MinFrames + Draw(form, shape.MaxFrames - shape.MinFrames + 1);
  cpu.Side = Draw(form, 2) == 0 ? 1 : -1;
  cpu.DodgeLeft = 0;
  cpu.Alert = 0;
  cpu.Phase = 1;
}

// ---- Ways to move ----

int32_t XCode(double x, double dead) {
  return x > dead ? kInputRight : (x < -dead ? kInputLeft : kInputXNone);
}
int32_t YCode(double y, double dead) {
  return y > dead ? kInputDown : (y < -dead ? kInputUp : kInputYNone);
}

// One axis of a walk to a spot `gap` pixels away, at speed `v` along the axis: none once the
// robot would coast there (speeds fall by one every `interval` frames).
int32_t AxisToSpot(double gap, int32_t v, int32_t interval, int32_t plus, int32_t minus) {
  const double coast = 0.5 * std::abs(v) * (std::abs(v) + 1) * std::max(interval, 1);
  if (std::fabs(gap) <= T.SpotSlack || (gap * v > 0 && std::fabs(gap) <= coast)) return 0;
  return gap > 0 ? plus : minus;
}

// The walking (or boosting) speed of a full stride sideways.
double StrideSpeed(const CharacterData& me, bool boost) {
  const SpeedTable& t = boost ? me.BoostSpeed : me.WalkSpeed;
  const SpeedRow& row = t.Rows[me.Facing & 7];
  return std::max({row.Speed[kGroupRight][3][0], row.Speed[kGroupDown][3][1], 1});
}

// Room from (x, y) to the field's edge along the unit (ux, uy).
double Room(double x, double y, double ux, double uy) {
  double room = kFieldWidth + kFieldHeight;
  if (ux > 0.01) room = std::min(room, (kFieldWidth - x) / ux);
  if (ux < -0.01) room = std::min(room, x / -ux);
  if (uy > 0.01) room = std::min(room, (kFieldHeight - y) / uy);
  if (uy < -0.01) room = std::min(room, y / -uy);
  return room;
}

}  // namespace

void SteerToSpot(CharacterData& me, double dx, double dy) {
  const int32_t interval = me.WalkSpeed.Rows[0].DecayInterval;
  me.InputX = AxisToSpot(dx, me.SpeedRight - me.SpeedLeft, interval, kInputRight, kInputLeft);
  me.InputY = AxisToSpot(dy, me.SpeedDown - me.SpeedUp, interval, kInputDown, kInputUp);
}

bool LineSpot(const CharacterData& foe, int32_t first, int32_t side, double dist, double& x,
              double& y) {
  for (int32_t i = 0; i < 8; ++i) {
    const DirVector d = DirTable[(first + side * ((i + 1) / 2) * (i % 2 == 0 ? -1 : 1) + 16) & 7];
    const double n = std::hypot(d.dx, d.dy);
    x = foe.X - d.dx / n * dist;
    y = foe.Y - d.dy / n * dist;
    if (x > kTune.WallMargin && x < kFieldWidth - kTune.WallMargin && y > kTune.WallMargin &&
        y < kFieldHeight - kTune.WallMargin) {
      return true;
    }
  }
  return false;
}

namespace {

// ---- 5. The intent ----

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
  // Sideways to the shot's path: the side player 2 already leans to needs less to clear.
  const double px = -t.DirY, py = t.DirX;
  const double lean = t.MissX * px + t.MissY * py;
  double best = -1e9;
  int32_t side = 1;
  double need = 0;
  for (int32_t s : {1, -1}) {
    const double n = t.Reach - s * lean;
    const double spare = Room(me.X, me.Y, s * px, s * py) - me.Status.HalfWidth - n;
    const double score = spare > T.DodgeSpare ? 1000 - n : spare;
    if (score > best) {
      best = score;
      side = s;
      need = n;
    }
  }
  const bool boost = me.Energy > brain.BoostEnergy;
  const double frames = need / StrideSpeed(me, boost) + T.StrideLag;
  if (frames > t.Frames + 1 && !t.BreaksGuard) {  // cannot clear it in time: guard it
    cpu.DodgeX = kInputXNone;
    cpu.DodgeY = kInputYNone;
    cpu.DodgeButton = kButtonGuard;
    cpu.DodgeLeft = static_cast<int32_t>(t.Frames) + T.GuardExtra;
    return true;
  }
  const double sx = side * px, sy = side * py;
  const double big = std::max(std::fabs(sx), std::fabs(sy));
  cpu.DodgeX = XCode(sx / big, T.DodgeDead);
  cpu.DodgeY = YCode(sy / big, T.DodgeDead);
  cpu.DodgeButton = boost ? kButtonBoost : kButtonNone;
  cpu.DodgeLeft = std::clamp(static_cast<int32_t>(frames) + 2, T.DodgeMin, T.DodgeMax);
  return true;
}

// Runs from a chasing shot or a mine about to catch player 2: away from it, bending toward the
// open field, boosting when energy allows; true when it started.
bool StartEvade(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CpuThreat& c = sc.Chaser;
  if (!c.Seen || c.Frames > T.ChaserFrames || cpu.Alert > 0) return false;
  if (Draw(form, 100) >= brain.DodgeChance) {
    cpu.Alert = static_cast<int32_t>(T.ChaserFrames);
    return false;
  }
  const double x = c.DirX + (kFieldWidth / 2.0 - me.X) / T.OpenPullX;
  const double y = c.DirY + (kFieldHeight / 2.0 - me.Y) / T.OpenPullY;
  const double big = std::max({std::fabs(x), std::fabs(y), 0.01});
  cpu.DodgeX = XCode(x / big, T.DodgeDead);
  cpu.DodgeY = YCode(y / big, T.DodgeDead);
  cpu.DodgeButton = me.Energy > brain.BoostEnergy ? kButtonBoost : kButtonNone;
  cpu.DodgeLeft = T.EvadeFrames;
  return true;
}

int32_t ChooseIntent(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
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
  const bool melee_foe = sc.FoeReach > 0;
  const double reach = sc.FoeReach;
  // A guarding player 1 that lets go within its reach is about to strike, and a strike winding
  // up there is coming: cover.
  const CharacterData& foe = form.Robots[0];
  const bool shooting = WeaponAction(foe.Action) && foe.Action != sc.FoeMelee + 1;
  const bool let_go = cpu.FoeUnguarded == 1 && foe.Action != kActionHit;
  if (melee_foe && sc.Dist < reach + T.CoverGap && (let_go || sc.FoeStriking) &&
      me.Action != kActionHit) {
    cpu.CoverLeft = T.CoverFrames;
  }
  if (cpu.CoverLeft > 0) {
    --cpu.CoverLeft;
    if (!sc.FoeCommitted) return kIntentCover;
    cpu.CoverLeft = 0;
  }
  // Player 1 has committed near by: in and strike (a weak strike only at a boost or a shot).
  const int32_t melee = foe.Boost == 1 || shooting ? MeleeSlot(sc) : StrongMelee(sc);
  if (sc.FoeCommitted && melee != 0 &&
      sc.Dist < std::max(reach, sc.Slots[melee - 1].Far) + T.PunishZone) {
    return kIntentPunish;
  }
  if (cpu.Quiet > T.QuietFrames) return kIntentRoam;
  // A runner is cut off from the open field and pinned.
  const CpuWeapon* w = PlanWeapon(cpu, sc);
  const double band = WeaponBand(w, brain, brain.Far);
  if (Runner(cpu) && sc.Dist > band * T.PinShare && kPlans[cpu.Plan].Fire) return kIntentPin;
  return kIntentPlan;
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

// ---- 6. Moving ----

// What the intent wants of the move keys: a direction (unit-sized), or the way to a spot.
struct Wish {
  bool Spot = false;
  double X = 0, Y = 0;
  bool Urgent = false;  // keys change at once
  bool Boost = false;   // boost when no weapon button goes down
};

// The plan's wish: a band of distance, a spot on a firing line, a sideways run.
Wish PlanWish(const CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc,
              const CharacterData& me, const CharacterData& foe) {
  const PlanShape& shape = kPlans[cpu.Plan];
  Wish wish;
  wish.Boost = shape.Boost || (cpu.Plan == kPlanClose && sc.Dist > T.FarRun);
  if (cpu.Plan == kPlanBoostOut) {  // toward the open middle, away from player 1
    wish.X = (kFieldWidth / 2.0 - me.X) / (kFieldWidth / 4.0) - sc.UX;
    wish.Y = (kFieldHeight / 2.0 - me.Y) / (kFieldHeight / 4.0) - sc.UY;
    return wish;
  }
  const CpuWeapon* w = PlanWeapon(cpu, sc);
  double lo = brain.Far - T.BandWidth, hi = brain.Far + T.BandWidth;
  if (shape.Radial == 1) {
    hi = WeaponBand(w, brain, brain.Far);
    lo = brain.Near;
    if (w != nullptr) {
      lo = std::min(std::max(w->Near * T.NearShare, lo), hi - T.BandWidth);
      if (w->Role == kRoleMine) lo = hi = T.MineSpot;  // walks into player 1's way
    }
  }
  // Out of reach of player 1's melee strike, unless striking too.
  if (w != nullptr && w->Role != kRoleMelee && sc.FoeReach > 0) {
    lo = std::max(lo, sc.FoeReach + T.ReachGap);
    hi = std::max(hi, lo + T.BandWidth / 2);
  }
  if (w != nullptr && cpu.Idle > T.Restless) {
    // Long without a press: a strike goes straight in, a straight weapon closes to where its
    // shot arrives before player 1 can guard.
    if (w->Role == kRoleMelee) {
      wish.X = sc.UX;
      wish.Y = sc.UY;
      return wish;
    }
    if (w->Role == kRoleLine) {
      lo = std::min(lo, std::max(w->Near, sc.FoeReach + T.ReachGap));
      hi = std::min(hi, lo + T.BandWidth / 2);
    }
  }
  // A weapon that flies straight wants a spot on a firing line within its band; circling
  // heads for the next line round unless it already stands on one.
  if (shape.Align && w != nullptr && (w->Role == kRoleLine || w->Role == kRoleMelee)) {
    const bool on_line = sc.LineOffset <= w->Aim;
    const int32_t first = cpu.Plan == kPlanCircle && !on_line ? sc.Facing + cpu.Side : sc.Facing;
    double tx, ty;
    // A kind whose every weapon runs dry heads for a line of where player 1 is going, so that
    // player 1 walks into its shot.
    CharacterData ahead = foe;
    if (brain.Patient == 1) {
      ahead.X = static_cast<int32_t>(foe.X + cpu.FoeVX / 16.0 * T.LeadFrames);
      ahead.Y = static_cast<int32_t>(foe.Y + cpu.FoeVY / 16.0 * T.LeadFrames);
    }
    if (LineSpot(ahead, first, cpu.Side, std::clamp(sc.Dist, lo, hi), tx, ty)) {
      wish.Spot = true;
      wish.X = tx - me.X;
      wish.Y = ty - me.Y;
      return wish;
    }
  }
  if (shape.Radial != 0) {
    if (sc.Dist > hi) {
      wish.X += sc.UX;
      wish.Y += sc.UY;
    } else if (sc.Dist < lo) {
      wish.X -= sc.UX;
      wish.Y -= sc.UY;
    }
  }
  if (shape.Lateral) {
    wish.X += -sc.UY * cpu.Side * T.LateralShare;
    wish.Y += sc.UX * cpu.Side * T.LateralShare;
  }
  // The walls push back.
  if (me.X < T.WallMargin) wish.X += 1;
  if (me.X > kFieldWidth - T.WallMargin) wish.X -= 1;
  if (me.Y < T.WallMargin) wish.Y += 1;
  if (me.Y > kFieldHeight - T.WallMargin) wish.Y -= 1;
  // Between its own shots it does not linger where player 1's straight weapons reach.
  if (sc.FoeLined && cpu.FoeFire > 0 && cpu.Trigger <= 0 && me.Action == kActionIdle &&
      cpu.Idle <= T.Restless && foe.Action != kActionHit) {
    const double m = std::max(std::hypot(wish.X, wish.Y), 1.0);
    wish.X = -sc.UY * cpu.Side + wish.X / m * 0.3;
    wish.Y = sc.UX * cpu.Side + wish.Y / m * 0.3;
  }
  return wish;
}

// A spot `dist` from player 1 on the side of the open field, so that its way out leads to the
// edges.
Wish PinWish(const CpuScene& sc, const CharacterData& me, const CharacterData& foe, double dist) {
  double ox = kFieldWidth / 2.0 - foe.X, oy = kFieldHeight / 2.0 - foe.Y;
  const double n = std::hypot(ox, oy);
  if (n < dist) {  // player 1 is in the middle: come from where it stands
    ox = -sc.UX;
    oy = -sc.UY;
  } else {
    ox /= n;
    oy /= n;
  }
  Wish wish;
  wish.Spot = true;
  wish.X = foe.X + ox * dist - me.X;
  wish.Y = foe.Y + oy * dist - me.Y;
  wish.Boost = sc.Dist > T.PinBoost;
  return wish;
}

Wish IntentWish(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CharacterData& foe = form.Robots[0];
  Wish wish;
  switch (cpu.Intent) {
    case kIntentDodge:
    case kIntentEvade:
      wish.Urgent = true;
      wish.X = cpu.DodgeX == kInputRight ? 1 : (cpu.DodgeX == kInputLeft ? -1 : 0);
      wish.Y = cpu.DodgeY == kInputDown ? 1 : (cpu.DodgeY == kInputUp ? -1 : 0);
      return wish;
    case kIntentCover:  // back off out of its reach
      wish.Urgent = true;
      wish.X = -sc.UX;
      wish.Y = -sc.UY;
      return wish;
    case kIntentPunish: {
      const CpuWeapon& w = sc.Slots[MeleeSlot(sc) - 1];
      wish.Urgent = true;
      wish.Spot = true;
      const double d = sc.Dist - w.Far * T.NearShare * 0.5;
      wish.X = sc.UX * d;
      wish.Y = sc.UY * d;
      wish.Boost = sc.Dist > w.Far;
      return wish;
    }
    case kIntentPin: {
      const CpuWeapon* w = PlanWeapon(cpu, sc);
      const double band = WeaponBand(w, brain, brain.Near);
      // A kind whose every weapon runs dry meets a runner at a distance where it stops to fire
      // back, and takes it standing; when nothing goes off from there, or its shots miss, it
      // closes in for a while.
      if (cpu.CloseIn > 0) --cpu.CloseIn;
      bool standoff = brain.Patient == 1 && cpu.CloseIn == 0 && w != nullptr &&
                      w->Far > T.PinStandoff + T.BandWidth;
      if (standoff && (cpu.Idle > T.StandPatience || cpu.Misses >= T.MissesToMove)) {
        cpu.CloseIn = T.CloseInFrames;
        standoff = false;
      }
      return PinWish(
          sc, me, foe,
          standoff ? T.PinStandoff : std::max(band * T.PinShare, sc.FoeReach + T.ReachGap));
    }
    case kIntentRoam: {
      wish.X = -sc.UY * cpu.Side + (kFieldWidth / 2.0 - me.X) / T.OpenPullX;
      wish.Y = sc.UX * cpu.Side + (kFieldHeight / 2.0 - me.Y) / T.OpenPullY;
      if (std::fabs(wish.X) <= T.SteerDead && std::fabs(wish.Y) <= T.SteerDead) {
        wish.X = wish.X < 0 ? -1 : 1;
      }
      return wish;
    }
    default:
      return PlanWish(cpu, brain, sc, me, foe);
  }
}

// Writes the move keys from the wish; a change waits until the keys have been down a while.
void Move(TForm1& form, const Wish& wish) {
  CpuPlan& cpu = form.Cpu;
  CharacterData& me = form.Robots[1];
  const int32_t last_x = me.InputX, last_y = me.InputY;
  if (wish.Spot) {
    SteerToSpot(me, wish.X, wish.Y);
  } else {
    me.InputX = XCode(wish.X, T.SteerDead);
    me.InputY = YCode(wish.Y, T.SteerDead);
  }
  const bool changed = me.InputX != last_x || me.InputY != last_y;
  if (changed && !wish.Urgent && cpu.KeyHold < T.KeyHoldMin) {
    me.InputX = last_x;
    me.InputY = last_y;
  }
  cpu.KeyHold = me.InputX != last_x || me.InputY != last_y ? 0 : cpu.KeyHold + 1;
}

// ---- 7. Firing ----

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
    case kRoleMelee:
      return w.Hits;
    default: {
      if (!w.Hits || (cpu.Hold > 0 && !w.Sure)) return false;
      // A shot that arrives before player 1 can react, or while it cannot guard, is sure.
      const bool quick = w.Arrive <= T.QuickFrames;
      if ((w.Sure && quick) || sc.FoeOpen) return true;
      // A patient kind's shots, and limited shots against a runner, go only where player 1's
      // late movement takes it too, and soon (unless it keeps to the line, drawing straight
      // away or coming straight in): the rest is kept for the kill.
      const double across = std::fabs(cpu.FoeVX * -sc.UY + cpu.FoeVY * sc.UX) / 16.0;
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
  // A straight volley is watched: if player 1's armour has not fallen by the time it should
  // have arrived, it missed.
  if (w.Role == kRoleLine && w.Limited && cpu.Watch == 0) {
    cpu.Watch = static_cast<int32_t>(std::min<double>(w.Arrive, T.WatchMax)) + T.WatchSlack;
    cpu.WatchArmor = form.Robots[0].Armor;
  }
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
    int32_t rank = k == cpu.Weapon ? 3 : 2;
    if (w.Role == kRoleMelee) rank = w.Damage >= T.WeakMelee ? 5 : 1;
    if (sc.FoeGuarding && w.BreaksGuard) rank = 4;
    if (rank > best_rank) {
      best = k;
      best_rank = rank;
    }
  }
  if (best != 0) cpu.Weapon = best;
}

// Writes the button: the dodge's, guard, a weapon by the fire rhythm, or boost.
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
    case kIntentCover:  // deep inside its reach a guard, else boosting back out (a strike on its
                        // way is boosted out of from deeper in)
      cpu.Trigger = std::min(cpu.Trigger, 0);
      button = sc.Dist < sc.FoeReach - (sc.FoeStriking ? T.CoverDeepStrike : T.CoverDeep) || !energy
                   ? kButtonGuard
                   : kButtonBoost;
      break;
    default: {
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
      if (button == kButtonNone && wish.Boost && energy) button = kButtonBoost;
    }
  }
  me.InputButton = button;
  cpu.Idle = WeaponButton(button) ? 0 : cpu.Idle + 1;
  const bool quiet = me.InputX == kInputXNone && me.InputY == kInputYNone && button == kButtonNone;
  cpu.Quiet = quiet && me.Action != kActionGuard ? cpu.Quiet + 1 : 0;
}

// ---- 8. Overrides ----

void Overrides(TForm1& form) {
  CpuPlan& cpu = form.Cpu;
  CharacterData& me = form.Robots[1];
  // Once a robot is down player 2 guards against what is still in flight.
  if (form.KoPending != 0) me.InputButton = kButtonGuard;
  // The last frame of a plan lifts its weapon button: the planning frame writes nothing and
  // must not hold one down on a slot this frame's shot may empty, nor into the next fight.
  if (--cpu.Counter <= 0) {
    cpu.Phase = 0;
    cpu.Counter = -1;
  }
  if (cpu.Phase == 0 || form.KoPending != 0) {
    if (me.InputButton >= kButtonWeapon1 && me.InputButton <= kButtonWeapon4) {
      me.InputButton = kButtonNone;
    }
    if (me.InputButton >= kButtonBoostWeapon1 && me.InputButton <= kButtonBoostWeapon4) {
      me.InputButton = kButtonBoost;
    }
    cpu.Trigger = std::min(cpu.Trigger, 0);
  }
}

}  // namespace

void ThinkWith(TForm1& form, const CpuBrain& brain) {
  CpuPlan& cpu = form.Cpu;
  if (cpu.Phase == 0 && cpu.Counter == 0) StartFight(cpu);
  const CpuLateVelocity late{cpu.FoeVX / 16.0, cpu.FoeVY / 16.0};
  const CpuScene sc =
      ReadScene(form.Robots[1], &form.Weapons[4], form.Robots[0], &form.Weapons[0], &late);
  Remember(form, sc);
  if (cpu.Phase != 1 || cpu.Plan < 0 || cpu.Plan >= kPlanKinds || cpu.Weapon < 0 ||
      cpu.Weapon > 4) {
    ChoosePlan(form, brain, sc);
  } else {
    RevisePlan(form, brain, sc);
    cpu.Intent = ChooseIntent(form, brain, sc);
    const Wish wish = IntentWish(form, brain, sc);
    Move(form, wish);
    Fire(form, brain, sc, wish);
    Overrides(form);
  }
}

}  // namespace zk
