// Firing: ammunition, the volley lock, the shot array's bounds, and which steps fire.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "weapon_test_util.h"
#include "weapons/weapon_frame.h"

namespace zk {
namespace {

using test::FiringStep;
using test::Robot;

struct Duel {
  CharacterData me = Robot(200, 300);
  CharacterData you = Robot(600, 300);
  WeaponData slots[4];
  // Weapon button slot + 1 in a firing step: the slot that fired, or -1.
  int32_t PressFire(int32_t slot) {
    me.Action = slot + 1;
    me.Step = FiringStep(slot + 1);
    return FireRobotWeapon(me, you, slots);
  }
  // A live rifle shot of slot 1 (row `row`) at (x, y), flying right at `speed`.
  ShotData& RifleShot(int32_t row, double x, double y, double speed) {
    slots[0].SetRifle_Scav();
    slots[0].Owner = &me;
    ShotData& s = slots[0].Shots[row][0];
    s.Active = 1;
    s.Phase = 0;
    s.X = x;
    s.Y = y;
    s.DX = 1;
    s.Speed = speed;
    return s;
  }
};

TEST(WeaponSlot, ConstructedEmpty) {
  WeaponData w;
  EXPECT_TRUE(w.Name.empty());
  EXPECT_TRUE(w.FireSound.empty());
  EXPECT_TRUE(w.HitSound.empty());
  EXPECT_EQ(w.Ammo, 0);
  for (auto& row : w.Shots) {
    for (auto& s : row) EXPECT_EQ(s.Active, 0);
  }
  CharacterData me = Robot(0, 0);
  w.Owner = &me;
  EXPECT_FALSE(w.Fire());
}

TEST(WeaponSlot, RoundResetClearsTheRoundButKeepsNamesAndTemplates) {
  WeaponData w;
  w.SetWaitingStinger_Lizard();  // on-hit phase 2
  w.Unlimited = 1;
  w.Beam = 1;
  w.VolleyLock = 1;
  w.LiveShots = 3;
  w.RoundReset();
  EXPECT_EQ(w.Ammo, 0);
  EXPECT_EQ(w.VolleyLock, 0);
  EXPECT_EQ(w.LiveShots, 0);
  EXPECT_EQ(w.HitPhase, 0);
  EXPECT_EQ(w.Unlimited, 0);
  EXPECT_EQ(w.Beam, 0);
  EXPECT_EQ(w.Name, "Waiting-Stinger");
  EXPECT_EQ(w.FireSound, "BEAM");
  EXPECT_EQ(w.HitSound, "HITTED4");
  EXPECT_EQ(w.Phases[0][1].Move, kMoveDart);
}

TEST(WeaponSlot, ASlotLeftWithoutAWeaponNeverFires) {
  Duel d;
  d.slots[3].SetRocketX4_FMH();  // last round's weapon
  d.slots[3].RoundReset();       // this round's variant leaves slot 4 empty
  d.slots[3].Ammo = 5;           // even with ammunition written into it
  d.me.Action = 4;
  d.me.Step = FiringStep(4);
  for (int f = 0; f < 5; ++f) EXPECT_EQ(FireRobotWeapon(d.me, d.you, d.slots), -1);
  EXPECT_EQ(d.me.Fired, 0);
}

TEST(WeaponSlot, ResetShotsEndsEveryShot) {
  Duel d;
  d.slots[0].SetGatringGun_DF();
  d.slots[0].Owner = &d.me;
  for (int i = 0; i < 5; ++i) {
    d.slots[0].VolleyLock = 0;
    ASSERT_TRUE(d.slots[0].Fire());
  }
  d.slots[0].ResetShots();
  for (auto& row : d.slots[0].Shots) {
    for (auto& s : row) EXPECT_EQ(s.Active, 0);
  }
  EXPECT_EQ(d.slots[0].LiveShots, 0);
}

TEST(Fire, AVolleyUsesOneAmmoAndAmmunitionNeverGoesBelowZero) {
  Duel d;
  WeaponData& w = d.slots[0];
  w.SetRifle_Scav();
  w.Owner = &d.me;
  w.Ammo = 2;
  EXPECT_TRUE(w.Fire());
  EXPECT_EQ(w.Ammo, 1);
  w.VolleyLock = 0;
  EXPECT_TRUE(w.Fire());
  EXPECT_EQ(w.Ammo, 0);
  w.VolleyLock = 0;
  EXPECT_FALSE(w.Fire());
  EXPECT_EQ(w.Ammo, 0);
  w.Ammo = -3;  // a bad carried amount
  EXPECT_FALSE(w.Fire());
  EXPECT_EQ(w.Ammo, -3);
}

TEST(Fire, UnlimitedWeaponsKeepTheirAmmunition) {
  Duel d;
  WeaponData& w = d.slots[1];
  w.SetMelee(44, 6, 40, 36);
  w.Owner = &d.me;
  w.Ammo = 0;
  EXPECT_TRUE(w.Fire());
  EXPECT_EQ(w.Ammo, 0);
}

TEST(Fire, TheVolleyLockHoldsUntilCleared) {
  Duel d;
  WeaponData& w = d.slots[0];
  w.SetGatringGun_Pyro();
  w.Owner = &d.me;
  const int32_t ammo = w.Ammo;
  EXPECT_TRUE(w.Fire());
  EXPECT_EQ(w.VolleyLock, 1);
  EXPECT_FALSE(w.Fire());
  EXPECT_EQ(w.Ammo, ammo - 1);
  w.VolleyLock = 0;
  EXPECT_TRUE(w.Fire());
}

TEST(Fire, ShotsStayInsideTheirArrayHoweverFastTheButtonIsPressed) {
  Duel d;
  WeaponData& w = d.slots[0];
  w.SetAcidFog_HBack();  // long-lived clouds, four a volley
  w.Ammo = 1000;
  d.me.Action = 1;
  int32_t fired = 0;
  for (int f = 0; f < 600; ++f) {
    d.me.Step = FiringStep(1);
    d.me.Fired = 0;  // pressed afresh every frame
    if (FireRobotWeapon(d.me, d.you, d.slots) == 0) ++fired;
    ControlSlot(w, d.me, d.you, 0, 0);
    ASSERT_LE(w.LiveShots, kShotRows * kShotCols);
  }
  EXPECT_GT(fired, 12);
  EXPECT_LT(fired, 600);
  EXPECT_EQ(w.Ammo, 1000 - fired);  // a volley that did not go off used nothing
}

TEST(Fire, RowsOfAVolleyLeaveOneAfterAnother) {
  Duel d;
  WeaponData& w = d.slots[2];
  w.Set80mmCanonX3_TBahao();
  ASSERT_EQ(d.PressFire(2), 2);
  int32_t launched[3] = {};
  for (int f = 1; f <= 10; ++f) {
    ControlSlot(w, d.me, d.you, 0, 0);
    int32_t n = 0;
    for (auto& row : w.Shots) {
      for (auto& s : row) n += s.Active == 1 && s.Delay == 0;
    }
    if (f == 1) launched[0] = n;
    if (f == 4) launched[1] = n;
    if (f == 8) launched[2] = n;
  }
  EXPECT_EQ(launched[0], 1);
  EXPECT_EQ(launched[1], 2);
  EXPECT_EQ(launched[2], 3);
}

struct FireCase {
  int32_t action;
  uint8_t fire;
  int32_t fired;
  int32_t slotFired;  // -1 nothing
};

void PrintTo(const FireCase& c, std::ostream* os) {
  *os << "action " << c.action << ", Fire " << int{c.fire} << ", Fired " << c.fired;
}

class WhichStepsFire : public ::testing::TestWithParam<FireCase> {};

TEST_P(WhichStepsFire, ActionFireFlagAndFired) {
  const FireCase& c = GetParam();
  Duel d;
  d.slots[0].SetRifle_Scav();
  d.slots[1].SetMelee(40, 16, 32, 100);
  d.slots[2].SetLazerShot_Ageha();
  d.slots[3].SetRocketX6_TBahao();
  d.me.Action = c.action;
  d.me.Step = FiringStep(c.action);
  d.me.Step.Fire = c.fire;
  d.me.Fired = c.fired;
  EXPECT_EQ(FireRobotWeapon(d.me, d.you, d.slots), c.slotFired);
  EXPECT_EQ(d.me.Fired, c.slotFired >= 0 ? 1 : c.fired);
}

INSTANTIATE_TEST_SUITE_P(Steps, WhichStepsFire,
                         ::testing::Values(FireCase{0, 1, 0, -1}, FireCase{1, 1, 0, 0},
                                           FireCase{2, 1, 0, 1}, FireCase{3, 1, 0, 2},
                                           FireCase{4, 1, 0, 3}, FireCase{5, 1, 0, -1},
                                           FireCase{6, 1, 0, -1}, FireCase{7, 1, 0, -1},
                                           FireCase{1, 0, 0, -1}, FireCase{1, 2, 0, -1},
                                           FireCase{1, 1, 1, -1}),
                         [](const ::testing::TestParamInfo<FireCase>& info) {
                           const FireCase& c = info.param;
                           return "Action" + std::to_string(c.action) + "Fire" +
                                  std::to_string(c.fire) + "Fired" + std::to_string(c.fired);
                         });

TEST(ShotWeaponCore, ARequestThatCannotFireRepeatsNextFrame) {
  Duel d;
  WeaponData& w = d.slots[0];
  w.SetRifle_Scav();
  w.Ammo = 0;
  d.me.Action = 1;
  d.me.Step = FiringStep(1);
  EXPECT_EQ(FireRobotWeapon(d.me, d.you, d.slots), -1);
  EXPECT_EQ(d.me.Fired, 0);
  w.Ammo = 1;  // (as if supplied): the same step fires in the next frame
  EXPECT_EQ(FireRobotWeapon(d.me, d.you, d.slots), 0);
  EXPECT_EQ(d.me.Fired, 1);
  EXPECT_EQ(FireRobotWeapon(d.me, d.you, d.slots), -1);  // once per step
}

TEST(ShotWeaponCore, TheVolleyLockIsClearedBeforeFiring) {
  Duel d;
  d.slots[0].SetRifle_Scav();
  d.slots[0].VolleyLock = 1;
  d.me.Action = 1;
  d.me.Step = FiringStep(1);
  EXPECT_EQ(FireRobotWeapon(d.me, d.you, d.slots), 0);
}

// Move, then shift by the scroll, then the hit test.
TEST(ControlSlotOrder, MoveShiftThenTest) {
  for (int32_t dx : {0, -10}) {
    Duel d;
    d.you = Robot(400, 300);
    // 30 from the centre: no hit before the move; 20 after it: a hit, unless the scroll takes it
    // back.
    ShotData& s = d.RifleShot(0, 370, 300, 10);
    s.Half = 5;
    const int32_t hits = ControlSlot(d.slots[0], d.me, d.you, dx, 0);
    EXPECT_EQ(hits, dx == 0 ? 1 : 0) << dx;
    if (dx != 0) {
      EXPECT_DOUBLE_EQ(s.X, 370);
    }
  }
}

TEST(ControlSlotOrder, TheScrollShiftsShotsAnchorsAndSmoke) {
  Duel d;
  d.me.Facing = 2;
  WeaponData& w = d.slots[2];
  w.SetBazooka_DF();
  ASSERT_EQ(d.PressFire(2), 2);
  for (int f = 0; f < 6; ++f) ControlSlot(w, d.me, d.you, 0, 0);
  ShotData before = w.Shots[0][0];
  ASSERT_GE(before.SmokeCount, 2);
  ControlSlot(w, d.me, d.you, 7, -3);
  const ShotData& after = w.Shots[0][0];
  // The move adds a puff at the old place (not shifted yet) and ages the rest; all shift.
  for (int32_t i = 0; i < before.SmokeCount; ++i) {
    EXPECT_DOUBLE_EQ(after.Smoke[i].X, before.Smoke[i].X + 7);
    EXPECT_DOUBLE_EQ(after.Smoke[i].Y, before.Smoke[i].Y - 3);
  }
  EXPECT_NEAR(after.Y, before.Y - 3, 1e-9);
  EXPECT_GT(after.X, before.X + 7);  // moved, then shifted
}

TEST(ControlSlotOrder, ABeamStaysOnItsOwnerThroughTheScroll) {
  Duel d;
  WeaponData& w = d.slots[2];
  w.SetLazerShot_HBack();
  ASSERT_EQ(d.PressFire(2), 2);
  ControlSlot(w, d.me, d.you, 5, 0);
  const double offset = w.Shots[0][0].X - d.me.X;
  d.me.X += 5;  // the fight loop shifts the robot after the shots
  ControlSlot(w, d.me, d.you, 0, 0);
  EXPECT_DOUBLE_EQ(w.Shots[0][0].X - d.me.X, offset - 5);
}

// The scroll can carry a shot off the screen and back: a mine pushed far off is still there
// when it returns, and goes off under its target.
TEST(ControlSlotOrder, AMineCarriedOffTheScreenComesBackAndGoesOff) {
  Duel d;
  WeaponData& w = d.slots[2];
  w.SetWaitingMine_Lizard();
  ASSERT_EQ(d.PressFire(2), 2);
  const ShotData& mine = w.Shots[0][0];
  int32_t hits = 0;
  for (int32_t f = 0; f < 205; ++f) {  // slides out and settles, is carried off, comes back
    if (f == 200) d.you = test::Robot(static_cast<int32_t>(mine.X), static_cast<int32_t>(mine.Y));
    hits += ControlSlot(w, d.me, d.you, f < 40 || f >= 200 ? 0 : (f < 120 ? -10 : 10), 0);
    if (f == 119) {
      EXPECT_LT(mine.X, -500);  // far off the screen
    }
  }
  EXPECT_EQ(hits, 1);
}

// Only a shot a million pixels out, where no shot comes back from, ends early.
TEST(ControlSlotOrder, AShotBeyondAnyReturnEnds) {
  Duel d;
  WeaponData& w = d.slots[0];
  const ShotData& s = d.RifleShot(3, 999'980, -100, 5);
  ControlSlot(w, d.me, d.you, 0, 0);
  EXPECT_EQ(s.Active, 1);              // 999,985: not there yet
  ControlSlot(w, d.me, d.you, 10, 0);  // the scroll carries it past the limit...
  EXPECT_EQ(s.Active, 1);
  ControlSlot(w, d.me, d.you, 0, 0);  // ...and its next move ends it
  EXPECT_EQ(s.Active, 0);
}

}  // namespace
}  // namespace zk
