// The form's firing and shot routines: sounds, both players, the scroll, and the survival
// carry-over of ammunition.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/headless_platform.h"
#include "shell/form.h"
#include "weapon_test_util.h"

namespace zk {
namespace {

class FormWeapons : public ::testing::Test {
 protected:
  FormWeapons() : form_(host_) {
    form_.SoundDev = host_.OpenSound();
    WaveData wave;
    wave.Samples.assign(80, 128);
    for (int k = 0; k < 8; ++k) {
      form_.FireSoundBuffers[k] = form_.SoundDev->CreateBuffer("FIRE" + std::to_string(k), wave);
    }
    for (int p = 0; p < 2; ++p) {
      for (int n = 0; n < 4; ++n) {
        form_.HitSoundBuffers[p][n] = form_.SoundDev->CreateBuffer(
            "P" + std::to_string(p + 1) + "HITTED" + std::to_string(n + 1), wave);
      }
    }
    form_.Robots[0] = test::Robot(200, 300);
    form_.Robots[1] = test::Robot(600, 300);
    form_.Robots[1].Facing = 6;
    for (WeaponData& w : form_.Weapons) w.RoundReset();
    host_.TakeRecorded();
  }
  void Firing(int p, int32_t action) {
    form_.Robots[p].Action = action;
    form_.Robots[p].Step = test::FiringStep(action);
  }
  std::vector<std::string> Played() { return host_.TakeRecorded(); }

