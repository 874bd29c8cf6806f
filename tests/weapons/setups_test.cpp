// The weapon set-ups: names, sounds, ammunition, shapes, the melee arguments, and that each
// weapon plays as its name promises.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "weapon_test_util.h"
#include "weapons/weapon_frame.h"

namespace zk {
namespace {

using Setup = void (WeaponData::*)();

struct SetupCase {
  Setup setup;
  const char* name;
  const char* fire;
  const char* hit;
};

#define ZK_SETUP(fn, name, fire, hit) \
  SetupCase {                         \
    &WeaponData::fn, name, fire, hit  \
  }

const SetupCase kSetups[] = {
    ZK_SETUP(SetWaitingStinger_Lizard, "Waiting-Stinger", "BEAM", "HITTED4"),
    ZK_SETUP(SetWaitingMine_Lizard, "Waiting-Mine", "BEAM", "HITTED1"),
    ZK_SETUP(SetSpreadCannon_Lizard, "Spread-Cannon", "ATTACK1", "HITTED1"),
    ZK_SETUP(Set80mmCannon_Lizard, "80mm-Cannon", "ATTACK1", "HITTED1"),
    ZK_SETUP(SetRocketX6_TBahao, "Rocket X6", "ATTACK5", "HITTED4"),
    ZK_SETUP(SetFireFly_Scav, "FireFly", "BEAM", "HITTED4"),
    ZK_SETUP(SetMissileX6_Scav, "Missile X6", "ATTACK5", "HITTED2"),
    ZK_SETUP(SetRifle_Scav, "Rifle", "ATTACK1", "HITTED2"),
    ZK_SETUP(SetSnatcher_TBahao, "Snatcher", "ATTACK1", "HITTED4"),
    ZK_SETUP(SetGranade_TBahao, "Granade", "ATTACK5", "HITTED2"),
    ZK_SETUP(Set80mmCannonX2_TBahao, "80mmCannon X2", "ATTACK1", "HITTED1"),
    ZK_SETUP(Set80mmCanonX3_TBahao, "80mmCanon X3", "ATTACK1", "HITTED1"),
    ZK_SETUP(SetShotGun_TBahao, "ShotGun", "ATTACK1", "HITTED4"),
    ZK_SETUP(SetLazerShot_Ageha, "LazerShot", "BEAM", "HITTED4"),
    ZK_SETUP(SetRifle_Ageha, "Rifle", "ATTACK1", "HITTED2"),
    ZK_SETUP(SetGatringGun_DF, "GatringGun", "ATTACK4", "HITTED4"),
    ZK_SETUP(SetAcidFog_HBack, "AcidFog", "ACID", "HITTED3"),
    ZK_SETUP(SetTempestAcid_HBack, "Tempest Acid", "ATTACK5", "HITTED3"),
    ZK_SETUP(SetTempest_HBack, "Tempest", "ATTACK5", "HITTED4"),
    ZK_SETUP(SetLazerShot_HBack, "LazerShot", "BEAM", "HITTED4"),
    ZK_SETUP(SetGranade_HBack, "Granade", "ATTACK5", "HITTED4"),
    ZK_SETUP(SetSpreadBazooka_DF, "SpreadBazooka", "HITTED1", "HITTED2"),
    ZK_SETUP(SetBazooka_DF, "Bazooka", "HITTED1", "HITTED2"),
    ZK_SETUP(SetAcidFog_DF, "AcidFog", "ACID", "HITTED3"),
    ZK_SETUP(SetMissleX1_FDog, "Missle X1", "ATTACK5", "HITTED2"),
    ZK_SETUP(SetFloatingMine_FDog, "FloatingMine", "BEAM", "HITTED1"),
    ZK_SETUP(SetShotGunSLAG_FDog, "ShotGun(SLAG)", "ATTACK1", "HITTED4"),
    ZK_SETUP(SetShotGun_FDog, "ShotGun", "ATTACK1", "HITTED4"),
    ZK_SETUP(SetStinger_BuzzB, "Stinger", "BEAM", "HITTED4"),
    ZK_SETUP(SetFireFly_BuzzB, "FireFly", "BEAM", "HITTED4"),
    ZK_SETUP(SetAsultRifle_BuzzB, "AsultRifle", "ATTACK1", "HITTED2"),
    ZK_SETUP(SetFireFly_FMH, "FireFly", "BEAM", "HITTED4"),
    ZK_SETUP(SetLazerShot_FMH, "LazerShot", "BEAM", "HITTED4"),
    ZK_SETUP(SetRocketX4_FMH, "Rocket X4", "ATTACK5", "HITTED4"),
    ZK_SETUP(SetSnakeMine_FMH, "SnakeMine", "ATTACK5", "HITTED4"),
    ZK_SETUP(SetGatringGun_FMH, "GatringGun", "ATTACK4", "HITTED4"),
    ZK_SETUP(SetMissileX6_Pyro, "Missile X6", "ATTACK5", "HITTED2"),
    ZK_SETUP(SetMissileX1_Pyro, "Missile X1", "ATTACK5", "HITTED2"),
    ZK_SETUP(Set180mmCanon_Pyro, "180mm Canon", "HITTED1", "HITTED2"),
    ZK_SETUP(Set80mmCannon_Pyro, "80mm Cannon", "HITTED1", "HITTED2"),
    ZK_SETUP(SetGatringGun_Pyro, "GatringGun", "ATTACK4", "HITTED4"),
    ZK_SETUP(SetStinger_Lizard2, "Stinger", "BEAM", "HITTED4"),
    ZK_SETUP(SetShotGun_Lizard2, "ShotGun", "ATTACK1", "HITTED4"),
    ZK_SETUP(SetRocketX4_Lizard2, "Rocket X4", "ATTACK5", "HITTED4"),
    ZK_SETUP(SetRifle_Lizard2, "Rifle", "ATTACK1", "HITTED2"),
    ZK_SETUP(SetMachineGun_Lizard2, "MachineGun", "ATTACK4", "HITTED4"),
    ZK_SETUP(SetMissileX1_Lizard2, "Missile X1", "ATTACK5", "HITTED2"),
};

TEST(Setups, NamesSoundsAmmunitionAndShape) {
  for (const SetupCase& c : kSetups) {
    WeaponData w;
    w.RoundReset();
    (w.*c.setup)();
    SCOPED_TRACE(c.name);
    EXPECT_EQ(w.Name, c.name);
    EXPECT_EQ(w.FireSound, c.fire);
    EXPECT_EQ(w.HitSound, c.hit);
    EXPECT_EQ(w.HitSoundIndex(), c.hit[6] - '1');
    EXPECT_GT(w.Ammo, 0);
    EXPECT_EQ(w.Unlimited, 0);
    EXPECT_GE(w.Rows, 1);
    EXPECT_GE(w.Columns, 1);
    EXPECT_LE(w.Rows, kShotRows);
    EXPECT_LE(w.Columns, kShotCols);
    // Every column flies, and some phase of it can deal damage.
    for (int32_t col = 0; col < w.Columns; ++col) {
      EXPECT_GT(w.Phases[col][0].Life, 0);
      bool hurts = false;
      for (const ShotPhaseData& p : w.Phases[col]) hurts = hurts || (p.Damage > 0 && p.HitTest);
      EXPECT_TRUE(hurts) << col;
    }
  }
}

TEST(Setups, EveryWeaponIsItsOwn) {
  std::set<std::string> shapes;
  for (const SetupCase& c : kSetups) {
    WeaponData w;
    (w.*c.setup)();
    const ShotPhaseData& p = w.Phases[0][0];
    shapes.insert(std::to_string(w.Rows) + "x" + std::to_string(w.Columns) + " m" +
                  std::to_string(p.Move) + " d" + std::to_string(p.Damage) + " a" +
                  std::to_string(w.Ammo) + " l" + std::to_string(p.Life) + " s" +
                  std::to_string(p.Speed));
  }
  EXPECT_EQ(shapes.size(), std::size(kSetups) - 2);  // the FireFly of ZeviruraR and RiziVov agree
}

struct MeleeCase {
  int32_t reach, life, damage, stun;
};

TEST(Setups, MeleeTakesItsArgumentsAndLeavesTheNameAlone) {
  for (const MeleeCase& m : {MeleeCase{44, 6, 40, 36}, MeleeCase{35, 9, 32, 80},
                             MeleeCase{50, 8, 160, 140}, MeleeCase{45, 10, 44, 100}}) {
    WeaponData w;
    w.Name = "before";
    w.SetMelee(m.reach, m.life, m.damage, m.stun);
    EXPECT_EQ(w.Name, "before");
    EXPECT_EQ(w.FireSound, "ATTACK2");
    EXPECT_EQ(w.HitSound, "HITTED2");
    EXPECT_EQ(w.Ammo, 256);
    EXPECT_EQ(w.Unlimited, 1);
    EXPECT_EQ(w.Rows, 1);
    EXPECT_EQ(w.Columns, 1);
    EXPECT_EQ(w.MultiHit, 0);
    EXPECT_EQ(w.EndOnOwnerHit, 1);
    const ShotPhaseData& p = w.Phases[0][0];
    EXPECT_EQ(p.Move, kMoveMelee);
    EXPECT_EQ(p.Param, m.reach);
    EXPECT_EQ(p.Life, m.life);
    EXPECT_EQ(p.HitHalf, m.reach / 2);  // 35 gives 17
    EXPECT_EQ(p.Damage, m.damage);
    EXPECT_EQ(p.Stun, m.stun);
  }
  WeaponData f;
  f.SetMelee_FDog();
  EXPECT_TRUE(f.Name.empty());
  EXPECT_EQ(f.FireSound, "ATTACK3");
  EXPECT_EQ(f.HitSound, "HITTED4");
  EXPECT_EQ(f.Ammo, 256);
  EXPECT_EQ(f.Unlimited, 1);
  EXPECT_EQ(f.MultiHit, 1);
  EXPECT_EQ(f.Phases[0][0].Life, 8);
  EXPECT_EQ(f.Phases[0][0].Damage, 8);
  EXPECT_EQ(f.Phases[0][0].Stun, 0);
  EXPECT_EQ(f.Phases[0][0].HitHalf, 35);
}

// Fires one volley of a set-up from (200, 300) facing right at a robot at (target, 300) and
// runs the shots for some frames.
struct Volley {
  CharacterData me = test::Robot(200, 300);
  CharacterData you;
  WeaponData slots[4];
  Volley(Setup setup, int32_t targetX, int32_t targetY = 300) {
    you = test::Robot(targetX, targetY);
    (slots[0].*setup)();
    me.Action = 1;
    me.Step = test::FiringStep(1);
    EXPECT_EQ(FireRobotWeapon(me, you, slots), 0);
  }
  WeaponData& w() { return slots[0]; }
  int32_t Run(int frames) {
    int32_t hits = 0;
    for (int f = 0; f < frames; ++f) hits += ControlSlot(slots[0], me, you, 0, 0);
    return hits;
  }
  int32_t Flying() const {
    int32_t n = 0;
    for (auto& row : slots[0].Shots) {
      for (auto& s : row) n += s.Active == 1 && s.Phase == 0;
    }
    return n;
  }
};

TEST(AsNamed, SpreadCannonSpreads) {
  Volley v(&WeaponData::SetSpreadCannon_Lizard, 2000);
  v.Run(1);
  const double near = v.w().Shots[0][4].Y - v.w().Shots[0][0].Y;
  v.Run(20);
  const double far = v.w().Shots[0][4].Y - v.w().Shots[0][0].Y;
  EXPECT_EQ(v.Flying(), 5);
  EXPECT_GT(far, near + 100);
}

TEST(AsNamed, MissileX6SendsSixMissilesThatHome) {
  Volley v(&WeaponData::SetMissileX6_Pyro, 200, 550);  // straight below
  EXPECT_EQ(v.Flying(), 6);
  v.Run(30);
  for (int c = 0; c < 6; ++c) EXPECT_NE(v.w().Shots[0][c].Dir, 2) << c;  // turned off its line
  EXPECT_GT(v.Run(100), 3);
}

TEST(AsNamed, WaitingMineWaitsOnTheFloor) {
  Volley v(&WeaponData::SetWaitingMine_Lizard, 700);
  v.Run(30);
  const ShotData s = v.w().Shots[0][0];
  v.Run(200);
  EXPECT_EQ(v.w().Shots[0][0].Active, 1);
  EXPECT_DOUBLE_EQ(v.w().Shots[0][0].X, s.X);  // still there, waiting
  v.you.X = static_cast<int32_t>(s.X) + 30;    // the target walks onto it
  EXPECT_EQ(v.Run(20), 1);
}

TEST(AsNamed, GatringGunStreamsEveryTimeItIsAsked) {
  CharacterData me = test::Robot(200, 300), you = test::Robot(600, 300);
  WeaponData slots[4];
  slots[0].SetGatringGun_DF();
  me.Action = 1;
  int32_t volleys = 0, hits = 0;
  for (int f = 0; f < 40; ++f) {
    me.Step = test::FiringStep(1);
    if (f % 2 == 0) me.Fired = 0;  // the rapid-fire re-arm
    if (FireRobotWeapon(me, you, slots) == 0) ++volleys;
    hits += ControlSlot(slots[0], me, you, 0, 0);
  }
  for (int f = 0; f < 30; ++f) hits += ControlSlot(slots[0], me, you, 0, 0);
  EXPECT_EQ(volleys, 20);
  EXPECT_EQ(hits, 2 * 20);  // two barrels, every round home
}

TEST(AsNamed, AcidFogLingersAndKeepsBurning) {
  Volley v(&WeaponData::SetAcidFog_DF, 540);
  const int32_t hits = v.Run(140);
  EXPECT_EQ(v.w().LiveShots, 3);  // still hanging there
  EXPECT_GE(hits, 5);
  EXPECT_EQ(v.w().MultiHit, 1);
}

TEST(AsNamed, LazerShotIsABeam) {
  Volley v(&WeaponData::SetLazerShot_Ageha, 700, 310);
  EXPECT_EQ(v.w().Beam, 1);
  v.Run(1);
  EXPECT_GT(v.w().Shots[0][0].Length, 100);
  EXPECT_GE(v.Run(15), 3);  // reaches across the field at once and burns
}

TEST(AsNamed, SnatcherDragsTheRobotTowardItsOwner) {
  Volley v(&WeaponData::SetSnatcher_TBahao, 260);
  const int32_t hits = v.Run(30);
  EXPECT_EQ(hits, 1);
  EXPECT_EQ(v.you.KnockbackDir, 6);  // toward the owner on the left
}

TEST(AsNamed, TempestWhirlsARingOutward) {
  Volley v(&WeaponData::SetTempest_HBack, 2000);
  EXPECT_EQ(v.Flying(), 8);
  v.Run(20);
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (int c = 0; c < 8; ++c) {
    const ShotData& s = v.w().Shots[0][c];
    minX = std::min(minX, s.X);
    maxX = std::max(maxX, s.X);
    minY = std::min(minY, s.Y);
    maxY = std::max(maxY, s.Y);
  }
  EXPECT_GT(maxX - minX, 80);
  EXPECT_GT(maxY - minY, 60);
}

TEST(AsNamed, TempestAcidSettlesIntoAcid) {
  Volley v(&WeaponData::SetTempestAcid_HBack, 2000);
  v.Run(45);
  EXPECT_EQ(v.w().Phases[0][1].Move, kMoveFog);
  EXPECT_EQ(v.w().Shots[0][0].Phase, 1);
}

TEST(AsNamed, FireFliesFanOutAndFlitIn) {
  Volley v(&WeaponData::SetFireFly_BuzzB, 500);
  v.Run(5);
  EXPECT_LT(v.w().Shots[0][0].Y, 290);  // fanned up and down
  EXPECT_GT(v.w().Shots[0][3].Y, 310);
  EXPECT_EQ(v.Run(100), 4);
}

TEST(AsNamed, StingersHangThenDart) {
  Volley v(&WeaponData::SetStinger_Lizard2, 500, 450);
  v.Run(10);
  EXPECT_EQ(v.w().Shots[0][0].Speed, 0);  // hanging
  EXPECT_GE(v.Run(40), 2);
}

TEST(AsNamed, SnakeMineSnakesToTheTarget) {
  Volley v(&WeaponData::SetSnakeMine_FMH, 500);
  double minY = 1e9, maxY = -1e9;
  for (int f = 0; f < 20; ++f) {
    v.Run(1);
    minY = std::min(minY, v.w().Shots[0][0].Y);
    maxY = std::max(maxY, v.w().Shots[0][0].Y);
  }
  EXPECT_GT(maxY - minY, 25);
  EXPECT_GE(v.Run(100), 1);
}

TEST(AsNamed, GrenadesFlyOverWhatIsNearAndBurstWhereTheyLand) {
  Volley near(&WeaponData::SetGranade_HBack, 240);
  EXPECT_EQ(near.Run(25), 0);  // in the air
  Volley mid(&WeaponData::SetGranade_HBack, 540);
  EXPECT_EQ(mid.Run(60), 1);
}

TEST(AsNamed, RocketsFlyStraightEnoughToHitAcrossTheField) {
  for (zk::Setup rockets : {&WeaponData::SetRocketX4_Lizard2, &WeaponData::SetRocketX6_TBahao}) {
    Volley v(rockets, 750);  // 550 px ahead, a body of half size 20
    EXPECT_EQ(v.Run(100), v.w().Rows * v.w().Columns);
  }
}

TEST(AsNamed, MissileX1Homes) {
  Volley v(&WeaponData::SetMissileX1_Lizard2, 250, 500);
  EXPECT_EQ(v.Run(120), 1);
}

}  // namespace
}  // namespace zk
