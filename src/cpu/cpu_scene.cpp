// Reading the fight scene for the computer opponent: distance and bearing, the firing line,
// the weapons' reach and ammunition, and player 1's nearest incoming shot.
#include "cpu/cpu_scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "characters/character_data.h"
#include "characters/direction8.h"
#include "core/dir_table.h"
#include "cpu/cpu_tuning.h"
#include "weapons/weapon_data.h"

namespace zk {

namespace {

// The distance a shot covers in `frames` frames whose speed starts at `v0` and changes by `a` a
// frame (before each step), kept between 0 and `top` (0: no top).
double Ramp(double v0, double a, double top, double frames) {
  if (frames <= 0) return 0;
  if (a == 0) return (top > 0 ? std::min(v0, top) : v0) * frames;
  if (a > 0) {
    const double cap = top > 0 ? top : std::numeric_limits<double>::max();
    const double k = std::ceil((cap - v0) / a);  // the frame it reaches the top
    if (k >= frames) return v0 * frames + a * frames * (frames + 1) / 2;
    const double ramp = k > 1 ? v0 * (k - 1) + a * (k - 1) * k / 2 : 0;
    return ramp + cap * (frames - std::max(k, 1.0) + 1);
  }
  const double n = std::min(frames, std::floor(v0 / -a));  // frames until it stops
  return std::max(v0 * n + a * n * (n + 1) / 2, 0.0);
}

// The distance one phase carries a shot from where it entered the phase.
double PhaseTravel(const ShotPhaseData& p) {
  switch (p.Move) {
    case kMoveStraight:
    case kMoveFloat:
    case kMoveSnake:
      return p.Speed * p.Life;
    case kMoveAccelerate:
    case kMoveHoming:
    case kMoveLob:
    case kMoveWait:
    case kMoveFog:
    case kMoveFirefly:
      return Ramp(p.Speed, p.Accel, p.MaxSpeed, p.Life);
    case kMoveDart:
      return Ramp(p.Speed, p.Accel, 0, std::min(p.Param, p.Life)) +
             p.MaxSpeed * std::max(p.Life - p.Param, 0);
    case kMoveSpiral:
      return (p.MaxSpeed + p.Speed) * p.Life;
    case kMoveBeam:
      return p.MaxSpeed;
    case kMoveMelee:
      return p.Param;
    default:
      return 0;
  }
}

int32_t RoleOf(int32_t move) {
  switch (move) {
    case kMoveMelee:
      return kRoleMelee;
    case kMoveWait:
      return kRoleMine;
    case kMoveHoming:
    case kMoveFirefly:
    case kMoveDart:
    case kMoveFloat:
    case kMoveSnake:
      return kRoleSeeker;
    default:
      return kRoleLine;
  }
}

double Fraction(int32_t value, int32_t max) {
  return max > 0 ? static_cast<double>(value) / max : 0;
}

// The nearest of `slots`' live shots that will pass within reach of `me`.
// A chasing shot or a mine within reach of catching `me` is kept in `chaser` when it is the
// nearest.
void NoteChaser(const CharacterData& me, const WeaponData& w, const ShotData& s,
                const ShotPhaseData& p, CpuThreat& chaser) {
  const double rx = me.X - s.X, ry = me.Y - s.Y, d = std::hypot(rx, ry);
  // A mine goes off within its trigger square; its blast's half size follows it.
  const int32_t next = p.NextPhase >= 0 && p.NextPhase < kShotPhases ? p.NextPhase : s.Phase;
  const double blast = std::max(w.Phases[s.Column][next].HitHalf, p.HitHalf);
  const double reach =
      me.Status.HalfWidth + std::max<double>(p.Param, 0) + blast + kTune.ChaserMargin;
  if (d > reach + kTune.ChaserSight || d <= 0) return;
  const double frames = std::max(d - reach, 0.0) / std::max(s.Speed, 1.0);
  if (chaser.Seen && frames >= chaser.Frames) return;
  chaser = CpuThreat{
      true, frames, 0, 0, rx / d, ry / d, reach, w.BreakGuard == 1, RoleOf(p.Move) == kRoleSeeker};
}

// Calls `visit` with each of `w`'s live shots; the places are read until every one has been seen.
template <typename Visit>
void ForLiveShots(const WeaponData& w, Visit&& visit) {
  int32_t left = w.LiveShots;
  for (int32_t i = 0; i < kShotRows * kShotCols && left > 0; ++i) {
    const ShotData& s = w.Shots[i / kShotCols][i % kShotCols];
    if (s.Active != 1) continue;
    --left;
    visit(s);
  }
}

CpuThreat NearestThreat(const CharacterData& me, const WeaponData* slots, CpuThreat& chaser) {
  CpuThreat best;
  for (int k = 0; k < 4; ++k) {
    const WeaponData& w = slots[k];
    // Shots fired in a frame have moved (and been counted) before the next frame reads them.
    if (w.Armed != 1) continue;
    ForLiveShots(w, [&](const ShotData& s) {
      if (s.Delay > 0 || s.Column < 0 || s.Column >= kShotCols) return;
      if (s.Phase < 0 || s.Phase >= kShotPhases) return;
      const ShotPhaseData& p = w.Phases[s.Column][s.Phase];
      if (p.Move == kMoveMelee || s.Spent == 1) return;
      // Seekers, mines and clouds that linger where they drift are kept away from.
      if (RoleOf(p.Move) == kRoleSeeker || p.Move == kMoveWait || p.Move == kMoveFog) {
        NoteChaser(me, w, s, p, chaser);
        return;
      }
      if (p.HitTest == kHitNone) return;
      double vx = s.DX, vy = s.DY, speed = s.Speed;
      double sx = s.X, sy = s.Y;
      if (p.Move == kMoveBeam) {  // the beam's tip grows along its line
        sx += s.DX * s.Length;
        sy += s.DY * s.Length;
        speed = s.Length < p.MaxSpeed ? p.Speed : 0;
      } else if (p.Move == kMoveSpiral) {  // its direction is already the last frame's step
        speed = 1;
      }
      const double n = std::hypot(vx, vy);
      if (n <= 0 || speed <= 0.05) return;
      vx /= n;
      vy /= n;
      const double rx = me.X - sx, ry = me.Y - sy;
      const double along = rx * vx + ry * vy;
      const double frames = along / (speed * n);
      if (frames < 0 || frames > kTune.ThreatHorizon) return;
      const double mx = rx - vx * along, my = ry - vy * along;
      const double reach = me.Status.HalfWidth + std::max(p.HitHalf, s.Half) + kTune.ThreatMargin;
      if (std::hypot(mx, my) > reach) return;
      if (best.Seen && frames >= best.Frames) return;
      best = CpuThreat{true, frames, mx, my, vx, vy, reach, w.BreakGuard == 1};
    });
  }
  return best;
}

// How far a slot's shots can hit, what they ask, and whether the slot can fire (armed, with
// ammunition left or unlimited).
CpuWeapon ReadWeapon(const WeaponData& slot, bool rapid, int32_t target_half) {
  CpuWeapon out;
  out.Rapid = rapid;
  out.BreaksGuard = slot.BreakGuard == 1;
  out.Usable = slot.Armed == 1 && (slot.Unlimited == 1 || slot.Ammo > 0);
  if (slot.Armed != 1) return out;

  double scale_min = 1, scale_max = 1, fan = 0;
  const int32_t cols = std::clamp(slot.Columns, 1, kShotCols);
  for (int32_t c = 0; c < cols; ++c) {
    scale_min = std::min(scale_min, slot.SpeedScale[c]);
    scale_max = std::max(scale_max, slot.SpeedScale[c]);
    fan = std::max(fan, std::fabs(slot.Spread[c]));
  }

  // Follow the shot's phases from the muzzle: where the first hitting phase begins is the near
  // edge, where the last one ends (plus its hit box) the far edge.
  double travelled = 0, near = -1, far = 0, half = 0;
  int32_t phase = 0, damage = 0;
  for (int step = 0; step < kShotPhases && phase >= 0 && phase < kShotPhases; ++step) {
    const ShotPhaseData& p = slot.Phases[0][phase];
    damage = std::max(damage, p.Damage);
    if (step == 0) out.Role = RoleOf(p.Move);
    const double d = PhaseTravel(p);
    // A mine's drift ends in its blast wherever player 1 comes near.
    const bool triggered = p.Move == kMoveWait || p.Move == kMoveFloat || p.Move == kMoveSnake;
    if (p.HitTest != kHitNone || triggered) {
      if (near < 0) near = travelled * scale_min;
      half = std::max<double>(half, p.Move == kMoveFog ? std::max(p.HitHalf, p.Param) : p.HitHalf);
      far = std::max(far, (travelled + d) * scale_max + p.HitHalf);
    }
    travelled += d;
    phase = p.NextPhase;
  }
  if (out.Role == kRoleMelee) far = slot.Phases[0][0].Param + slot.Phases[0][0].HitHalf;
  // A fan spreads past its target beyond a short way, unless its shots seek.
  if (out.Role == kRoleLine && fan > 0.1)
    far = std::min(far, kTune.FanWidth / fan + kTune.FanSlack);
  out.Damage = damage * cols * std::clamp(slot.Rows, 1, kShotRows);
  out.Stun = slot.Phases[0][0].Stun;
  out.Near = std::max(near, 0.0);
  out.Far = std::min(far + target_half, kTune.Farthest);
  out.Aim = target_half + std::min(half, kTune.AimCap);

  return out;
}

// One stretch of a shot's flight along its line: from and to (pixels from the muzzle), the frames
// it begins and ends at, and the half size it hits with (0 <= half: it can hit).
struct Leg {
  double From, To;
  double T0, T1;
  double Half;
};

// The segment [from, to] of the ray from (ox, oy) along the unit (ux, uy) meets the box of half
// sizes (hx, hy) about (bx, by).
bool RayMeetsBox(double ox, double oy, double ux, double uy, double from, double to, double bx,
                 double by, double hx, double hy) {
  double lo = from, hi = to;
  auto slab = [&](double o, double u, double b, double h) {
    if (std::fabs(u) < 1e-9) return std::fabs(o - b) < h;
    double t1 = (b - h - o) / u, t2 = (b + h - o) / u;
    if (t1 > t2) std::swap(t1, t2);
    lo = std::max(lo, t1);
    hi = std::min(hi, t2);
    return lo <= hi;  // a blast where it lands is a segment of no length
  };
  return slab(ox, ux, bx, hx) && slab(oy, uy, by, hy);
}

// What a volley fired now would do to player 1 moving at one velocity: hit it where it will be
// (Hits), also where it stands (Sure), and the frames until it gets there (Arrive).
struct VolleyAim {
  double VX = 0, VY = 0;
  bool Hits = false, Sure = false;
  double Arrive = 1e9;
};

// Aims a volley of `slot` fired now along `facing` at `foe`, once for each of the `count`
// velocities in `aims` (the flight is worked out once for all of them).
void AimVolley(const CharacterData& me, const WeaponData& slot, int32_t facing,
               const CharacterData& foe, VolleyAim* aims, int32_t count) {
  const double windup = kTune.WindUp;
  const double bx = DirTable[facing].dx, by = DirTable[facing].dy;
  const int32_t cols = std::clamp(slot.Columns, 1, kShotCols);
  for (int32_t c = 0; c < cols; ++c) {
    const ShotPhaseData& first = slot.Phases[c][0];
    const double ox = me.X + slot.Aim[facing][c].X, oy = me.Y + slot.Aim[facing][c].Y;
    if (first.Move == kMoveMelee) {  // the strike stands in front of its owner
      const double sx = me.X + bx * first.Param, sy = me.Y + by * first.Param;
      const double hx = first.HitHalf + foe.Status.HalfWidth - kTune.Graze;
      const double hy = first.HitHalf + foe.Status.HalfHeight - kTune.Graze;
      for (VolleyAim* a = aims; a != aims + count; ++a) {
        const double px = foe.X + a->VX * windup, py = foe.Y + a->VY * windup;
        a->Sure = a->Sure || (std::fabs(sx - foe.X) < hx && std::fabs(sy - foe.Y) < hy);
        a->Hits = a->Hits || (std::fabs(sx - px) < hx && std::fabs(sy - py) < hy);
        a->Arrive = windup;
      }
      continue;
    }
    const double dx = bx - by * slot.Spread[c], dy = by + bx * slot.Spread[c];
    const double n = std::hypot(dx, dy);
    if (n <= 0) continue;
    const double ux = dx / n, uy = dy / n;
    // The legs of its flight, phase by phase.
    Leg legs[kShotPhases];
    int32_t legs_count = 0;
    double travelled = 0, frames = 0;
    int32_t phase = 0;
    for (int step = 0; step < kShotPhases && phase >= 0 && phase < kShotPhases; ++step) {
      const ShotPhaseData& p = slot.Phases[c][phase];
      const double scale = phase == 0 ? slot.SpeedScale[c] : 1;
      const double d = (p.Move == kMoveBeam ? p.MaxSpeed : PhaseTravel(p) * scale) * n;
      const double life = p.Move == kMoveBeam && p.Speed > 0 ? p.MaxSpeed / p.Speed : p.Life;
      const double half = p.HitTest == kHitNone ? -1 : std::max<double>(p.HitHalf, 0);
      legs[legs_count++] =
          Leg{travelled, travelled + d, frames, frames + std::max(life, 1.0), half};
      travelled += p.Move == kMoveBeam ? 0 : d;
      frames += std::max(p.Life, 1);
      phase = p.NextPhase;
    }
    const double along = (foe.X - ox) * ux + (foe.Y - oy) * uy;
    for (int32_t i = 0; i < legs_count; ++i) {
      const Leg& g = legs[i];
      if (g.Half < 0) continue;
      const double span = g.To - g.From;
      const double at = span > 0 ? std::clamp((along - g.From) / span, 0.0, 1.0) : 0;
      const double t = g.T0 + at * (g.T1 - g.T0) + windup;
      const double hx = g.Half + foe.Status.HalfWidth - kTune.Graze;
      const double hy = g.Half + foe.Status.HalfHeight - kTune.Graze;
      const bool now = RayMeetsBox(ox, oy, ux, uy, g.From, g.To, foe.X, foe.Y, hx, hy);
      for (VolleyAim* a = aims; a != aims + count; ++a) {
        const double px = foe.X + a->VX * t, py = foe.Y + a->VY * t;
        const bool then = RayMeetsBox(ox, oy, ux, uy, g.From, g.To, px, py, hx, hy);
        if (then) a->Arrive = std::min(a->Arrive, t);
        a->Hits = a->Hits || then;
        a->Sure = a->Sure || (now && then);
      }
    }
  }
}

// Frames until `r`'s action reaches a step that fires (0: the present one), following its chain
// for no input; -1 when none is ahead.
int32_t FramesToFire(const CharacterData& r) {
  if (r.Step.Fire == 1) return 0;
  int32_t frames = std::max(r.Step.Duration - r.StepTick, 0);
  ActionStep s = r.Step;
  for (int i = 0; i < kStepSlots; ++i) {
    const int32_t id = s.Next[0];
    if (id <= 0 || id / 10 >= kActionCount) return -1;
    s = r.Actions.Steps[id / 10][id % 10];
    if (s.Action != r.Step.Action) return -1;
    if (s.Fire == 1) return frames;
    frames += s.Duration;
  }
  return -1;
}

// Frames player 1's strike can still land in: the wind-up to come (`to_fire`, below 0 when none
// is winding up) and its life, or what is left of the life of one that is out and has not hit
// (`out` tells which); 0 when neither.
double StrikeFramesLeft(const WeaponData& melee, int32_t to_fire, bool& out) {
  const int32_t life = melee.Phases[0][0].Life;
  double left = to_fire >= 0 ? to_fire + life : 0;
  ForLiveShots(melee, [&](const ShotData& s) {
    if (s.Spent == 1) return;
    out = true;
    left = std::max<double>(left, life - s.Tick);
  });
  return left;
}

// Whether step `st` of action `a` takes a press of its own button straight into a step of it
// that strikes.
bool PressStrikes(const CharacterData& foe, const ActionStep& st, int32_t a) {
  const int32_t id = st.Next[a];
  return st.Action == a && st.Accept == 1 && id > 0 && id / 10 == a &&
         foe.Actions.Steps[a][id % 10].Fire == 1;
}

// Whether action `a`'s strike follows itself at once: one of its steps chains a press.
bool StrikeChains(const CharacterData& foe, int32_t a) {
  return std::any_of(std::begin(foe.Actions.Steps[a]), std::end(foe.Actions.Steps[a]),
                     [&](const ActionStep& st) { return PressStrikes(foe, st, a); });
}

// How long action `a` takes, following its chain for no input: until its first step that fires
// (Windup), and to its end (Busy).
struct ActionSpan {
  int32_t Windup = 0, Busy = 0;
};
ActionSpan SpanOf(const CharacterData& r, int32_t a) {
  ActionSpan span;
  bool fired = false;
  int32_t id = a * 10;
  for (int i = 0; i < kStepSlots && id / 10 == a; ++i) {
    const ActionStep& st = r.Actions.Steps[a][id % 10];
    const int32_t frames = std::max(st.Duration, 1);
    fired = fired || st.Fire == 1;
    if (!fired) span.Windup += frames;
    span.Busy += frames;
    id = st.Next[0];
  }
  return span;
}

// Player 1's melee slot (0 to 3), -1 none.
int32_t MeleeOf(const WeaponData* foe_slots) {
  for (int k = 0; k < 4; ++k) {
    if (foe_slots[k].Armed == 1 && foe_slots[k].Phases[0][0].Move == kMoveMelee) return k;
  }
  return -1;
}

}  // namespace

CpuScene ReadScene(const CharacterData& me, const WeaponData* my_slots, const CharacterData& foe,
                   const WeaponData* foe_slots, const CpuLateVelocity* late) {
  CpuScene sc;
  const double dx = static_cast<double>(foe.X) - me.X, dy = static_cast<double>(foe.Y) - me.Y;
  sc.Dist = std::hypot(dx, dy);
  if (sc.Dist > 0) {
    sc.UX = dx / sc.Dist;
    sc.UY = dy / sc.Dist;
  }
  // A robot that may not turn in its present step keeps its facing for the shot it chains to.
  sc.Facing = me.Step.Turn == 1 || me.Action == kActionIdle ? Direction8(dx, dy, me.Facing & 7)
                                                            : (me.Facing & 7);

  // Shots leave along the facing: player 1's offset from that line (behind counts as far off).
  const DirVector d = DirTable[sc.Facing];
  const double n = std::hypot(d.dx, d.dy);
  const double nx = -d.dy / n, ny = d.dx / n;
  const double offset = dx * nx + dy * ny;
  sc.LineOffset = dx * d.dx + dy * d.dy >= 0 ? std::fabs(offset) : sc.Dist;
  const double vx = foe.SpeedRight - foe.SpeedLeft, vy = foe.SpeedDown - foe.SpeedUp;

  for (int k = 0; k < 4; ++k) {
    const bool rapid = (k == 0 && me.RapidFire1 > 0) || (k == 3 && me.RapidFire4 > 0);
    CpuWeapon& w = sc.Slots[k];
    w = ReadWeapon(my_slots[k], rapid, foe.Status.HalfWidth);
    w.Limited = my_slots[k].Unlimited != 1;
    const ActionSpan span = SpanOf(me, k + 1);
    w.Busy = span.Busy;
    w.Windup = span.Windup;
    w.Ammo = my_slots[k].Ammo;
    if (w.Usable && (w.Role == kRoleLine || w.Role == kRoleMelee)) {
      // Where player 1 moves now, and (read only for these) where it has moved lately.
      VolleyAim aims[2];
      aims[0].VX = vx;
      aims[0].VY = vy;
      const bool lately = late != nullptr && w.Role == kRoleLine && w.Limited;
      if (lately) {
        aims[1].VX = late->X;
        aims[1].VY = late->Y;
      }
      AimVolley(me, my_slots[k], sc.Facing, foe, aims, lately ? 2 : 1);
      w.Hits = aims[0].Hits;
      w.Sure = aims[0].Sure;
      w.Arrive = aims[0].Arrive;
      w.Likely = lately ? aims[1].Hits : w.Hits;
    }
  }
  sc.MyArmor = Fraction(me.Armor, me.Status.MaxArmor);
  sc.FoeArmor = Fraction(foe.Armor, foe.Status.MaxArmor);
  const bool foe_firing = foe.Action >= kActionWeapon1 && foe.Action <= kActionWeapon4;
  sc.FoeOpen = foe.Action == kActionHit || (foe_firing && foe.Step.Accept != 1);
  sc.FoeGuarding = foe.Action == kActionGuard;
  const int32_t to_fire = foe_firing ? FramesToFire(foe) : -1;  // frames until its volley goes
  const bool to_come = to_fire >= 0;
  sc.FoeCommitted =
      foe.Action == kActionHit || (foe_firing && !to_come) || (foe.Boost == 1 && !sc.FoeGuarding);
  sc.FoeSpeed = std::hypot(vx, vy);
  sc.FoeHalf = foe.Status.HalfWidth;
  sc.FoeMelee = MeleeOf(foe_slots);
  if (sc.FoeMelee >= 0) {  // the centre distance within which its strike hits
    const ShotPhaseData& p = foe_slots[sc.FoeMelee].Phases[0][0];
    sc.FoeReach = p.Param + p.HitHalf + me.Status.HalfWidth;
    sc.FoeStrike = p.Damage;
    sc.FoeStriking = to_come && foe.Action == sc.FoeMelee + 1;
    sc.FoeChains = StrikeChains(foe, sc.FoeMelee + 1);
    sc.FoeChainsNow = foe.Action == sc.FoeMelee + 1 && PressStrikes(foe, foe.Step, foe.Action);
    sc.FoeWindup = SpanOf(foe, sc.FoeMelee + 1).Windup;
    const int32_t mine = MeleeOf(my_slots);
    sc.FoeFirst = !sc.FoeChains && (mine < 0 || sc.FoeWindup <= sc.Slots[mine].Windup);
    sc.FoeStrikeIn = sc.FoeStriking ? to_fire : 0;
    sc.FoeStunRecovery = std::max(foe.Status.StunRecovery, 1);
    sc.FoeStrikeLeft =
        StrikeFramesLeft(foe_slots[sc.FoeMelee], sc.FoeStriking ? to_fire : -1, sc.FoeStrikeOut);
    // While it is out and has not hit, going in meets it: player 1 has not committed yet.
    if (sc.FoeStrikeOut && foe.Action != kActionHit) sc.FoeCommitted = false;
  }
  sc.Threat = NearestThreat(me, foe_slots, sc.Chaser);
  for (int k = 0; k < 4; ++k) {
    const WeaponData& w = foe_slots[k];
    const int32_t role = RoleOf(w.Phases[0][0].Move);
    sc.FoeGuns = sc.FoeGuns || (w.Armed == 1 && (w.Unlimited == 1 || w.Ammo > 0) &&
                                role != kRoleMelee && role != kRoleMine);
  }
  // Player 1's line toward player 2, and whether one of its straight weapons reaches along it.
  const int32_t foe_facing = foe.Step.Turn == 1 || foe.Action == kActionIdle
                                 ? Direction8(-dx, -dy, foe.Facing & 7)
                                 : (foe.Facing & 7);
  const DirVector fd = DirTable[foe_facing];
  const double fn = std::hypot(fd.dx, fd.dy);
  const bool ahead = -dx * fd.dx - dy * fd.dy >= 0;
  const double foe_offset = std::fabs(-dx * -fd.dy / fn - dy * fd.dx / fn);
  for (int k = 0; k < 4 && ahead && !sc.FoeLined; ++k) {
    const CpuWeapon w = ReadWeapon(foe_slots[k], false, me.Status.HalfWidth);
    sc.FoeLined = w.Usable && w.Role == kRoleLine && sc.Dist >= w.Near && sc.Dist <= w.Far &&
                  foe_offset <= w.Aim;
  }
  return sc;
}

}  // namespace zk
