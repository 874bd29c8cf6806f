// Set-ups of the melee weapons, mines, acid, beams, whirlwinds, fireflies and stingers.
#include "weapons/setup_tools.h"

namespace zk {

using namespace setup;
namespace sp = sprite;

void WeaponData::SetMelee(int32_t reach, int32_t lifetime, int32_t damage, int32_t stun) {
  Begin(*this, nullptr, "ATTACK2", "HITTED2", 256, 1, 1, 0);
  Unlimited = 1;
  EndOnOwnerHit = 1;
  Push = 1;
  ShotPhaseData p = Flight(kMoveMelee, 0, damage, stun, lifetime, reach / 2, sp::kSlash, reach / 2);
  p.Param = reach;
  p.Frames = 4;
  p.FrameRate = lifetime / 4 > 0 ? lifetime / 4 : 1;
  AllColumns(*this, 0, p);
  HitPhase = 0;  // the strike hits once and plays to its end
}

// VedoZad's claws: a wide flurry that keeps hitting while the robot stays in reach.
void WeaponData::SetMelee_FDog() {
  Begin(*this, nullptr, "ATTACK3", "HITTED4", 256, 1, 1, 0);
  Unlimited = 1;
  MultiHit = 1;
  HitInterval = 2;
  ShotPhaseData p = Flight(kMoveMelee, 0, 8, 0, 8, 35, sp::kClawFlash, 35);
  p.Param = 30;
  p.Frames = 4;
  p.FrameRate = 2;
  AllColumns(*this, 0, p);
  HitPhase = 0;
}

namespace {

// A mine that slides out, settles, arms and waits to be set off; it goes off at the end of its
// life in any case.
ShotPhaseData Mine(int32_t move, double speed, double accel, int32_t trigger, int32_t life,
                   int32_t sprite) {
  ShotPhaseData p = Flight(move, speed, 0, 0, life, 0, sprite, 10);
  p.HitTest = kHitNone;
  p.Accel = accel;
  p.Param = trigger;
  p.Frames = 2;
  p.FrameRate = 6;
  p.NextPhase = 1;
  return p;
}

void MineBlast(WeaponData& w, int32_t half, int32_t damage, int32_t stun) {
  AllColumns(w, 1, Blast(sp::kBlastLarge, 14, half, half, damage, stun));
  w.HitPhase = 1;
  w.Push = 1;
  w.BreakGuard = 1;
}

// Acid clouds that slow to a stop, swell and eat at whatever stands in them.
void AcidFog(WeaponData& w, int32_t ammo, int32_t clouds, double speed, int32_t damage,
             int32_t life) {
  Begin(w, "AcidFog", "ACID", "HITTED3", ammo, 1, clouds, 0);
  Fan(w, 0.25);
  ShotPhaseData p = Flight(kMoveFog, speed, damage, 8, life, 10, sp::kAcidFog, 12);
  p.Accel = -0.15;
  p.Grow = 3;
  p.Param = 34;
  p.Frames = 8;
  p.FrameRate = 3;
  AllColumns(w, 0, p);
  w.MultiHit = 1;
  w.HitInterval = 12;
}

// A laser: a line from the owner's muzzle that reaches across the field at once and burns for
// `life` frames, hitting again every `interval` frames while it touches.
void Lazer(WeaponData& w, int32_t ammo, int32_t life, int32_t damage, int32_t interval) {
  Begin(w, "LazerShot", "BEAM", "HITTED4", ammo, 1, 1, 0);
  Muzzles(w, 26, 0);
  ShotPhaseData p = Flight(kMoveBeam, 120, damage, 10, life, 4, sp::kBeam, 6);
  p.HitTest = kHitBeam;
  p.MaxSpeed = 900;
  p.Frames = 4;
  p.FrameRate = 1;
  AllColumns(w, 0, p);
  w.Beam = 1;
  w.MultiHit = 1;
  w.HitInterval = interval;
}

// Fireflies fan out wide and flit in toward the target.
void FireFly(WeaponData& w, int32_t ammo, int32_t flies, int32_t damage) {
  Begin(w, "FireFly", "BEAM", "HITTED4", ammo, 1, flies, 0);
  Muzzles(w, 16, 10);
  Fan(w, 0.9);
  ShotPhaseData p = Flight(kMoveFirefly, 5.5, damage, 10, 120, 6, sp::kFirefly, 6);
  p.Param = 60;
  p.Frames = 4;
  p.FrameRate = 2;
  AllColumns(w, 0, p);
  EndInSpark(w);
}

// Stingers shoot out sideways, hang for a moment and dart at the target.
void Stinger(WeaponData& w, int32_t ammo, int32_t stingers, int32_t damage) {
  Begin(w, "Stinger", "BEAM", "HITTED4", ammo, 1, stingers, 0);
  Muzzles(w, 18, 8);
  Fan(w, 1.0);
  ShotPhaseData p = Flight(kMoveDart, 9, damage, 14, 60, 6, sp::kStinger, 8);
  p.Accel = -0.9;
  p.Param = 10;
  p.MaxSpeed = 18;
  p.FrameRate = 0;
  AllColumns(w, 0, p);
  EndInSpark(w);
}

// A whirlwind: shots in a ring circling outward around a centre that drifts ahead.
void Tempest(WeaponData& w, const char* name, const char* hit, int32_t ammo, int32_t ring,
             int32_t sprite) {
  Begin(w, name, "ATTACK5", hit, ammo, 1, ring, 0);
  Muzzles(w, 30, 0);
  ShotPhaseData p = Flight(kMoveSpiral, 3.2, 0, 12, 64, 10, sprite, 12);
  p.Accel = 0.2;
  p.MaxSpeed = 2.5;
  p.Frames = 4;
  p.FrameRate = 2;
  AllColumns(w, 0, p);
}

}  // namespace

void WeaponData::SetWaitingMine_Lizard() {
  Begin(*this, "Waiting-Mine", "BEAM", "HITTED1", 8, 1, 1, 0);
  AllColumns(*this, 0, Mine(kMoveWait, 7, -0.5, 45, 600, sp::kWaitingMine));
  MineBlast(*this, 42, 60, 40);
}

// Two stingers lie in wait on the floor; when the target comes near they dart at it.
void WeaponData::SetWaitingStinger_Lizard() {
  Begin(*this, "Waiting-Stinger", "BEAM", "HITTED4", 10, 1, 2, 0);
  Fan(*this, 0.35);
  AllColumns(*this, 0, Mine(kMoveWait, 6, -0.5, 280, 400, sp::kWaitingStinger));
  ShotPhaseData dart = Flight(kMoveDart, 16, 24, 18, 45, 6, sp::kStinger, 8);
  dart.MaxSpeed = 17;
  dart.Param = 0;
  dart.FrameRate = 0;
  dart.NextPhase = kNoPhase;
  AllColumns(*this, 1, dart);
  AllColumns(*this, 2, Blast(sp::kSpark, 4, 8));
  HitPhase = 2;
}

void WeaponData::SetFloatingMine_FDog() {
  Begin(*this, "FloatingMine", "BEAM", "HITTED1", 8, 1, 1, 0);
  AllColumns(*this, 0, Mine(kMoveFloat, 1.6, 0, 34, 420, sp::kFloatingMine));
  MineBlast(*this, 40, 55, 40);
}

void WeaponData::SetSnakeMine_FMH() {
  Begin(*this, "SnakeMine", "ATTACK5", "HITTED4", 8, 1, 2, 0);
  Muzzles(*this, 20, 24);
  ShotPhaseData p = Mine(kMoveSnake, 4, 0.3, 30, 160, sp::kSnakeMine);
  p.Accel = 0.3;    // weave, radians a frame
  p.MaxSpeed = 20;  // weave, pixels either side
  p.Frames = 4;
  p.FrameRate = 3;
  AllColumns(*this, 0, p);
  MineBlast(*this, 36, 36, 30);
}

void WeaponData::SetAcidFog_DF() {
  AcidFog(*this, 12, 3, 10, 4, 150);
}
void WeaponData::SetAcidFog_HBack() {
  AcidFog(*this, 10, 4, 9, 4, 140);
}

void WeaponData::SetLazerShot_Ageha() {
  Lazer(*this, 12, 16, 8, 4);
}
void WeaponData::SetLazerShot_HBack() {
  Lazer(*this, 10, 18, 8, 4);
}
void WeaponData::SetLazerShot_FMH() {
  Lazer(*this, 14, 12, 9, 3);
}

void WeaponData::SetFireFly_Scav() {
  FireFly(*this, 10, 4, 10);
}
void WeaponData::SetFireFly_BuzzB() {
  FireFly(*this, 10, 4, 10);
}
void WeaponData::SetFireFly_FMH() {
  FireFly(*this, 10, 5, 10);
}

void WeaponData::SetStinger_BuzzB() {
  Stinger(*this, 12, 3, 16);
}
void WeaponData::SetStinger_Lizard2() {
  Stinger(*this, 12, 3, 16);
}

void WeaponData::SetTempest_HBack() {
  Tempest(*this, "Tempest", "HITTED4", 8, 8, sp::kTempest);
  AllColumns(*this, 0, [&] {
    ShotPhaseData p = Phases[0][0];
    p.Damage = 11;
    return p;
  }());
  EndInSpark(*this);
  Push = 1;
}

// The whirlwind of acid: the ring settles into clouds that linger and burn.
void WeaponData::SetTempestAcid_HBack() {
  Tempest(*this, "Tempest Acid", "HITTED3", 6, 6, sp::kTempestAcid);
  ShotPhaseData spin = Phases[0][0];
  spin.Damage = 4;
  spin.Life = 40;
  spin.NextPhase = 1;
  AllColumns(*this, 0, spin);
  ShotPhaseData fog = Flight(kMoveFog, 0, 4, 8, 70, 14, sp::kAcidFog, 14);
  fog.Grow = 2;
  fog.Param = 30;
  fog.Frames = 8;
  fog.FrameRate = 3;
  AllColumns(*this, 1, fog);
  MultiHit = 1;
  HitInterval = 12;
}

}  // namespace zk
