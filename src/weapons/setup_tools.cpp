// Helpers the weapon set-ups fill a slot with.
#include "weapons/setup_tools.h"

#include <algorithm>
#include <cmath>

#include "core/dir_table.h"

namespace zk::setup {

void Begin(WeaponData& w, const char* name, const char* fire, const char* hit, int32_t ammo,
           int32_t rows, int32_t cols, int32_t rowDelay) {
  if (name != nullptr) w.Name = name;
  w.FireSound = fire;
  w.HitSound = hit;
  w.Ammo = std::max(ammo, 0);
  w.Rows = std::clamp(rows, 1, kShotRows);
  w.Columns = std::clamp(cols, 1, kShotCols);
  w.RowDelay = std::max(rowDelay, 0);
  w.Unlimited = 0;
  w.Beam = 0;
  w.BreakGuard = 0;
  w.Push = 0;
  w.MultiHit = 0;
  w.HitInterval = 0;
  w.EndOnOwnerHit = 0;
  w.Armed = 1;
  w.VolleyLock = 0;
  w.HitPhase = kNoPhase;
  for (int32_t c = 0; c < kShotCols; ++c) {
    w.Spread[c] = 0;
    w.SpeedScale[c] = 1;
    for (ShotPhaseData& p : w.Phases[c]) p = ShotPhaseData{.Life = 0};
  }
  Muzzles(w, 24, 10);
}

void Muzzles(WeaponData& w, int32_t forward, int32_t spacing) {
  for (int32_t f = 0; f < 8; ++f) {
    const double bx = DirTable[f].dx, by = DirTable[f].dy;
    const double n = std::sqrt(bx * bx + by * by);
    for (int32_t c = 0; c < kShotCols; ++c) {
      const double across = (c - (w.Columns - 1) / 2.0) * spacing;
      w.Aim[f][c].X = static_cast<int32_t>(std::lround(bx * forward - by / n * across));
      w.Aim[f][c].Y = static_cast<int32_t>(std::lround(by * forward + bx / n * across));
    }
  }
}

void Fan(WeaponData& w, double spread) {
  for (int32_t c = 0; c < w.Columns; ++c) {
    w.Spread[c] = w.Columns > 1 ? spread * (2.0 * c / (w.Columns - 1) - 1.0) : 0;
  }
}

void AllColumns(WeaponData& w, int32_t phase, const ShotPhaseData& p) {
  for (int32_t c = 0; c < kShotCols; ++c) w.Phases[c][phase] = p;
}

ShotPhaseData Flight(int32_t move, double speed, int32_t damage, int32_t stun, int32_t life,
                     int32_t half, int32_t sprite, int32_t size) {
  ShotPhaseData p;
  p.Move = move;
  p.Speed = speed;
  p.Damage = damage;
  p.Stun = stun;
  p.Life = life;
  p.HitTest = kHitBox;
  p.HitHalf = half;
  p.Sprite = sprite;
  p.Frames = 1;
  p.FrameRate = 1;
  p.Size = size;
  p.NextPhase = kNoPhase;
  return p;
}

ShotPhaseData Blast(int32_t sprite, int32_t life, int32_t size, int32_t half, int32_t damage,
                    int32_t stun) {
  ShotPhaseData p;
  p.Move = kMoveStill;
  p.Life = life;
  p.Sprite = sprite;
  p.Frames = 8;
  p.FrameRate = std::max(life / 8, 1);
  p.Size = size;
  p.HitTest = half > 0 ? kHitBox : kHitNone;
  p.HitHalf = half;
  p.Damage = damage;
  p.Stun = stun;
  p.NextPhase = kNoPhase;
  return p;
}

void EndInSpark(WeaponData& w) {
  AllColumns(w, 1, Blast(sprite::kSpark, 4, 8));
  w.HitPhase = 1;
}

void EndInBlast(WeaponData& w, int32_t sprite, int32_t size) {
  AllColumns(w, 1, Blast(sprite, 12, size));
  w.HitPhase = 1;
}

}  // namespace zk::setup
