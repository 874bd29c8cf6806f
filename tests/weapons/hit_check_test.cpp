// What a hit does to a robot, and the hit tests of boxes and beams.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/case_names.h"
#include "weapon_test_util.h"
#include "weapons/shot_moves.h"
#include "weapons/weapon_frame.h"

namespace zk {
namespace {

using test::Robot;

struct HitCase {
  const char* what;
  int32_t action;  // target's action before the hit
  uint8_t breakGuard;
  int32_t damage, stun, stunBefore;
  int32_t armorAfter, stunAfter, actionAfter;
  bool enteredHitStep;
};

void PrintTo(const HitCase& c, std::ostream* os) {
  *os << c.what;
}

class HitCheckTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitCheckTable, ArmourStunAndReaction) {
  const HitCase& c = GetParam();
  WeaponData w;
  w.BreakGuard = c.breakGuard;
  CharacterData r = Robot(400, 300);
  r.Action = c.action;
  r.Stun = c.stunBefore;
  r.StepTick = 5;
  r.Step.Motion = 5;
  w.HitCheck(r, c.damage, c.stun, 2, 300, 300);
  EXPECT_EQ(r.Armor, c.armorAfter);
  EXPECT_EQ(r.Stun, c.stunAfter);
  EXPECT_EQ(r.Action, c.actionAfter);
  EXPECT_EQ(r.Step.Motion == 6, c.enteredHitStep);
  EXPECT_EQ(r.StepTick == 0, c.enteredHitStep);
}

INSTANTIATE_TEST_SUITE_P(
    Hits, HitCheckTable,
    ::testing::Values(
        HitCase{"open hit", 0, 0, 40, 36, 0, 560, 36, 6, true},
        HitCase{"open hit keeps a larger stun", 1, 0, 40, 36, 100, 560, 100, 6, true},
        HitCase{"hit during a hit reaction", 6, 0, 10, 20, 10, 590, 20, 6, true},
        HitCase{"guard takes a quarter, truncated", 5, 0, 43, 30, 0, 590, 7, 5, false},
        HitCase{"guard: a quarter stun only when larger", 5, 0, 40, 30, 8, 590, 8, 5, false},
        HitCase{"guard: quarter of a small hit is nothing", 5, 0, 3, 3, 0, 600, 0, 5, false},
        HitCase{"guard: the quarter truncates toward zero", 5, 0, -7, 0, 0, 601, 0, 5, false},
        HitCase{"guard broken", 5, 1, 40, 100, 0, 590, 25, 6, true},
        HitCase{"break-guard on an open robot", 0, 1, 40, 100, 0, 560, 100, 6, true}),
    test_support::NameFromWhat());

TEST(HitCheck, APushingShotSetsTheKnockBackAndLeavesTheFacing) {
  WeaponData w;
  w.Push = 1;
  CharacterData r = Robot(400, 300);
  r.Facing = 6;
  w.HitCheck(r, 10, 10, 3, 300, 300);
  EXPECT_EQ(r.KnockbackDir, 3);
  EXPECT_EQ(r.Facing, 6);
  r.Action = 5;  // also through a guard
  w.HitCheck(r, 10, 10, 1, 300, 300);
  EXPECT_EQ(r.KnockbackDir, 1);
}

TEST(HitCheck, OtherShotsTurnTheRobotByTheDirectionFromShotToCentre) {
  WeaponData w;
  struct {
    double sx, sy;
    int32_t facing;
  } cases[] = {{300, 300, 2}, {500, 300, 6}, {400, 200, 4}, {400, 400, 0}, {300, 200, 3}};
  for (const auto& c : cases) {
    CharacterData r = Robot(400, 300);
    r.Facing = 7;
    r.KnockbackDir = 5;
    w.HitCheck(r, 10, 10, 0, c.sx, c.sy);
    EXPECT_EQ(r.Facing, c.facing) << c.sx << "," << c.sy;
    EXPECT_EQ(r.KnockbackDir, 5);
  }
  CharacterData r = Robot(400, 300);
  r.Facing = 7;
  w.HitCheck(r, 10, 10, 0, 400, 300);  // a shot on the centre: no direction, facing kept
  EXPECT_EQ(r.Facing, 7);
}

TEST(HitCheck, TheStepInProgressIsReplacedWholeByStep60) {
  WeaponData w;
  CharacterData r = Robot(400, 300);
  r.Step.Next[0] = 33;
  r.Step.Fire = 1;
  w.HitCheck(r, 1, 1, 0, 0, 0);
  EXPECT_EQ(r.Step.Next[0], 0);
  EXPECT_EQ(r.Step.Fire, 0);
  EXPECT_EQ(r.Step.Action, 6);
}

ShotData BeamFrom(double x, double y, double dx, double dy, double length, int32_t half) {
  ShotData beam;
  beam.X = x;
  beam.Y = y;
  beam.DX = dx;
  beam.DY = dy;
  beam.Length = length;
  beam.Half = half;
  return beam;
}

// The beam test reads nothing of the target but its centre and half width.
TEST(InLineOfFire, ReadsOnlyCentreAndHalfWidth) {
  const ShotData beam = BeamFrom(100, 300, 1, 0, 400, 4);
  CharacterData r{};
  r.X = 450;
  r.Y = 320;
  r.Status.HalfWidth = 20;
  r.Status.HalfHeight = -1000;  // ignored
  r.Action = 5;
  EXPECT_TRUE(beam.InLineOfFire(r));
  r.Y = 324;
  EXPECT_TRUE(beam.InLineOfFire(r));  // 24 = 20 + 4, touching counts
  r.Y = 325;
  EXPECT_FALSE(beam.InLineOfFire(r));
  r.Y = 300;
  r.X = 530;  // beyond the end by more than the reach
  EXPECT_FALSE(beam.InLineOfFire(r));
  r.X = 520;
  EXPECT_TRUE(beam.InLineOfFire(r));
  r.X = 70;  // behind the muzzle
  EXPECT_FALSE(beam.InLineOfFire(r));
  r.X = 300;
  r.Status.HalfWidth = 0;
  r.Y = 304;
  EXPECT_TRUE(beam.InLineOfFire(r));
}

TEST(InLineOfFire, DiagonalBeamUsesTheWrittenVector) {
  const ShotData beam = BeamFrom(0, 0, 0.70711, 0.525825, 500, 2);
  CharacterData r{};
  r.Status.HalfWidth = 10;
  r.X = 0.70711 * 300;
  r.Y = 0.525825 * 300;
  EXPECT_TRUE(beam.InLineOfFire(r));
  r.Y += 30;
  EXPECT_FALSE(beam.InLineOfFire(r));
}

TEST(BoxHits, BoxesThatOnlyTouchDoNotHit) {
  WeaponData w;
  w.SetRifle_Scav();
  CharacterData owner = Robot(100, 300);
  CharacterData target = Robot(400, 300);
  w.Owner = &owner;
  w.Target = &target;
  ShotData& s = w.Shots[0][0];
  s.Active = 1;
  s.Phase = 0;
  s.Half = 5;
  s.Y = 300;
  s.X = 400 - 25;  // 5 + 20: touching
  EXPECT_EQ(w.TestHits(), 0);
  s.X = 400 - 24.5;
  EXPECT_EQ(w.TestHits(), 1);
  EXPECT_EQ(target.Armor, 600 - w.Phases[0][0].Damage);
  EXPECT_EQ(s.Phase, w.HitPhase);  // the round bursts into its spark
  EXPECT_EQ(w.TestHits(), 0);      // and the spark does not hit
}

TEST(BoxHits, MultiHitShotsHitAgainAfterTheirInterval) {
  WeaponData w;
  w.SetMelee_FDog();
  CharacterData owner = Robot(100, 300);
  CharacterData target = Robot(140, 300);
  owner.Facing = 2;
  owner.Action = 2;
  owner.Step = test::FiringStep(2);
  WeaponData slots[4];
  slots[1] = w;
  ASSERT_EQ(FireRobotWeapon(owner, target, slots), 1);
  int32_t hits = 0;
  for (int f = 0; f < 10; ++f) hits += ControlSlot(slots[1], owner, target, 0, 0);
  EXPECT_EQ(hits, 4);  // 8 frames, every second frame
  EXPECT_EQ(target.Armor, 600 - 4 * 8);
}

TEST(BoxHits, OneHitBlastHitsOnceAndPlaysOn) {
  WeaponData w;
  w.SetWaitingMine_Lizard();
  CharacterData owner = Robot(100, 300);
  CharacterData target = Robot(150, 300);
  WeaponData slots[4];
  slots[2] = w;
  owner.Action = 3;
  owner.Step = test::FiringStep(3);
  ASSERT_EQ(FireRobotWeapon(owner, target, slots), 2);
  int32_t hits = 0, frames = 0;
  while (slots[2].Shots[0][0].Active == 1 && frames < 100) {
    hits += ControlSlot(slots[2], owner, target, 0, 0);
    ++frames;
  }
  EXPECT_EQ(hits, 1);
  EXPECT_EQ(target.Armor, 600 - 60);
  EXPECT_GT(frames, kMineArming + 14);  // settled, armed, then the whole blast
}

TEST(BoxHits, MeleeStrikeEndsWhenItsOwnerIsHit) {
  WeaponData slots[4];
  slots[1].SetMelee(50, 20, 52, 40);
  CharacterData owner = Robot(100, 300);
  CharacterData target = Robot(300, 300);  // out of reach
  owner.Action = 2;
  owner.Step = test::FiringStep(2);
  ASSERT_EQ(FireRobotWeapon(owner, target, slots), 1);
  ControlSlot(slots[1], owner, target, 0, 0);
  EXPECT_EQ(slots[1].LiveShots, 1);
  owner.Action = 6;
  ControlSlot(slots[1], owner, target, 0, 0);
  EXPECT_EQ(slots[1].LiveShots, 0);
  EXPECT_EQ(slots[1].Shots[0][0].Active, 0);
}

// A strike of lifetime N can hit in each of its N frames, the last one included, and not after.
TEST(BoxHits, AStrikeCanHitInEveryFrameOfItsLifetime) {
  for (const int32_t life : {1, 6, 20}) {
    for (const int32_t hitFrame : {life, life + 1}) {
      WeaponData slots[4];
      slots[1].SetMelee(50, life, 52, 40);
      CharacterData owner = Robot(100, 300), target = Robot(300, 300);  // out of reach
      owner.Action = 2;
      owner.Step = test::FiringStep(2);
      ASSERT_EQ(FireRobotWeapon(owner, target, slots), 1);
      int32_t hits = 0;
      for (int32_t f = 1; f <= hitFrame; ++f) {
        if (f == hitFrame) target.X = 150;
        hits += ControlSlot(slots[1], owner, target, 0, 0);
      }
      EXPECT_EQ(hits, hitFrame == life ? 1 : 0) << "lifetime " << life << ", frame " << hitFrame;
    }
  }
}

}  // namespace
}  // namespace zk
