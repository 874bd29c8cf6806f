// The computer opponent's moving: what the intent wishes of the move keys, and the keys.
#include <algorithm>
#include <cmath>

#include "core/dir_table.h"
#include "cpu/cpu_steps.h"

namespace zk {
namespace cpu {

// ---- Ways to move ----

int32_t XCode(double x, double dead) {
  return x > dead ? kInputRight : (x < -dead ? kInputLeft : kInputXNone);
}
int32_t YCode(double y, double dead) {
  return y > dead ? kInputDown : (y < -dead ? kInputUp : kInputYNone);
}

namespace {

// One axis of a walk to a spot `gap` pixels away, at speed `v` along the axis: none once the
// robot would coast there (speeds fall by one every `interval` frames).
int32_t AxisToSpot(double gap, int32_t v, int32_t interval, int32_t plus, int32_t minus) {
  const double coast = 0.5 * std::abs(v) * (std::abs(v) + 1) * std::max(interval, 1);
  if (std::fabs(gap) <= T.SpotSlack || (gap * v > 0 && std::fabs(gap) <= coast)) return 0;
  return gap > 0 ? plus : minus;
}

}  // namespace

double StrideSpeed(const CharacterData& me, bool boost) {
  const SpeedTable& t = boost ? me.BoostSpeed : me.WalkSpeed;
  const SpeedRow& row = t.Rows[me.Facing & 7];
  return std::max({row.Speed[kGroupRight][3][0], row.Speed[kGroupDown][3][1], 1});
}

double Room(double x, double y, double ux, double uy) {
  double room = kFieldWidth + kFieldHeight;
  if (ux > 0.01) room = std::min(room, (kFieldWidth - x) / ux);
  if (ux < -0.01) room = std::min(room, x / -ux);
  if (uy > 0.01) room = std::min(room, (kFieldHeight - y) / uy);
  if (uy < -0.01) room = std::min(room, y / -uy);
  return room;
}

// ---- 6. Moving ----

namespace {

// The plan's wish: a band of distance, a spot on a firing line, a sideways run.
Wish PlanWish(const CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc,
              const CharacterData& me, const CharacterData& foe) {
  const PlanShape& shape = kPlans[cpu.Plan];
  Wish wish;
  wish.Boost = shape.Boost || (cpu.Plan == kPlanClose && sc.Dist > T.FarRun);
  if (cpu.Plan == kPlanBoostOut) {  // toward the open middle, away from player 1
    wish.X = (kFieldWidth / 2.0 - me.X) / (kFieldWidth * T.OutPull) - sc.UX;
    wish.Y = (kFieldHeight / 2.0 - me.Y) / (kFieldHeight * T.OutPull) - sc.UY;
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
      ahead.X = static_cast<int32_t>(foe.X + cpu.FoeVX / T.VelocityScale * T.LeadFrames);
      ahead.Y = static_cast<int32_t>(foe.Y + cpu.FoeVY / T.VelocityScale * T.LeadFrames);
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

// A spot `dist` from player 1 on the far side from its nearest corner, turned away from the
// middle as much as the middle draws a runner, so that its way out leads into that corner.
Wish CornerWish(const CharacterData& me, const CharacterData& foe, double dist) {
  const double cx = foe.X < kFieldWidth / 2 ? 0 : kFieldWidth;
  const double cy = foe.Y < kFieldHeight / 2 ? 0 : kFieldHeight;
  double rx = cx - foe.X, ry = cy - foe.Y;
  const double n = std::max(std::hypot(rx, ry), 1.0);
  rx /= n;
  ry /= n;
  // Which side of the way into the corner the middle lies on; the turn goes the other way.
  const double mx = kFieldWidth / 2.0 - foe.X, my = kFieldHeight / 2.0 - foe.Y;
  const double side = rx * my - ry * mx > 0 ? -1 : 1;
  const double turn = std::atan(std::min(std::hypot(mx, my) / T.CornerPullFar, T.CornerPullMax));
  const double c = std::cos(turn), s = std::sin(turn) * side;
  const double ax = rx * c - ry * s, ay = rx * s + ry * c;  // player 1's way away from it
  Wish wish;
  wish.Spot = true;
  wish.X = foe.X - ax * dist - me.X;
  wish.Y = foe.Y - ay * dist - me.Y;
  return wish;
}

// Between its own shots it does not linger where player 1's straight weapons reach: a step
// sideways leaves the line (toward the side with room), keeping a little of its own way.
void OffTheLine(const CpuPlan& cpu, const CpuBrain& brain, const CpuScene& sc,
                const CharacterData& me, const CharacterData& foe, Wish& wish) {
  if (!sc.FoeLined || cpu.FoeFire <= 0 || cpu.Trigger > 0 || me.Action != kActionIdle ||
      cpu.Idle > T.Restless || foe.Action == kActionHit) {
    return;
  }
  // A kind whose every weapon runs dry keeps to the firing line it walks to: it lives on sure
  // shots from there.
  if (wish.Spot && brain.Patient == 1) return;
  double side = cpu.Side;
  if (Room(me.X, me.Y, -sc.UY * side, sc.UX * side) < T.WallMargin) side = -side;
  const double m = std::max(std::hypot(wish.X, wish.Y), 1.0);
  const double lean = wish.Spot ? 0 : T.LinedLean;
  wish.X = -sc.UY * side + wish.X / m * lean;
  wish.Y = sc.UX * side + wish.Y / m * lean;
  wish.Spot = false;
  wish.Urgent = true;
}

// In to where the strike `w` lands, boosting from beyond its reach.
Wish StrikeWish(const CpuPlan& cpu, const CpuScene& sc, const CpuWeapon& w) {
  Wish wish;
  wish.Urgent = true;
  wish.Spot = true;
  if ((!sc.FoeGuns || cpu.FoeShot >= T.ChaseQuiet) && cpu.FoeRun >= T.ChaseRun &&
      -Closing(cpu, sc) > T.RunAway) {
    const double vx = cpu.FoeVX / T.VelocityScale, vy = cpu.FoeVY / T.VelocityScale;
    // A runner that no longer fires back (no gun left, or none fired lately) draws away: the
    // strike's wind-up would end short of it, so it goes on after it at full speed, boosting,
    // to where it will be when the strike lands.
    wish.X = sc.UX * sc.Dist + vx * T.ChaseLead;
    wish.Y = sc.UY * sc.Dist + vy * T.ChaseLead;
    wish.Boost = true;
    return wish;
  }
  const double d = sc.Dist - w.Far * T.NearShare * T.PunishDepth;
  wish.X = sc.UX * d;
  wish.Y = sc.UY * d;
  wish.Boost = sc.Dist > w.Far;
  return wish;
}

// Each axis moves at full speed by itself, so it heads (on both at once) for where player 1's
// late movement (times `spurt`) takes it by the time it is within `reach` at `speed`: a runner
// sliding along an edge is matched along it and closed on across it.
void Intercept(const CpuPlan& cpu, const CharacterData& me, const CharacterData& foe, double speed,
               double reach, double spurt, Wish& wish) {
  const double vx = cpu.FoeVX / T.VelocityScale * spurt;
  const double vy = cpu.FoeVY / T.VelocityScale * spurt;
  double t = 0;
  while (t < T.InterceptMax && std::max(std::fabs(foe.X + vx * t - me.X),
                                        std::fabs(foe.Y + vy * t - me.Y)) > speed * t + reach) {
    ++t;
  }
  wish.X = foe.X + vx * t - me.X;
  wish.Y = foe.Y + vy * t - me.Y;
}

// After a runner: straight for where it will be by the time it is reached (each axis at full
// speed by itself), boosting once near; it draws away no faster than it is followed, and its boost
// costs it as much energy as the pursuer's.
Wish PursueWish(const CpuPlan& cpu, const CpuScene& sc, const CharacterData& me,
                const CharacterData& foe) {
  Wish wish;
  wish.Urgent = true;
  wish.Boost = sc.Dist < T.PursueBoost;
  Intercept(cpu, me, foe, StrideSpeed(me, wish.Boost), T.PursueLead, 1, wish);
  return wish;
}

}  // namespace

void SlipWay(const CharacterData& me, const CpuScene& sc, double& x, double& y) {
  double best = -1e9;
  for (int32_t d = 0; d < 8; ++d) {
    const DirVector v = DirTable[d];
    const double n = std::hypot(v.dx, v.dy);
    const double ux = v.dx / n, uy = v.dy / n;
    const double room = std::min(Room(me.X, me.Y, ux, uy), T.SlipRoom);
    const double score = -(ux * sc.UX + uy * sc.UY) + T.SlipRoomWeight * room / T.SlipRoom -
                         (room < T.SlipRoomLeast ? T.SlipRoomWeight : 0);
    if (score > best) {
      best = score;
      x = ux;
      y = uy;
    }
  }
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
    case kIntentCover:  // back off out of its reach, not into an edge
      wish.Urgent = true;
      SlipWay(me, sc, wish.X, wish.Y);
      return wish;
    case kIntentPunish:
      return StrikeWish(cpu, sc, sc.Slots[MeleeSlot(sc) - 1]);
    case kIntentPin: {
      if (Pursuit(cpu, sc)) {
        wish = PursueWish(cpu, sc, me, foe);
        OffTheLine(cpu, brain, sc, me, foe, wish);  // a runner with a gun fires back down it
        return wish;
      }
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
      // When both have only their strikes left, it lurks just beyond where a runner boosts,
      // walking to gather its energy; then it boosts in all at once (player 1 sees it late) and
      // strikes, and lurks again if player 1 gets away.
      if (w != nullptr && w->Role == kRoleMelee && !sc.FoeGuns) {
        const bool trapped = Room(foe.X, foe.Y, sc.UX, sc.UY) < T.TrapRoom;
        if (me.Energy >= me.Status.MaxEnergy * T.PinCharge && trapped) {
          cpu.CloseIn = T.CloseInFrames;
        }
        if (cpu.CloseIn > 0 || sc.Dist < w->Far + T.PunishZone) {
          wish = StrikeWish(cpu, sc, *w);
          Intercept(cpu, me, foe, StrideSpeed(me, wish.Boost && cpu.CloseIn > 0),
                    w->Far * T.PunishDepth, T.RunnerSpurt, wish);
          wish.Boost = wish.Boost && cpu.CloseIn > 0;
          return wish;
        }
        wish = CornerWish(me, foe, T.PinLurk);
        return wish;
      }
      wish =
          PinWish(sc, me, foe,
                  standoff ? T.PinStandoff : std::max(band * T.PinShare, sc.FoeReach + T.ReachGap));
      OffTheLine(cpu, brain, sc, me, foe, wish);
      return wish;
    }
    case kIntentKeepOff: {  // away, the retreat bent toward the open middle across it
      double cx = kFieldWidth / 2.0 - me.X, cy = kFieldHeight / 2.0 - me.Y;
      const double along = -(cx * sc.UX + cy * sc.UY);
      cx += along * sc.UX;
      cy += along * sc.UY;
      const double across = std::max(std::hypot(cx, cy), 1.0);
      const double pull = std::min(across / T.KeepOffPull, T.KeepOffPullMax) / across;
      wish.X = -sc.UX + cx * pull;
      wish.Y = -sc.UY + cy * pull;
      const double big = std::max({std::fabs(wish.X), std::fabs(wish.Y), 0.01});
      wish.X /= big;
      wish.Y /= big;
      wish.Urgent = true;
      wish.Boost = sc.Dist < T.KeepOffBoost && me.Energy > T.KeepOffEnergy;
      return wish;
    }
    case kIntentSlip:
      SlipWay(me, sc, wish.X, wish.Y);
      wish.Urgent = true;
      wish.Boost = me.Action != kActionHit;
      return wish;
    case kIntentRoam: {
      wish.X = -sc.UY * cpu.Side + (kFieldWidth / 2.0 - me.X) / T.OpenPullX;
      wish.Y = sc.UX * cpu.Side + (kFieldHeight / 2.0 - me.Y) / T.OpenPullY;
      if (std::fabs(wish.X) <= T.SteerDead && std::fabs(wish.Y) <= T.SteerDead) {
        wish.X = wish.X < 0 ? -1 : 1;
      }
      return wish;
    }
    default:
      wish = PlanWish(cpu, brain, sc, me, foe);
      OffTheLine(cpu, brain, sc, me, foe, wish);
      return wish;
  }
}

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

}  // namespace cpu

void SteerToSpot(CharacterData& me, double dx, double dy) {
  const int32_t interval = me.WalkSpeed.Rows[0].DecayInterval;
  me.InputX = cpu::AxisToSpot(dx, me.SpeedRight - me.SpeedLeft, interval, kInputRight, kInputLeft);
  me.InputY = cpu::AxisToSpot(dy, me.SpeedDown - me.SpeedUp, interval, kInputDown, kInputUp);
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

}  // namespace zk
