// The computer opponent: one engine that drives player 2 for every robot kind.
//
// Design. Each frame the engine reads the scene once (cpu_scene.h): distance and bearing to
// player 1 by hypot; the facing player 2's next shot leaves along; each weapon slot's reach,
// worked out from its shot templates, whether it is usable (armed, ammunition left) and, for
// straight weapons and melee, whether a volley fired now would pass through player 1's body
// where it will be (Hits) and where it stands (Sure), from the real muzzles with the shots' real
// size; both robots' armour; whether player 1 guards, can guard at once, or could hit player 2
// with a straight weapon where it stands; player 1's nearest shot that will pass through player 2
// and its nearest chasing shot or mine.
//
// Plans (cpu_brain.h) last a random few frames to a few seconds. In a frame with Phase 0 the
// engine draws the next plan, its weapon and its circling side from the game's one random
// generator, weighted by the kind's table and by the scene (a mine plan only with a mine left,
// guard only while player 1 fires, a boost out of a corner only in one and with energy to spare,
// keeping away more often when player 2's armour is low, closing in more often when player 1 is
// nearly down, against a guard, or when the fight drags on, then with melee); that frame writes
// no control field, and the last frame of every plan lifts its weapon button; once a robot is
// down player 2 guards. The other frames turn the plan into control fields: a distance band (the
// weapon's reach within the kind's band, kept outside player 1's melee reach), a walk to a spot on
// one of player 1's eight firing lines for weapons that fly straight (the next line round when
// circling), a strike from a gap between those lines against a guard, or a sideways run, guard or
// boost. Between its own shots it steps off the lines of a player 1 who fires.
//
// Fire follows the action chains' rules: a weapon button goes down only after a frame up and in
// a step that accepts a fresh press (or idle), is held until its action has started (a streaming
// weapon for a burst, while the line holds), then goes up for the kind's gap. Between presses the
// best weapon that would hit now is taken: melee first, then against a guard what breaks it, then
// the plan's. Straight shots go only where they hit; against a player who guards what it sees
// coming, and for a patient kind, only shots that arrive before a guard can go up or while player 1
// cannot guard; from beyond the kind's band, on a long flight, with the last three volleys or
// after two misses, only at a player who stands still. Two misses in a row move it to another
// line. Nothing holds fire for long: after 60 frames without a press any hit goes, after 120
// melee goes straight in. Only a slot its variant arms and that has ammunition left is ever
// pressed, and a plan's weapon that runs dry is replaced at once. Sending nothing for 12 frames,
// it circles player 1.
//
// The dodge comes before the plan: when player 1's nearest shot will hit, the kind's dodge
// chance decides whether it is seen (an unseen shot is not looked at again until it would have
// arrived); a seen shot is stepped away from sideways to its path, toward the side that needs
// less to clear and has the room, boosting when energy allows; when the step cannot clear it in
// time and the shot does not break guards, player 2 guards. A chasing shot or mine about to catch
// it is run from, toward the open field.
//
// A new fight shows as player 2's armour coming back: the last fight's press, dodge and watch
// are dropped and what was learnt of player 1's guarding counts half.
//
// Per-kind differences are data: each decision routine (think.cpp) is one call with its kind's
// CpuBrain.
#include <algorithm>
#include <cmath>

#include "characters/playfield.h"
#include "core/dir_table.h"
#include "cpu/cpu_brain.h"
#include "cpu/cpu_scene.h"
#include "shell/form.h"

