// The weapon slot: resets, firing, one frame of its shots, and what a hit does.
#include "weapons/weapon_data.h"

#include <algorithm>
#include <cmath>

#include "characters/character_data.h"
#include "core/dir_table.h"
#include "weapons/shot_moves.h"

namespace zk {

namespace {

// A shot ends by its life or its hit, wherever the camera scroll has carried it, since the scroll
// can bring it back into play. Only a shot this far out ends early, so that its place always stays
// within what the drawing's whole-pixel arithmetic can hold: no shot's speed and life, nor the
// scroll over that life, come anywhere near it.
constexpr double kFieldLimit = 1'000'000;

bool BeyondTheLimit(const ShotData& shot) {
  return !(std::fabs(shot.X) < kFieldLimit && std::fabs(shot.Y) < kFieldLimit);
}

}  // namespace

void ShotData::AddSmoke() {
  Smoke[SmokeHead] = SmokePuff{X, Y, 0};
  SmokeHead = (SmokeHead + 1) % kSmokeLength;
  if (SmokeCount < kSmokeLength) ++SmokeCount;
}

bool ShotData::InLineOfFire(const CharacterData& target) const {
  const double tx = target.X, ty = target.Y;
  const double reach = target.Status.HalfWidth + Half;
  const double ex = DX * Length, ey = DY * Length;
  const double len2 = ex * ex + ey * ey;
  double t = 0;
  if (len2 > 0) t = std::clamp(((tx - X) * ex + (ty - Y) * ey) / len2, 0.0, 1.0);
  const double px = X + ex * t - tx, py = Y + ey * t - ty;
  return px * px + py * py <= reach * reach;
}

WeaponData::WeaponData() {
  for (double& s : SpeedScale) s = 1;
  ResetShots();
}

void WeaponData::RoundReset() {
  Ammo = 0;
  VolleyLock = 0;
  LiveShots = 0;
  HitPhase = 0;
  Unlimited = 0;
  Beam = 0;
  Armed = 0;
}

void WeaponData::ResetShots() {
  for (auto& row : Shots) {
    for (ShotData& shot : row) shot = ShotData{};
  }
  LiveShots = 0;
}

int32_t WeaponData::HitSoundIndex() const {
  if (HitSound.size() == 7 && HitSound.compare(0, 6, "HITTED") == 0 && HitSound[6] >= '1' &&
      HitSound[6] <= '4') {
    return HitSound[6] - '1';
  }
  return 3;
}

bool WeaponData::Fire() {
  if (Armed != 1 || Owner == nullptr) return false;
  if (VolleyLock == 1) return false;
  if (Unlimited != 1 && Ammo <= 0) return false;
  const int32_t rows = std::clamp(Rows, 0, kShotRows);
  const int32_t cols = std::clamp(Columns, 0, kShotCols);
  if (rows == 0 || cols == 0) return false;
  // A volley takes free places of the 12 x 12 shots, wherever they are (a shot keeps its column
  // of the volley for its template); with too many shots still in flight it waits.
  ShotData* places[kShotRows * kShotCols];
  int32_t found = 0;
  for (auto& row : Shots) {
    for (ShotData& shot : row) {
      if (found < rows * cols && shot.Active != 1) places[found++] = &shot;
    }
  }
  if (found < rows * cols) return false;
  for (int32_t i = 0; i < rows; ++i) {
    for (int32_t c = 0; c < cols; ++c) {
      ShotData& shot = *places[i * cols + c];
      const uint32_t seed = static_cast<uint32_t>((&shot - &Shots[0][0]) * 131 + c * 17 + 7);
      shot = ShotData{};
      shot.Active = 1;
      shot.Column = c;
      shot.Seed = seed;
      shot.Delay = i * std::max(RowDelay, 0);
      if (shot.Delay == 0) Launch(shot);
    }
  }
  if (Unlimited != 1) Ammo = std::max(Ammo - 1, 0);
  VolleyLock = 1;
  return true;
}

void WeaponData::Launch(ShotData& shot) {
  const int32_t f = Owner ? (Owner->Facing & 7) : 0;
  const int32_t c = shot.Column;
  const double bx = DirTable[f].dx, by = DirTable[f].dy;
  shot.Dir = f;
  shot.DX = bx - by * Spread[c];
  shot.DY = by + bx * Spread[c];
  shot.X = (Owner ? Owner->X : 0) + Aim[f][c].X;
  shot.Y = (Owner ? Owner->Y : 0) + Aim[f][c].Y;
  shot.AX = shot.X;
  shot.AY = shot.Y;
  EnterPhase(shot, 0);
  if (!shot.Active) return;
  shot.Speed *= SpeedScale[c];
  const ShotPhaseData& t = Phases[c][0];
  if (t.Move == kMoveBeam) {
    shot.AX = Aim[f][c].X;  // the beam's muzzle offset, kept while it follows its owner
    shot.AY = Aim[f][c].Y;
  } else if (t.Move == kMoveSpiral) {
    shot.Angle = 6.283185307179586 * c / std::max(Columns, 1);
  }
}

void WeaponData::EnterPhase(ShotData& shot, int32_t phase) {
  if (phase < 0 || phase >= kShotPhases || shot.Column < 0 || shot.Column >= kShotCols) {
    EndShot(shot);
    return;
  }
  const ShotPhaseData& t = Phases[shot.Column][phase];
  if (t.Life <= 0) {
    EndShot(shot);
    return;
  }
  shot.Phase = phase;
  shot.Tick = 0;
  shot.Speed = t.Speed;
  shot.Half = t.HitHalf;
  shot.Size = t.Size;
  shot.Spent = 0;
  shot.HitCool = 0;
  shot.Z = 0;
  if (t.Move == kMoveSnake) {
    shot.AX = shot.X;
    shot.AY = shot.Y;
    shot.Angle = 0;
  }
  shot.Cell = t.FrameRate == 0 ? t.Sprite + (shot.Dir & 7) : t.Sprite;
}

void WeaponData::EndShot(ShotData& shot) {
  shot.Active = 0;
  shot.SmokeCount = 0;
  shot.SmokeHead = 0;
  shot.Length = 0;
}

void WeaponData::MoveShots() {
  MoveContext ctx;
  if (Owner) {
    ctx.HasOwner = true;
    ctx.OwnerX = Owner->X;
    ctx.OwnerY = Owner->Y;
    ctx.OwnerFacing = Owner->Facing & 7;
  }
  if (Target) {
    ctx.HasTarget = true;
    ctx.TargetX = Target->X;
    ctx.TargetY = Target->Y;
  }
  const bool ownerHit = Owner && EndOnOwnerHit == 1 && Owner->Action == kActionHit;
  int32_t live = 0;
  for (auto& row : Shots) {
    for (ShotData& shot : row) {
      if (shot.Active != 1) continue;
      if (ownerHit) {
        EndShot(shot);
        continue;
      }
      if (shot.Delay > 0) {
        // A later row of a volley leaves the muzzle and moves in the same frame, as the first.
        if (--shot.Delay == 0) Launch(shot);
        if (shot.Active != 1 || shot.Delay > 0) {
          if (shot.Active == 1) ++live;
          continue;
        }
      }
      // `Tick` counts the frames the phase has moved, each followed by its hit test: a phase of
      // life N is in play for N frames and gives way at the start of the next. A phase that a
      // move sets off (a mine's target came near) takes over, and moves, in the same frame.
      for (int32_t i = 0; i < shot.SmokeCount; ++i) ++shot.Smoke[i].Age;
      bool ends = shot.Tick >= Phases[shot.Column][shot.Phase].Life;
      for (int32_t changes = 0; changes <= kShotPhases; ++changes) {
        if (ends) EnterPhase(shot, Phases[shot.Column][shot.Phase].NextPhase);
        if (shot.Active != 1) break;
        const ShotPhaseData& t = Phases[shot.Column][shot.Phase];
        if (t.Smoke == 1 && shot.Tick % 2 == 0) shot.AddSmoke();
        ends = MoveRoutineOf(t.Move)(shot, t, ctx);
        if (shot.HitCool > 0) --shot.HitCool;
        ++shot.Tick;
        if (t.FrameRate == 0) {
          shot.Cell = t.Sprite + (shot.Dir & 7);
        } else {
          shot.Cell = t.Sprite + (shot.Tick / t.FrameRate) % std::max(t.Frames, 1);
        }
        if (!ends) break;
      }
      if (shot.Active == 1 && BeyondTheLimit(shot)) EndShot(shot);
      if (shot.Active == 1) ++live;
    }
  }
  LiveShots = live;
}

void WeaponData::ShiftShots(int32_t dx, int32_t dy) {
  for (auto& row : Shots) {
    for (ShotData& shot : row) {
      if (shot.Active != 1) continue;
      shot.X += dx;
      shot.Y += dy;
      // A beam's anchor is an offset from its owner, not a place on the floor.
      if (Phases[shot.Column][shot.Phase].Move != kMoveBeam) {
        shot.AX += dx;
        shot.AY += dy;
      }
      for (int32_t i = 0; i < shot.SmokeCount; ++i) {
        shot.Smoke[i].X += dx;
        shot.Smoke[i].Y += dy;
      }
    }
  }
}

int32_t WeaponData::TestHits() {
  if (Target == nullptr) return 0;
  CharacterData& target = *Target;
  int32_t hits = 0;
  for (auto& row : Shots) {
    for (ShotData& shot : row) {
      if (shot.Active != 1 || shot.Delay > 0 || shot.Spent == 1 || shot.HitCool > 0) continue;
      const ShotPhaseData& t = Phases[shot.Column][shot.Phase];
      bool hit = false;
      if (t.HitTest == kHitBox) {
        // Boxes that only touch do not overlap.
        hit = std::fabs(shot.X - target.X) < shot.Half + target.Status.HalfWidth &&
              std::fabs(shot.Y - target.Y) < shot.Half + target.Status.HalfHeight;
      } else if (t.HitTest == kHitBeam) {
        hit = shot.InLineOfFire(target);
      }
      if (!hit) continue;
      HitCheck(target, t.Damage, t.Stun, shot.Dir, shot.X, shot.Y);
      ++hits;
      if (MultiHit == 1) {
        shot.HitCool = std::max(HitInterval, 1);
      } else if (shot.Phase == HitPhase) {
        shot.Spent = 1;  // a blast hits once and plays on
      } else {
        EnterPhase(shot, HitPhase);
      }
    }
  }
  return hits;
}

void WeaponData::HitCheck(CharacterData& target, int32_t damage, int32_t stun, int32_t dir,
                          double shotX, double shotY) const {
  if (target.Action == kActionGuard) {
    target.Armor -= damage / 4;
    if (stun / 4 > target.Stun) target.Stun = stun / 4;
    if (BreakGuard == 1) {
      target.Action = kActionHit;
      target.EnterStep(MakeStepId(kActionHit, 0));
    }
  } else {
    target.Armor -= damage;
    if (stun > target.Stun) target.Stun = stun;
    target.Action = kActionHit;
    target.EnterStep(MakeStepId(kActionHit, 0));
  }
  if (Push == 1) {
    target.KnockbackDir = dir & 7;
  } else {
    target.Facing = Direction8(target.X - shotX, target.Y - shotY, target.Facing);
  }
}

}  // namespace zk