  HeadlessPlatform host_;
  TForm1 form_;
};

TEST_F(FormWeapons, ShotWeaponFiresPlayerOneThenPlayerTwoWithTheirFireSounds) {
  form_.Weapons[0].SetRifle_Scav();
  form_.Weapons[6].SetLazerShot_HBack();
  Firing(0, 1);
  Firing(1, 3);
  form_.ShotWeapon();
  EXPECT_EQ(Played(), (std::vector<std::string>{"play FIRE0", "play FIRE6"}));
  EXPECT_EQ(form_.Robots[0].Fired, 1);
  EXPECT_EQ(form_.Robots[1].Fired, 1);
  EXPECT_EQ(form_.Weapons[0].Ammo, 79);
  form_.ShotWeapon();  // fired already in this step
  EXPECT_TRUE(Played().empty());
}

TEST_F(FormWeapons, AWeaponThatCannotFirePlaysNothingAndTheRequestStays) {
  form_.Weapons[4].SetRifle_Ageha();
  form_.Weapons[4].Ammo = 0;
  Firing(1, 1);
  form_.ShotWeapon();
  EXPECT_TRUE(Played().empty());
  EXPECT_EQ(form_.Robots[1].Fired, 0);
  form_.Weapons[4].Ammo = 1;
  form_.ShotWeapon();
  EXPECT_EQ(Played(), (std::vector<std::string>{"play FIRE4"}));
}

TEST_F(FormWeapons, IdleGuardAndHitReactionFireNothing) {
  form_.Weapons[0].SetRifle_Scav();
  for (int32_t action : {0, 5, 6}) {
    Firing(0, action);
    form_.ShotWeapon();
    EXPECT_TRUE(Played().empty()) << action;
    EXPECT_EQ(form_.Robots[0].Fired, 0);
  }
}

TEST_F(FormWeapons, HitsPlayTheOwnersHitSoundBuffers) {
  form_.Weapons[1].SetMelee(50, 20, 52, 40);  // player 1: "HITTED2"
  form_.Weapons[5].SetMelee_FDog();           // player 2: "HITTED4"
  form_.Robots[0].X = 400;
  form_.Robots[1].X = 450;
  form_.Robots[0].Facing = 2;
  form_.Robots[1].Facing = 6;
  Firing(0, 2);
  Firing(1, 2);
  form_.ShotWeapon();
  Played();
  form_.ControlWeapon(0, 0);
  EXPECT_EQ(Played(), (std::vector<std::string>{"play P1HITTED2", "play P2HITTED4"}));
  EXPECT_EQ(form_.Robots[1].Armor, 600 - 52);
  EXPECT_EQ(form_.Robots[0].Armor, 600 - 8);
}

TEST_F(FormWeapons, ControlWeaponAimsEachPlayersSlotsAtTheOtherAndShiftsEveryShot) {
  form_.Weapons[0].SetRifle_Scav();
  form_.Weapons[7].SetRocketX6_TBahao();
  Firing(0, 1);
  Firing(1, 4);
  form_.ShotWeapon();
  const double x0 = form_.Weapons[0].Shots[0][0].X;
  const double y7 = form_.Weapons[7].Shots[0][0].Y;
  form_.ControlWeapon(3, -4);
  for (int s = 0; s < 8; ++s) {
    EXPECT_EQ(form_.Weapons[s].Owner, &form_.Robots[s / 4]) << s;
    EXPECT_EQ(form_.Weapons[s].Target, &form_.Robots[1 - s / 4]) << s;
  }
  EXPECT_DOUBLE_EQ(form_.Weapons[0].Shots[0][0].X, x0 + 18 + 3);
  EXPECT_NEAR(form_.Weapons[7].Shots[0][0].Y, y7 - 4, 1.0);
}

TEST_F(FormWeapons, HitSoundEntryPointsShareOneRoutine) {
  form_.HitSound1(0);
  form_.HitSound2(3);
  form_.HitSound1(7);  // no such sound
  EXPECT_EQ(Played(), (std::vector<std::string>{"play P1HITTED1", "play P2HITTED4"}));
  form_.SoundDev.reset();  // sound stopped: nothing plays
  form_.HitSound1(0);
  EXPECT_TRUE(Played().empty());
}

TEST(HitSoundIndex, FollowsTheHitSoundName) {
  WeaponData w;
  for (const auto& [name, index] : {std::pair<const char*, int32_t>{"HITTED1", 0},
                                    {"HITTED2", 1},
                                    {"HITTED3", 2},
                                    {"HITTED4", 3},
                                    {"", 3},
                                    {"HITTED5", 3},
                                    {"HITTED12", 3}}) {
    w.HitSound = name;
    EXPECT_EQ(w.HitSoundIndex(), index) << name;
  }
  w.SetBazooka_DF();  // a set-up's own hit sound, not its family's
  EXPECT_EQ(w.HitSoundIndex(), 1);
}

// Between survival fights the loaders write fresh ammunition, the fight set-up overwrites it with
// the carried amount, and firing spends exactly that.
TEST(AmmoCarryOver, FreshAmountThenTheCarriedAmountIsWhatFires) {
  CharacterData me = test::Robot(200, 300);
  WeaponData w;
  w.RoundReset();
  w.SetMissileX6_Scav();
  const int32_t fresh = w.Ammo;
  w.Owner = &me;
  for (int i = 0; i < fresh - 2; ++i) {
    w.VolleyLock = 0;
    ASSERT_TRUE(w.Fire());
    w.ResetShots();
  }
  const int32_t carried = w.Ammo;  // the won fight ends with 2 left
  EXPECT_EQ(carried, 2);
  w.RoundReset();
  w.SetMissileX6_Scav();
  w.ResetShots();
  EXPECT_EQ(w.Ammo, fresh);  // the set-up writes the fresh amount again
  const int32_t supplied = std::min(carried + 6 * fresh / 10, fresh);
  w.Ammo = supplied;  // as the fight set-up writes it
  int32_t volleys = 0;
  for (int i = 0; i < 20; ++i) {
    w.VolleyLock = 0;
    if (w.Fire()) ++volleys;
    w.ResetShots();
  }
  EXPECT_EQ(volleys, supplied);
  EXPECT_EQ(w.Ammo, 0);
}

TEST_F(FormWeapons, SurvivalFightSetUpCarriesAmmunitionOver) {
  form_.GameMode = 3;
  form_.SurvivalWins = 1;
  form_.HardSurvival = 0;
  form_.Robots[0].Status.MaxArmor = 590;
  form_.Robots[1].Status.MaxArmor = 590;
  form_.Robots[0].Status.MaxEnergy = 400;
  form_.Robots[1].Status.MaxEnergy = 400;
  form_.CarriedArmor = 100;
  form_.Weapons[0].SetRifle_Scav();          // fresh 80
  form_.Weapons[1].SetMelee(44, 6, 40, 36);  // fresh 256
  form_.CarriedAmmo[0] = 5;
  form_.CarriedAmmo[1] = 250;
  form_.CarriedAmmo[2] = 0;  // no weapon: stays empty
  form_.ToFight();
  EXPECT_EQ(form_.Weapons[0].Ammo, 5 + 48);
  EXPECT_EQ(form_.Weapons[1].Ammo, 256);
  EXPECT_EQ(form_.Weapons[2].Ammo, 0);
  EXPECT_EQ(form_.Robots[0].Armor, 218);
}

}  // namespace
}  // namespace zk