namespace zk {

namespace {

constexpr int32_t kWallMargin = 70;
constexpr double kSteer = 0.3;          // a wish component below this leaves that axis alone
constexpr double kSpotSlack = 4;        // pixels from a spot that count as there
constexpr int32_t kGuardedLately = 30;  // FoeGuard above this: player 1 guards a lot
constexpr double kShotSlack = 80;       // straight shots fly this far past the kind's far band
constexpr int32_t kLastVolleys = 3;     // a limited weapon's last volleys wait for sure shots
constexpr double kQuickFrames = 7;      // a shot arriving this soon cannot be guarded in time
constexpr double kLongFlight = 16;      // frames of flight a moving player is likely to leave
constexpr double kChaserFrames = 6;     // a chasing shot or mine this close is run from
constexpr int32_t kLongFight = 1200;    // frames after which it goes in with melee more often
constexpr int32_t kQuietFrames = 12;    // sending nothing this long, it moves on
constexpr int32_t kPatience = 60;       // frames without a press before any hit is taken
constexpr int32_t kMissesToMove = 2;    // straight volleys missed in a row before it moves
constexpr int32_t kMoveFrames = 30;     // frames it holds straight fire while it moves

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

bool NearWall(const CharacterData& me, int32_t margin) {
  return me.X < margin || me.X > kFieldWidth - margin || me.Y < margin ||
         me.Y > kFieldHeight - margin;
}

bool InBand(const CpuWeapon& w, double dist) {
  return dist >= w.Near && dist <= w.Far;
}

// How much a weapon suits the moment: against a guard what breaks it, melee and what costs
// nothing; a weapon near its last volleys less.
int32_t Suitability(const CpuPlan& cpu, const CpuWeapon& w) {
  const bool guarded = cpu.FoeGuard > kGuardedLately;
  int32_t x = 4;
  if (guarded) {
    if (w.Role == kRoleMelee)
      x = 24;
    else if (w.BreaksGuard)
      x = 16;
    else if (w.Limited)
      x = 1;
  }
  if (w.Limited && w.Ammo <= kLastVolleys) x = std::max(x / 2, 1);
  return x;
}

// A weapon for `plan`: a mine for the mine plan, else the usable weapons by the kind's
// preference, three times as likely where the distance already suits them.
int32_t ChooseWeapon(TForm1& form, const CpuBrain& brain, const CpuScene& sc, int32_t plan) {
  int32_t weights[4] = {};
  for (int k = 0; k < 4; ++k) {
    const CpuWeapon& w = sc.Slots[k];
    if (!w.Usable || (w.Role == kRoleMine) != (plan == kPlanMine)) continue;
    weights[k] = brain.SlotWeight[k] * (InBand(w, sc.Dist) ? 3 : 1) * Suitability(form.Cpu, w);
  }
  return DrawWeighted(form, weights) + 1;
}

// The melee slot (1 to 4) when it is usable, else 0.
int32_t MeleeSlot(const CpuScene& sc) {
  for (int32_t k = 0; k < 4; ++k) {
    if (sc.Slots[k].Usable && sc.Slots[k].Role == kRoleMelee) return k + 1;
  }
  return 0;
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
  const bool cornered = NearWall(me, kWallMargin + 20) && sc.Dist < 250;
  if (!cornered || me.Energy <= brain.BoostEnergy) weights[kPlanBoostOut] = 0;
  if (sc.MyArmor < 0.3) weights[kPlanKeepAway] *= 2;
  if (sc.FoeArmor < 0.25) weights[kPlanClose] *= 3;  // goes in for the kill
  // A guarding player 1 cannot fire back: step in and strike, or lay mines in its way.
  const int32_t melee = MeleeSlot(sc);
  const bool guarded = sc.FoeGuarding || cpu.FoeGuard > kGuardedLately;
  const bool dragging = cpu.Frames > kLongFight && melee != 0;  // shooting has not settled it
  if (dragging) weights[kPlanClose] += 60;
  if (guarded) {
    weights[kPlanKeepAway] = 0;
    weights[kPlanGuard] = 0;
    if (melee != 0) weights[kPlanClose] += 100;
    weights[kPlanMine] *= 3;
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

// Control fields of a wish to move along the unit-sized (x, y).
int32_t XCode(double x, double dead) {
  return x > dead ? kInputRight : (x < -dead ? kInputLeft : kInputXNone);
}
int32_t YCode(double y, double dead) {
  return y > dead ? kInputDown : (y < -dead ? kInputUp : kInputYNone);
}

void Steer(CharacterData& me, double x, double y) {
  me.InputX = XCode(x, kSteer);
  me.InputY = YCode(y, kSteer);
}

// One axis of a walk to a spot `gap` pixels away, at speed `v` along the axis: none once the
// robot would coast there (speeds fall by one every `interval` frames).
int32_t AxisToSpot(double gap, int32_t v, int32_t interval, int32_t plus, int32_t minus) {
  const double coast = 0.5 * std::abs(v) * (std::abs(v) + 1) * std::max(interval, 1);
  if (std::fabs(gap) <= kSpotSlack || (gap * v > 0 && std::fabs(gap) <= coast)) return 0;
  return gap > 0 ? plus : minus;
}

}  // namespace

void SteerToSpot(CharacterData& me, double dx, double dy) {
  const int32_t interval = me.WalkSpeed.Rows[0].DecayInterval;
  me.InputX = AxisToSpot(dx, me.SpeedRight - me.SpeedLeft, interval, kInputRight, kInputLeft);
  me.InputY = AxisToSpot(dy, me.SpeedDown - me.SpeedUp, interval, kInputDown, kInputUp);
}

namespace {

// The walking (or boosting) speed of a full stride sideways.
double StrideSpeed(const CharacterData& me, bool boost) {
  const SpeedTable& t = boost ? me.BoostSpeed : me.WalkSpeed;
  const SpeedRow& row = t.Rows[me.Facing & 7];
  return std::max({row.Speed[kGroupRight][3][0], row.Speed[kGroupDown][3][1], 1});
}

// Room from (x, y) to the field's edge along the unit (ux, uy).
double Room(double x, double y, double ux, double uy) {
  double room = 1000;
  if (ux > 0.01) room = std::min(room, (kFieldWidth - x) / ux);
  if (ux < -0.01) room = std::min(room, x / -ux);
  if (uy > 0.01) room = std::min(room, (kFieldHeight - y) / uy);
  if (uy < -0.01) room = std::min(room, y / -uy);
  return room;
}

// Decides the step away from the threat: true when a dodge (or a guard) was started.
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
    const double score = spare > 10 ? 1000 - n : spare;
    if (score > best) {
      best = score;
      side = s;
      need = n;
    }
  }
  const bool boost = me.Energy > brain.BoostEnergy;
  const double frames = need / StrideSpeed(me, boost) + 3;  // a stride takes a few to reach
  if (frames > t.Frames + 1 && !t.BreaksGuard) {
    cpu.DodgeX = 0;
    cpu.DodgeY = 0;
    cpu.DodgeButton = kButtonGuard;
    cpu.DodgeLeft = static_cast<int32_t>(t.Frames) + 4;
    return true;
  }
  const double sx = side * px, sy = side * py;
  const double big = std::max(std::fabs(sx), std::fabs(sy));
  cpu.DodgeX = XCode(sx / big, 0.4);
  cpu.DodgeY = YCode(sy / big, 0.4);
  cpu.DodgeButton = boost ? kButtonBoost : kButtonNone;
  cpu.DodgeLeft = std::clamp(static_cast<int32_t>(frames) + 2, 4, 20);
  return true;
}

// Runs from a chasing shot or a mine about to catch player 2: away from it, bending toward the
// open field, boosting when energy allows; true when it started.
bool EvadeChaser(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& me = form.Robots[1];
  const CpuThreat& c = sc.Chaser;
  if (!c.Seen || c.Frames > kChaserFrames || cpu.Alert > 0) return false;
  if (Draw(form, 100) >= brain.DodgeChance) {
    cpu.Alert = kChaserFrames;
    return false;
  }
  const double x = c.DirX + (kFieldWidth / 2.0 - me.X) / 400;
  const double y = c.DirY + (kFieldHeight / 2.0 - me.Y) / 300;
  const double big = std::max({std::fabs(x), std::fabs(y), 0.01});
  cpu.DodgeX = XCode(x / big, 0.4);
  cpu.DodgeY = YCode(y / big, 0.4);
  cpu.DodgeButton = me.Energy > brain.BoostEnergy ? kButtonBoost : kButtonNone;
  cpu.DodgeLeft = 8;
  return true;
}

}  // namespace

bool LineSpot(const CharacterData& foe, int32_t first, int32_t side, double dist, double& x,
              double& y) {
  for (int32_t i = 0; i < 8; ++i) {
    const DirVector d = DirTable[(first + side * ((i + 1) / 2) * (i % 2 == 0 ? -1 : 1) + 16) & 7];
    const double n = std::hypot(d.dx, d.dy);
    x = foe.X - d.dx / n * dist;
    y = foe.Y - d.dy / n * dist;
    if (x > kWallMargin && x < kFieldWidth - kWallMargin && y > kWallMargin &&
        y < kFieldHeight - kWallMargin) {
      return true;
    }
  }
  return false;
}

namespace {

// A spot `dist` from `foe` in a gap between its firing lines, nearest `me`: just inside the
// edge of an axis direction's sector (which spans 30 degrees each way), where the line it fires
// along passes wide of a robot standing there while a strike back still reaches.
bool GapSpot(const CharacterData& foe, const CharacterData& me, double dist, double& x, double& y) {
  constexpr double kEdge = 0.5061;                             // 29 degrees
  const double here = std::atan2(me.X - foe.X, foe.Y - me.Y);  // clockwise from up
  double best = 1e9;
  bool found = false;
  for (int32_t i = 0; i < 8; ++i) {
    const double a = (i / 2) * 1.5707963 + (i % 2 == 0 ? kEdge : -kEdge);
    const double sx = foe.X + std::sin(a) * dist, sy = foe.Y - std::cos(a) * dist;
    if (sx < kWallMargin / 2 || sx > kFieldWidth - kWallMargin / 2 || sy < kWallMargin / 2 ||
        sy > kFieldHeight - kWallMargin / 2) {
      continue;
    }
    const double turn = std::fabs(std::remainder(a - here, 6.283185307));
    if (turn < best) {
      best = turn;
      x = sx;
      y = sy;
      found = true;
    }
  }
  return found;
}

// The plan's wish to move: a unit-sized direction, or (returning true) the way to a spot in
// pixels.
bool PlanMove(const CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc,
              const CharacterData& me, const CharacterData& foe, double& x, double& y) {
  const PlanShape& shape = kPlans[cpu.Plan];
  x = 0;
  y = 0;
  if (cpu.Plan == kPlanBoostOut) {  // toward the open middle, away from player 1
    x = (kFieldWidth / 2.0 - me.X) / 200 - sc.UX;
    y = (kFieldHeight / 2.0 - me.Y) / 150 - sc.UY;
    return false;
  }
  const CpuWeapon* w = cpu.Weapon >= 1 ? &sc.Slots[cpu.Weapon - 1] : nullptr;
  double lo = brain.Far - 60, hi = brain.Far + 60;
  if (shape.Radial == 1) {
    hi = static_cast<double>(brain.Far);
    lo = static_cast<double>(brain.Near);
    if (w != nullptr) {
      hi = std::min(w->Far * 0.85, hi);
      lo = std::min(std::max(w->Near * 1.1, lo), hi - 60);
      if (w->Role == kRoleMine) lo = hi = 90;  // walks into player 1's way
    }
  }
  // Out of reach of player 1's melee strike, unless striking too or player 1 guards.
  if (w != nullptr && w->Role != kRoleMelee && !sc.FoeGuarding && sc.FoeReach > 0) {
    lo = std::max(lo, sc.FoeReach + 15);
    hi = std::max(hi, lo + 30);
  }
  // Long without a press, a straight weapon closes to where its shot arrives before player 1
  // can guard.
  if (w != nullptr && w->Role == kRoleLine && cpu.Idle > 2 * kPatience) {
    lo = std::min(lo, std::max(w->Near, sc.FoeReach + 5));
    hi = std::min(hi, lo + 30);
  }
  // A weapon that flies straight wants a spot on a firing line within its band; circling
  // heads for the next line round unless it already stands on one.
  // Long without a press, a strike goes straight in.
  if (w != nullptr && w->Role == kRoleMelee && cpu.Idle > 2 * kPatience && sc.Dist > 0) {
    x = sc.UX;
    y = sc.UY;
    return false;
  }
  // A strike goes in from a gap between player 1's firing lines, where it cannot fire back.
  if (w != nullptr && w->Role == kRoleMelee && shape.Radial != 0 && sc.FoeGuarding) {
    double tx, ty;
    if (GapSpot(foe, me, std::min(w->Far * 0.85, hi), tx, ty)) {
      x = tx - me.X;
      y = ty - me.Y;
      return true;
    }
  }
  if (shape.Align && w != nullptr && (w->Role == kRoleLine || w->Role == kRoleMelee)) {
    const bool on_line = sc.LineOffset <= w->Aim;
    const int32_t first = cpu.Plan == kPlanCircle && !on_line ? sc.Facing + cpu.Side : sc.Facing;
    double tx, ty;
    if (LineSpot(foe, first, cpu.Side, std::clamp(sc.Dist, lo, hi), tx, ty)) {
      x = tx - me.X;
      y = ty - me.Y;
      return true;
    }
  }
  if (shape.Radial != 0) {
    if (sc.Dist > hi) {
      x += sc.UX;
      y += sc.UY;
    } else if (sc.Dist < lo) {
      x -= sc.UX;
      y -= sc.UY;
    }
  }
  if (shape.Lateral) {
    x += -sc.UY * cpu.Side * 0.8;
    y += sc.UX * cpu.Side * 0.8;
  }
  // The walls push back.
  if (me.X < kWallMargin) x += 1;
  if (me.X > kFieldWidth - kWallMargin) x -= 1;
  if (me.Y < kWallMargin) y += 1;
  if (me.Y > kFieldHeight - kWallMargin) y -= 1;
  return false;
}

// Whether weapon `k` (1 to 4) would hit now, and is worth what it spends.
bool WantsFire(const CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc,
               const CharacterData& me, int32_t k) {
  if (k < 1 || k > 4 || me.Action == kActionHit) return false;
  const CpuWeapon& w = sc.Slots[k - 1];
  if (!w.Usable) return false;
  const bool restless = cpu.Idle > kPatience;  // nothing has gone off for a while
  // Against a guard a limited weapon that does not break it waits, unless nothing else fires.
  if (sc.FoeGuarding && w.Limited && !w.BreaksGuard && w.Role != kRoleMelee && !restless) {
    return false;
  }
  // The last volleys, and a run of misses, wait for a sure shot (or a close one at a seeker).
  const bool careful = w.Limited && (w.Ammo <= kLastVolleys || cpu.Misses >= kMissesToMove);
  switch (w.Role) {
    case kRoleMine:
      return sc.Dist < 220 && (!careful || sc.Dist < 120);
    case kRoleSeeker:
      return InBand(w, sc.Dist) && (!careful || sc.Dist < 200 || sc.FoeOpen);
    case kRoleMelee:
      return w.Hits;
    default: {
      if (!w.Hits || (cpu.Hold > 0 && !w.Sure)) return false;
      // A shot that arrives before player 1 can react, or while it cannot guard, is sure.
      const bool quick = w.Arrive <= kQuickFrames;
      if ((w.Sure && quick) || sc.FoeOpen) return true;
      if (restless && (w.Sure || brain.Patient != 1)) return true;
      // A player who guards what it sees coming, and a patient kind, get only those.
      const bool guardy = cpu.FoeGuard > kGuardedLately && !w.BreaksGuard && w.Limited;
      if (guardy || brain.Patient == 1) return false;
      // A shot from beyond the kind's band, or a long flight, is walked out of unless player 1
      // stands still; the last volleys and a run of misses wait for that too.
      const bool still = w.Sure && sc.FoeSpeed == 0;
      const bool far = sc.Dist > brain.Far + kShotSlack || (w.Limited && w.Arrive > kLongFlight);
      return still || (!far && !careful);
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
    const bool keep = w.Usable && (w.Rapid ? want : (!started || cpu.Held < 3) && cpu.Held < 30);
    if (keep) {
      ++cpu.Held;
      if (!w.Rapid && !started) return cpu.Weapon;
      --cpu.Trigger;
      if (cpu.Trigger > 0 || !w.Rapid) return cpu.Weapon;
    }
    cpu.Trigger = -std::max(brain.FireGap, 1);
    cpu.Held = 0;
    return 0;
  }
  if (cpu.Trigger < 0) {
    ++cpu.Trigger;
    return 0;
  }
  // A fresh press acts at once only in a step that accepts one (or at the end of an idle
  // step): in the middle of a chain it would go stale before it could act.
  if (!want || (me.Action != kActionIdle && me.Step.Accept != 1)) return kButtonNone;
  cpu.Held = 1;
  cpu.Trigger = w.Rapid ? 15 + Draw(form, 30) : 3;
  // A straight volley is watched: if player 1's armour has not fallen by the time it should
  // have arrived, it missed.
  if (w.Role == kRoleLine && w.Limited && cpu.Watch == 0) {
    cpu.Watch = static_cast<int32_t>(std::min(w.Arrive, 60.0)) + 6;
    cpu.WatchArmor = form.Robots[0].Armor;
  }
  return cpu.Weapon;
}

// Between presses the best weapon that would hit now is taken: a melee strike first (it costs
// nothing), then against a guard what breaks it, then the plan's weapon, then any other.
void TakeChance(CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc, const CharacterData& me) {
  if (cpu.Trigger != 0) return;
  int32_t best = 0, best_rank = 0;
  for (int32_t k = 1; k <= 4; ++k) {
    if (!WantsFire(cpu, brain, sc, me, k)) continue;
    const CpuWeapon& w = sc.Slots[k - 1];
    int32_t rank = k == cpu.Weapon ? 3 : 2;
    if (w.Role == kRoleMelee) rank = 5;
    if (sc.FoeGuarding && w.BreaksGuard) rank = 4;
    if (rank > best_rank) {
      best = k;
      best_rank = rank;
    }
  }
  if (best != 0) cpu.Weapon = best;
}

// Keeps the plan's weapon usable: when it has run dry another of the same kind of use is taken.
void KeepWeaponUsable(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  if (cpu.Weapon < 1 || cpu.Weapon > 4 || sc.Slots[cpu.Weapon - 1].Usable) return;
  cpu.Weapon = ChooseWeapon(form, brain, sc, kPlanClose);
  cpu.Trigger = std::min(cpu.Trigger, 0);
  cpu.Held = 0;
}

// What it remembers of player 1 and of its own shots.
void Remember(TForm1& form, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  const CharacterData& foe = form.Robots[0];
  if (cpu.Alert > 0) --cpu.Alert;
  if (cpu.Hold > 0) --cpu.Hold;
  cpu.FoeGuard = std::clamp(cpu.FoeGuard + (sc.FoeGuarding ? 6 : -1), 0, 400);
  const bool firing = WeaponAction(foe.Action);
  cpu.FoeFire = std::clamp(cpu.FoeFire + (firing ? 10 : -1), 0, 200);
  if (foe.Armor < cpu.WatchArmor) cpu.Misses = 0;  // something hit
  if (cpu.Watch > 0 && --cpu.Watch == 0) {
    cpu.Misses = foe.Armor < cpu.WatchArmor ? 0 : cpu.Misses + 1;
    if (cpu.Misses >= kMissesToMove) {  // this line does not pay: circle to another one
      cpu.Hold = kMoveFrames;
      cpu.Side = -cpu.Side;
      if (cpu.Plan != kPlanGuard && cpu.Plan != kPlanBoostOut) {
        cpu.Plan = kPlanCircle;
        cpu.Counter = std::max(cpu.Counter, kMoveFrames);
      }
    }
  }
  cpu.WatchArmor = cpu.Watch > 0 ? cpu.WatchArmor : foe.Armor;
}

// A fresh fight (player 2's armour has come back): the last fight's press, dodge and watch are
// dropped, and what was learnt of player 1's guarding counts for half.
void NewFight(CpuPlan& cpu) {
  cpu.Trigger = 0;
  cpu.Held = 0;
  cpu.DodgeLeft = 0;
  cpu.Alert = 0;
  cpu.FoeGuard /= 2;
  cpu.Quiet = 0;
  cpu.Idle = 0;
  cpu.Misses = 0;
  cpu.Watch = 0;
  cpu.Hold = 0;
  cpu.Frames = 0;
}

void FollowPlan(TForm1& form, const CpuBrain& brain, const CpuScene& sc) {
  CpuPlan& cpu = form.Cpu;
  CharacterData& me = form.Robots[1];
  Remember(form, sc);

  if (cpu.DodgeLeft <= 0 && (StartDodge(form, brain, sc) || EvadeChaser(form, brain, sc))) {
    cpu.Trigger = std::min(cpu.Trigger, 0);
  }
  if (cpu.DodgeLeft > 0) {
    --cpu.DodgeLeft;
    me.InputX = cpu.DodgeX;
    me.InputY = cpu.DodgeY;
    me.InputButton = cpu.DodgeButton;
  } else {
    KeepWeaponUsable(form, brain, sc);
    // Too long without a press: go in with whatever can hit, melee first.
    const int32_t melee = MeleeSlot(sc);
    const bool armed = melee != 0 || sc.Slots[cpu.Weapon >= 1 ? cpu.Weapon - 1 : 0].Usable;
    if (cpu.Idle > 2 * kPatience && cpu.Plan != kPlanClose && armed) {
      cpu.Plan = kPlanClose;
      cpu.Weapon = melee != 0 ? melee : ChooseWeapon(form, brain, sc, kPlanClose);
      cpu.Counter = std::max(cpu.Counter, kMoveFrames);
    }
    const PlanShape& shape = kPlans[cpu.Plan];
    double x, y;
    if (PlanMove(cpu, brain, sc, me, form.Robots[0], x, y)) {
      SteerToSpot(me, x, y);
    } else {
      Steer(me, x, y);
    }
    int32_t button = kButtonNone;
    if (shape.Guard) {
      button = kButtonGuard;
    } else if (shape.Fire || cpu.Idle > kPatience) {
      TakeChance(cpu, brain, sc, me);
      if (cpu.Weapon >= 1) {
        button = FireButton(form, brain, sc, WantsFire(cpu, brain, sc, me, cpu.Weapon));
      }
    }
    // Between its own shots it does not linger where player 1's straight weapons reach.
    const bool firing = button >= 1 && button <= 4;
    if (sc.FoeLined && cpu.FoeFire > 0 && !firing && cpu.Trigger <= 0 && me.Action == kActionIdle &&
        cpu.Idle <= 2 * kPatience && form.Robots[0].Action != kActionHit && !shape.Guard) {
      if (NearWall(me, kWallMargin)) cpu.Side = -cpu.Side;
      const double m = std::max(std::hypot(x, y), 1.0);
      Steer(me, -sc.UY * cpu.Side + x / m * 0.3, sc.UX * cpu.Side + y / m * 0.3);
    }
    const bool far = cpu.Plan == kPlanClose && sc.Dist > 380;
    if (button == kButtonNone && (shape.Boost || far) && me.Energy > brain.BoostEnergy) {
      button = kButtonBoost;
    }
    me.InputButton = button;
  }

  // Sending nothing is never a plan: after a short while it circles player 1.
  const bool quiet =
      me.InputX == kInputXNone && me.InputY == kInputYNone && me.InputButton == kButtonNone;
  cpu.Quiet = quiet && me.Action != kActionGuard ? cpu.Quiet + 1 : 0;
  if (cpu.Quiet > kQuietFrames) {
    if (NearWall(me, kWallMargin)) cpu.Side = -cpu.Side;
    const double x = -sc.UY * cpu.Side + (kFieldWidth / 2.0 - me.X) / 400;
    Steer(me, x, sc.UX * cpu.Side + (kFieldHeight / 2.0 - me.Y) / 300);
    if (me.InputX == kInputXNone && me.InputY == kInputYNone) {
      me.InputX = x < 0 ? kInputLeft : kInputRight;
    }
    cpu.Quiet = 0;
  }
  const int32_t b = me.InputButton;
  cpu.Idle =
      (b >= kButtonWeapon1 && b <= kButtonWeapon4) || b >= kButtonBoostWeapon1 ? 0 : cpu.Idle + 1;

  // Once a robot is down player 2 guards against what is still in flight. A frame that chooses a
  // plan writes nothing: no weapon button is left down into it, where its slot might have been
  // emptied by this frame's shot, nor into the next fight's first frame.
  if (form.KoPending != 0) me.InputButton = kButtonGuard;
  if (--cpu.Counter <= 0) cpu.Phase = 0;
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
  const CpuScene sc = ReadScene(form.Robots[1], &form.Weapons[4], form.Robots[0], &form.Weapons[0]);
  CpuPlan& cpu = form.Cpu;
  if (form.Robots[1].Armor > cpu.LastArmor) NewFight(cpu);
  ++cpu.Frames;
  cpu.LastArmor = form.Robots[1].Armor;
  if (cpu.Phase != 1 || cpu.Plan < 0 || cpu.Plan >= kPlanKinds || cpu.Weapon < 0 ||
      cpu.Weapon > 4) {
    ChoosePlan(form, brain, sc);
  } else {
    FollowPlan(form, brain, sc);
  }
}

}  // namespace zk
