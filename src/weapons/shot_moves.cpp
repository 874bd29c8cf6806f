// The shots' movement kinds.
#include "weapons/shot_moves.h"

#include <algorithm>
#include <cmath>

#include "core/dir_table.h"

namespace zk {

namespace {

void Advance(ShotData& shot) {
  shot.X += shot.DX * shot.Speed;
  shot.Y += shot.DY * shot.Speed;
}

// Speed plus the phase's change, kept between 0 and the top speed (when one is given).
void ChangeSpeed(ShotData& shot, const ShotPhaseData& phase) {
  shot.Speed += phase.Accel;
  if (phase.MaxSpeed > 0 && shot.Speed > phase.MaxSpeed) shot.Speed = phase.MaxSpeed;
  if (shot.Speed < 0) shot.Speed = 0;
}

void PointAlong(ShotData& shot, int32_t dir) {
  shot.Dir = dir & 7;
  shot.DX = DirTable[shot.Dir].dx;
  shot.DY = DirTable[shot.Dir].dy;
}

int32_t DirectionToTarget(const ShotData& shot, const MoveContext& ctx) {
  return Direction8(ctx.TargetX - shot.X, ctx.TargetY - shot.Y, shot.Dir);
}

// A settled mine goes off when the target's centre comes within the trigger square.
bool TargetWithin(const ShotData& shot, const MoveContext& ctx, int32_t radius) {
  return ctx.HasTarget && std::fabs(ctx.TargetX - shot.X) <= radius &&
         std::fabs(ctx.TargetY - shot.Y) <= radius;
}

}  // namespace

int32_t TurnToward(int32_t dir, int32_t want) {
  const int32_t diff = ((want - dir) % 8 + 8) % 8;
  if (diff == 0) return dir;
  return diff <= 4 ? (dir + 1) & 7 : (dir + 7) & 7;
}

bool MoveStill(ShotData&, const ShotPhaseData&, const MoveContext&) {
  return false;
}

bool MoveStraight(ShotData& shot, const ShotPhaseData&, const MoveContext&) {
  Advance(shot);
  return false;
}

bool MoveAccelerate(ShotData& shot, const ShotPhaseData& phase, const MoveContext&) {
  ChangeSpeed(shot, phase);
  Advance(shot);
  return false;
}

// Param: frames between two turns.
bool MoveHoming(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  const int32_t period = std::max(phase.Param, 1);
  if (ctx.HasTarget && shot.Tick > 0 && shot.Tick % period == 0) {
    PointAlong(shot, TurnToward(shot.Dir, DirectionToTarget(shot, ctx)));
  }
  ChangeSpeed(shot, phase);
  Advance(shot);
  return false;
}

// Param: the height of the arc; the phase's Life is the flight time.
bool MoveLob(ShotData& shot, const ShotPhaseData& phase, const MoveContext&) {
  ChangeSpeed(shot, phase);
  Advance(shot);
  const double t = static_cast<double>(shot.Tick + 1) / std::max(phase.Life, 1);
  shot.Z = phase.Param * 4.0 * t * (1.0 - t);
  if (shot.Z < 0) shot.Z = 0;
  return false;
}

// Param: the trigger radius once the mine has settled and armed.
bool MoveWait(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  ChangeSpeed(shot, phase);
  Advance(shot);
  return shot.Speed == 0 && shot.Tick >= kMineArming && TargetWithin(shot, ctx, phase.Param);
}

// Param: the trigger radius; the mine drifts along the 8-way direction to its target.
bool MoveFloat(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  if (ctx.HasTarget) PointAlong(shot, DirectionToTarget(shot, ctx));
  Advance(shot);
  shot.Z = 4.0 + 3.0 * std::sin(shot.Tick * 0.25);
  return shot.Tick >= kMineArming && TargetWithin(shot, ctx, phase.Param);
}

// The axis point (AX, AY) runs along the direction; the mine weaves across it by MaxSpeed pixels,
// Accel radians a frame; every few frames the axis turns toward the target. Param: trigger radius.
bool MoveSnake(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  if (ctx.HasTarget && shot.Tick > 0 && shot.Tick % kSnakeTurnPeriod == 0) {
    PointAlong(shot, TurnToward(shot.Dir, Direction8(ctx.TargetX - shot.AX, ctx.TargetY - shot.AY,
                                                     shot.Dir)));
  }
  shot.AX += shot.DX * shot.Speed;
  shot.AY += shot.DY * shot.Speed;
  shot.Angle += phase.Accel;
  const double side = std::sin(shot.Angle) * phase.MaxSpeed;
  shot.X = shot.AX - shot.DY * side;
  shot.Y = shot.AY + shot.DX * side;
  return shot.Tick >= kMineArming && TargetWithin(shot, ctx, phase.Param);
}

// Slows to a stop; the cloud and its hit box swell by Grow every 4 frames up to Param.
bool MoveFog(ShotData& shot, const ShotPhaseData& phase, const MoveContext&) {
  ChangeSpeed(shot, phase);
  Advance(shot);
  if (phase.Grow > 0 && (shot.Tick + 1) % 4 == 0)
    shot.Half = std::min(shot.Half + phase.Grow, phase.Param);
  shot.Size = std::max(shot.Size, shot.Half);
  return false;
}

// The beam starts at the owner's muzzle (owner's centre plus the anchor offset) and grows by
// Speed a frame to its full length MaxSpeed, along the direction it was fired in.
bool MoveBeam(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  if (ctx.HasOwner) {
    shot.X = ctx.OwnerX + shot.AX;
    shot.Y = ctx.OwnerY + shot.AY;
  }
  shot.Length = std::min(shot.Length + phase.Speed, phase.MaxSpeed);
  return false;
}

// Param: the reach. The strike stands that far in front of the owner, in the owner's facing.
bool MoveMelee(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  if (!ctx.HasOwner) return false;
  PointAlong(shot, ctx.OwnerFacing);
  shot.X = ctx.OwnerX + shot.DX * phase.Param;
  shot.Y = ctx.OwnerY + shot.DY * phase.Param;
  return false;
}

// Circles the centre (AX, AY) by Accel radians a frame while the radius grows by Speed; the
// centre drifts MaxSpeed a frame along the direction the volley was fired in.
bool MoveSpiral(ShotData& shot, const ShotPhaseData& phase, const MoveContext&) {
  const double oldX = shot.X, oldY = shot.Y;
  shot.AX += DirTable[shot.Dir].dx * phase.MaxSpeed;
  shot.AY += DirTable[shot.Dir].dy * phase.MaxSpeed;
  shot.Angle += phase.Accel;
  shot.Radius += shot.Speed;
  shot.X = shot.AX + std::cos(shot.Angle) * shot.Radius;
  shot.Y = shot.AY + std::sin(shot.Angle) * shot.Radius * 0.75;
  shot.DX = shot.X - oldX;
  shot.DY = shot.Y - oldY;
  return false;
}

// Steers a little toward the target each frame on a wavering course; Param: the waver in
// hundredths of a radian.
bool MoveFirefly(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  ChangeSpeed(shot, phase);
  if (ctx.HasTarget) {
    double wx = ctx.TargetX - shot.X, wy = ctx.TargetY - shot.Y;
    const double d = std::sqrt(wx * wx + wy * wy);
    if (d > 0) {
      wx /= d;
      wy /= d;
      const double waver =
          phase.Param / 100.0 * std::sin(shot.Tick * 0.35 + (shot.Seed % 628) / 100.0);
      const double c = std::cos(waver), s = std::sin(waver);
      const double rx = wx * c - wy * s, ry = wx * s + wy * c;
      double nx = shot.DX * 0.8 + rx * 0.2, ny = shot.DY * 0.8 + ry * 0.2;
      const double n = std::sqrt(nx * nx + ny * ny);
      if (n > 0) {
        shot.DX = nx / n;
        shot.DY = ny / n;
      }
    }
  }
  Advance(shot);
  shot.Dir = Direction8(shot.DX, shot.DY, shot.Dir);
  return false;
}

// Coasts for Param frames, slowing by Accel; then points along the 8-way direction to the target
// (to the owner when it is homeward bound) and darts at MaxSpeed.
bool MoveDart(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx) {
  if (shot.Tick < phase.Param) {
    ChangeSpeed(shot, phase);
  } else {
    if (shot.Tick == phase.Param) {
      if (phase.Homeward == 1 && ctx.HasOwner) {
        PointAlong(shot, Direction8(ctx.OwnerX - shot.X, ctx.OwnerY - shot.Y, shot.Dir));
      } else if (phase.Homeward != 1 && ctx.HasTarget) {
        PointAlong(shot, DirectionToTarget(shot, ctx));
      }
    }
    shot.Speed = phase.MaxSpeed;
  }
  Advance(shot);
  return false;
}

MoveRoutine MoveRoutineOf(int32_t kind) {
  static constexpr MoveRoutine kRoutines[kMoveKinds] = {
      MoveStill, MoveStraight, MoveAccelerate, MoveHoming, MoveLob,    MoveWait,    MoveFloat,
      MoveSnake, MoveFog,      MoveBeam,       MoveMelee,  MoveSpiral, MoveFirefly, MoveDart,
  };
  if (kind < 0 || kind >= kMoveKinds) return MoveStill;
  return kRoutines[kind];
}

}  // namespace zk
