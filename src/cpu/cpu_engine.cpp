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
//     frame's intent: keep off a striker whose strike follows itself as it walks in, dodge or
//     run from a shot, cover against a guarding player who lets go within reach (or a strike
//     winding up), strike a player who has committed, slip out from under a strike, circle
//     when it has sent nothing for a while, pin a runner against the field's edges (a kind
//     whose every weapon runs dry meets it where it stops to fire back), or else carry out the
//     plan.
//  6. Move: the intent's wish becomes the move keys (InputX, InputY), which stay down a few
//     frames unless it is dodging or covering.
//  7. Fire: the intent's button (InputButton): a weapon by the fire rhythm, guard or boost.
//  8. Overrides, each in one place: once a robot is down it guards; the last frame of a plan lifts
//     its weapon button (so the planning frame never holds one down on an emptied slot).
//  9. Record what was sent: a press, a watched volley, frames without a press or any field.
//
// Each step has its file: the plan in cpu_plan_choice.cpp, the intent in cpu_intent.cpp, moving in
// cpu_move.cpp, firing in cpu_fire.cpp; the reset, memory and overrides are here. Every tuning
// number is in cpu_tuning.h; each kind's differences are its CpuBrain (think.cpp).
#include <algorithm>
#include <cmath>

#include "cpu/cpu_steps.h"

namespace zk {

namespace cpu {
namespace {

// ---- 1. The one reset ----

// A new fight: what belonged to the last one (a press, a dodge, a watched volley, the fight's
// own counts) is dropped; what was learnt of player 1's habits counts half.
void StartFight(CpuPlan& cpu) {
  const CpuPlan last = cpu;
  cpu = CpuPlan{};
  cpu.Side = last.Side == -1 ? -1 : 1;
  cpu.FoeGuard = std::clamp(last.FoeGuard, 0, T.GuardMax) / T.HabitKeep;
  cpu.FoeFire = std::clamp(last.FoeFire, 0, T.FireMax) / T.HabitKeep;
  cpu.FoeRun = std::clamp(last.FoeRun, 0, T.RunMax) / T.HabitKeep;
  cpu.FoeStrikes = std::clamp(last.FoeStrikes, 0, T.StrikeMax) / T.HabitKeep;
  cpu.FoeUnguarded = T.FarBack;
  cpu.FoeShot = T.FarBack;
}

// ---- 3. Memory ----

void Remember(TForm1& form, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& foe = form.Robots[0];
  ++cpu.Frames;
  int32_t ammo = 0;
  for (int k = 0; k < 4; ++k) {
    const WeaponData& w = form.Weapons[k];
    if (w.Armed == 1 && w.Unlimited != 1) ammo += std::max(w.Ammo, 0);
  }
  cpu.FoeShot = ammo < cpu.FoeAmmo ? 0 : std::min(cpu.FoeShot + 1, T.FarBack);
  cpu.FoeAmmo = ammo;
  if (cpu.Alert > 0) --cpu.Alert;
  if (cpu.Hold > 0) --cpu.Hold;
  cpu.FoeGuard = std::clamp(cpu.FoeGuard + (sc.FoeGuarding ? T.GuardStep : -1), 0, T.GuardMax);
  cpu.FoeFire =
      std::clamp(cpu.FoeFire + (WeaponAction(foe.Action) ? T.FireStep : -1), 0, T.FireMax);
  const bool striking = sc.FoeMelee >= 0 && foe.Action == sc.FoeMelee + 1;
  cpu.FoeStrikes = std::clamp(cpu.FoeStrikes + (striking ? T.StrikeStep : -1), 0, T.StrikeMax);
  // Player 1's velocity lately, and whether it draws away.
  const double vx = foe.SpeedRight - foe.SpeedLeft, vy = foe.SpeedDown - foe.SpeedUp;
  cpu.FoeVX += static_cast<int32_t>((vx * T.VelocityScale - cpu.FoeVX) / T.LateShare);
  cpu.FoeVY += static_cast<int32_t>((vy * T.VelocityScale - cpu.FoeVY) / T.LateShare);
  const double away = (cpu.FoeVX * sc.UX + cpu.FoeVY * sc.UY) / T.VelocityScale;
  const bool running = away > T.RunAway && sc.Dist > T.RunFar;
  cpu.FoeCharge =
      std::clamp(cpu.FoeCharge + (-away > T.ChargeWalk ? T.ChargeStep : -1), 0, T.ChargeMax);
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

// ---- 9. What was sent ----

// Counts a press from the button actually sent, after the overrides: a fresh press of a straight
// limited weapon is watched (if player 1's armour has not fallen by the time the volley should
// have arrived, it missed); a frame without a weapon button adds to Idle, one without any field
// (not guarding) to Quiet.
void Record(TForm1& form, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const int32_t button = me.InputButton;
  const bool press = WeaponButton(button);
  if (press && cpu.Held == 1 && cpu.Weapon >= 1 && cpu.Watch == 0) {
    const CpuWeapon& w = sc.Slots[cpu.Weapon - 1];
    if (w.Role == kRoleLine && w.Limited) {
      cpu.Watch = static_cast<int32_t>(std::min<double>(w.Arrive, T.WatchMax)) + T.WatchSlack;
      cpu.WatchArmor = form.Robots[0].Armor;
    }
  }
  cpu.Idle = press ? 0 : cpu.Idle + 1;
  const bool quiet = me.InputX == kInputXNone && me.InputY == kInputYNone && button == kButtonNone;
  cpu.Quiet = quiet && me.Action != kActionGuard ? cpu.Quiet + 1 : 0;
}

}  // namespace
}  // namespace cpu

void ThinkWith(TForm1& form, const CpuBrain& brain) {
  CpuPlan& cpu = form.Cpu;
  if (cpu.Phase == 0 && cpu.Counter == 0) cpu::StartFight(cpu);
  const CpuLateVelocity late{cpu.FoeVX / cpu::T.VelocityScale, cpu.FoeVY / cpu::T.VelocityScale};
  const CpuScene sc =
      ReadScene(form.Robots[1], &form.Weapons[4], form.Robots[0], &form.Weapons[0], &late);
  cpu::Remember(form, sc);
  if (cpu.Phase != 1 || cpu.Plan < 0 || cpu.Plan >= kPlanKinds || cpu.Weapon < 0 ||
      cpu.Weapon > 4) {
    cpu::ChoosePlan(form, brain, sc);
  } else {
    cpu::RevisePlan(form, brain, sc);
    cpu.Intent = cpu::ChooseIntent(form, brain, sc);
    const cpu::Wish wish = cpu::IntentWish(form, brain, sc);
    cpu::Move(form, wish);
    cpu::Fire(form, brain, sc, wish);
    cpu::Overrides(form);
    cpu::Record(form, sc);
  }
}

}  // namespace zk
