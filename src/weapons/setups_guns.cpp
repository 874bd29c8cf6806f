// Set-ups of the guns, shotguns, cannons and the snatcher.
#include "weapons/setup_tools.h"

namespace zk {

using namespace setup;
namespace sp = sprite;

namespace {

// One round a volley, straight ahead.
void Gun(WeaponData& w, const char* name, const char* fire, const char* hit, int32_t ammo,
         double speed, int32_t damage, int32_t stun, int32_t life, int32_t sprite) {
  Begin(w, name, fire, hit, ammo, 1, 1, 0);
  AllColumns(w, 0, Flight(kMoveStraight, speed, damage, stun, life, 5, sprite, 6));
  EndInSpark(w);
}

// Barrels side by side, streaming with the rapid-fire period.
void Gatling(WeaponData& w, int32_t ammo, int32_t barrels, int32_t damage) {
  Begin(w, "GatringGun", "ATTACK4", "HITTED4", ammo, 1, barrels, 0);
  Muzzles(w, 28, 8);
  AllColumns(w, 0, Flight(kMoveStraight, 16, damage, 4, 56, 5, sp::kGatlingRound, 6));
  EndInSpark(w);
}

// Pellets fanned out, a little faster and slower by turns; they fly a short way only.
void Shotgun(WeaponData& w, const char* name, int32_t ammo, int32_t pellets, double fan,
             int32_t damage, int32_t life) {
  Begin(w, name, "ATTACK1", "HITTED4", ammo, 1, pellets, 0);
  Muzzles(w, 26, 3);
  Fan(w, fan);
  AllColumns(w, 0, Flight(kMoveStraight, 13, damage, 10, life, 5, sp::kPellet, 5));
  for (int32_t c = 0; c < pellets; ++c) w.SpeedScale[c] = c % 2 == 0 ? 1.0 : 0.85;
  EndInSpark(w);
}

// Shells with a smoke trail that knock the robot back and burst.
void Cannon(WeaponData& w, const char* name, const char* fire, const char* hit, int32_t ammo,
            int32_t rows, int32_t cols, int32_t rowDelay, double speed, int32_t damage,
            int32_t stun, int32_t half, int32_t sprite, int32_t blast, int32_t blastSize) {
  Begin(w, name, fire, hit, ammo, rows, cols, rowDelay);
  Muzzles(w, 30, 16);
  ShotPhaseData p = Flight(kMoveStraight, speed, damage, stun, 900 / static_cast<int>(speed), half,
                           sprite, half + 4);
  p.Smoke = 1;
  AllColumns(w, 0, p);
  EndInBlast(w, blast, blastSize);
  w.Push = 1;
}

}  // namespace

void WeaponData::SetRifle_Scav() {
  Gun(*this, "Rifle", "ATTACK1", "HITTED2", 80, 18, 8, 10, 50, sp::kRifleRound);
}
void WeaponData::SetRifle_Ageha() {
  Gun(*this, "Rifle", "ATTACK1", "HITTED2", 90, 18, 7, 10, 50, sp::kRifleRound);
}
void WeaponData::SetRifle_Lizard2() {
  Gun(*this, "Rifle", "ATTACK1", "HITTED2", 36, 18, 32, 18, 50, sp::kRifleRound);
}
void WeaponData::SetAsultRifle_BuzzB() {
  Gun(*this, "AsultRifle", "ATTACK1", "HITTED2", 150, 15, 5, 6, 60, sp::kBullet);
}
void WeaponData::SetMachineGun_Lizard2() {
  Gun(*this, "MachineGun", "ATTACK4", "HITTED4", 220, 15, 5, 4, 60, sp::kBullet);
  Muzzles(*this, 28, 0);
}

void WeaponData::SetGatringGun_Pyro() {
  Gatling(*this, 160, 2, 2);
}
void WeaponData::SetGatringGun_FMH() {
  Gatling(*this, 150, 2, 3);
}
void WeaponData::SetGatringGun_DF() {
  Gatling(*this, 170, 2, 2);
}

void WeaponData::SetShotGun_Lizard2() {
  Shotgun(*this, "ShotGun", 24, 6, 0.22, 9, 20);
}
void WeaponData::SetShotGun_FDog() {
  Shotgun(*this, "ShotGun", 22, 5, 0.2, 11, 20);
}
void WeaponData::SetShotGun_TBahao() {
  Shotgun(*this, "ShotGun", 24, 7, 0.26, 8, 20);
}

// Heavy chunks that slow down, break guards and knock back; a short reach.
void WeaponData::SetShotGunSLAG_FDog() {
  Begin(*this, "ShotGun(SLAG)", "ATTACK1", "HITTED4", 18, 1, 4, 0);
  setup::Muzzles(*this, 26, 4);
  Fan(*this, 0.16);
  ShotPhaseData p = Flight(kMoveAccelerate, 15, 15, 22, 32, 8, sp::kSlag, 8);
  p.Accel = -0.45;
  AllColumns(*this, 0, p);
  EndInSpark(*this);
  BreakGuard = 1;
  Push = 1;
}

void WeaponData::Set80mmCannon_Lizard() {
  Cannon(*this, "80mm-Cannon", "ATTACK1", "HITTED1", 20, 1, 1, 0, 12, 44, 30, 8, sp::kShell80,
         sp::kBlastSmall, 18);
}
void WeaponData::Set80mmCannon_Pyro() {
  Cannon(*this, "80mm Cannon", "HITTED1", "HITTED2", 18, 1, 1, 0, 12, 40, 30, 8, sp::kShell80,
         sp::kBlastSmall, 18);
}
void WeaponData::Set180mmCanon_Pyro() {
  Cannon(*this, "180mm Canon", "HITTED1", "HITTED2", 10, 1, 1, 0, 10, 95, 50, 12, sp::kShell180,
         sp::kBlastLarge, 32);
  BreakGuard = 1;
}
// Two shells side by side.
void WeaponData::Set80mmCannonX2_TBahao() {
  Cannon(*this, "80mmCannon X2", "ATTACK1", "HITTED1", 16, 1, 2, 0, 12, 26, 24, 8, sp::kShell80,
         sp::kBlastSmall, 18);
}
// Three shells one after another.
void WeaponData::Set80mmCanonX3_TBahao() {
  Cannon(*this, "80mmCanon X3", "ATTACK1", "HITTED1", 12, 3, 1, 4, 12, 28, 22, 8, sp::kShell80,
         sp::kBlastSmall, 18);
}
// Five shells fanned wide.
void WeaponData::SetSpreadCannon_Lizard() {
  Cannon(*this, "Spread-Cannon", "ATTACK1", "HITTED1", 16, 1, 5, 0, 11, 11, 20, 7, sp::kShell80,
         sp::kBlastSmall, 14);
  Fan(*this, 0.3);
  setup::Muzzles(*this, 30, 4);
}

// A claw that flies out, turns and comes back for its owner; on the way back it catches the
// robot and drags it along toward the owner.
void WeaponData::SetSnatcher_TBahao() {
  Begin(*this, "Snatcher", "ATTACK1", "HITTED4", 30, 1, 1, 0);
  ShotPhaseData out = Flight(kMoveStraight, 18, 0, 0, 14, 0, sp::kClaw, 8);
  out.HitTest = kHitNone;
  out.Frames = 2;
  out.FrameRate = 2;
  out.NextPhase = 1;
  ShotPhaseData back = Flight(kMoveDart, 18, 16, 30, 16, 10, sp::kClaw, 8);
  back.MaxSpeed = 18;
  back.Param = 0;
  back.Homeward = 1;
  back.Frames = 2;
  back.FrameRate = 2;
  AllColumns(*this, 0, out);
  AllColumns(*this, 1, back);
  AllColumns(*this, 2, Blast(sp::kSpark, 4, 8));
  HitPhase = 2;
  Push = 1;
}

}  // namespace zk
