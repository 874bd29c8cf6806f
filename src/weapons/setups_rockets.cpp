// Set-ups of the rockets, bazookas, missiles and grenades.
#include "weapons/setup_tools.h"

namespace zk {

using namespace setup;
namespace sp = sprite;

namespace {

// Rockets leave slowly, speed up to a top speed and trail smoke; later rows follow the first.
void Rockets(WeaponData& w, const char* name, const char* fire, const char* hit, int32_t ammo,
             int32_t rows, int32_t cols, int32_t damage, int32_t stun) {
  Begin(w, name, fire, hit, ammo, rows, cols, 5);
  Muzzles(w, 22, 14);
  Fan(w, 0.03);
  ShotPhaseData p = Flight(kMoveAccelerate, 4, damage, stun, 70, 7, sp::kRocket, 10);
  p.Accel = 0.8;
  p.MaxSpeed = 15;
  p.FrameRate = 0;  // a cell per direction
  p.Smoke = 1;
  AllColumns(w, 0, p);
  EndInBlast(w, sp::kBlastSmall, 18);
  w.Push = 1;
}

// Missiles fan out and then turn toward the target one direction step at a time.
void Missiles(WeaponData& w, const char* name, int32_t ammo, int32_t cols, double fan,
              int32_t damage, int32_t stun, int32_t turnPeriod) {
  Begin(w, name, "ATTACK5", "HITTED2", ammo, 1, cols, 0);
  Muzzles(w, 20, 8);
  Fan(w, fan);
  ShotPhaseData p = Flight(kMoveHoming, 3, damage, stun, 110, 7, sp::kMissile, 10);
  p.Accel = 0.35;
  p.MaxSpeed = 10;
  p.Param = turnPeriod;
  p.FrameRate = 0;
  p.Smoke = 1;
  AllColumns(w, 0, p);
  EndInBlast(w, sp::kBlastSmall, 18);
  w.Push = 1;
}

// Grenades are thrown over whatever is near and burst where they land; columns throw short,
// middle and far.
void Grenades(WeaponData& w, const char* hit, int32_t ammo, int32_t cols, int32_t damage) {
  Begin(w, "Granade", "ATTACK5", hit, ammo, 1, cols, 0);
  Muzzles(w, 18, 10);
  ShotPhaseData lob = Flight(kMoveLob, 12, 0, 0, 36, 0, sp::kGrenade, 7);
  lob.HitTest = kHitNone;
  lob.Accel = -0.15;
  lob.Param = 60;  // arc height
  lob.Frames = 8;
  lob.FrameRate = 2;
  lob.NextPhase = 1;
  AllColumns(w, 0, lob);
  AllColumns(w, 1, Blast(sp::kBlastLarge, 14, 36, 40, damage, 40));
  w.HitPhase = 1;
  w.Push = 1;
  w.BreakGuard = 1;
  static constexpr double kReach[3] = {1.0, 0.7, 0.45};
  for (int32_t c = 0; c < cols; ++c) w.SpeedScale[c] = kReach[c % 3];
}

}  // namespace

void WeaponData::SetRocketX4_Lizard2() {
  Rockets(*this, "Rocket X4", "ATTACK5", "HITTED4", 8, 2, 2, 15, 20);
}
void WeaponData::SetRocketX4_FMH() {
  Rockets(*this, "Rocket X4", "ATTACK5", "HITTED4", 8, 2, 2, 16, 20);
}
void WeaponData::SetRocketX6_TBahao() {
  Rockets(*this, "Rocket X6", "ATTACK5", "HITTED4", 6, 3, 2, 15, 20);
}

// One big rocket that breaks guards.
void WeaponData::SetBazooka_DF() {
  Rockets(*this, "Bazooka", "HITTED1", "HITTED2", 8, 1, 1, 60, 40);
  AllColumns(*this, 1, Blast(sp::kBlastLarge, 16, 32));
  BreakGuard = 1;
}
// Three rockets fanned wide.
void WeaponData::SetSpreadBazooka_DF() {
  Rockets(*this, "SpreadBazooka", "HITTED1", "HITTED2", 10, 1, 3, 34, 30);
  Fan(*this, 0.28);
}

void WeaponData::SetMissileX1_Lizard2() {
  Missiles(*this, "Missile X1", 10, 1, 0, 44, 30, 4);
}
void WeaponData::SetMissileX1_Pyro() {
  Missiles(*this, "Missile X1", 10, 1, 0, 46, 30, 4);
}
void WeaponData::SetMissleX1_FDog() {
  Missiles(*this, "Missle X1", 10, 1, 0, 42, 30, 3);
}
void WeaponData::SetMissileX6_Pyro() {
  Missiles(*this, "Missile X6", 6, 6, 0.7, 15, 16, 5);
}
void WeaponData::SetMissileX6_Scav() {
  Missiles(*this, "Missile X6", 6, 6, 0.7, 12, 16, 5);
}

void WeaponData::SetGranade_HBack() {
  Grenades(*this, "HITTED4", 12, 2, 50);
}
void WeaponData::SetGranade_TBahao() {
  Grenades(*this, "HITTED2", 10, 3, 40);
}

}  // namespace zk
