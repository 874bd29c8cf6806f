// The robot loaders on the headless machine: what each variant installs, the order-sensitive
// parts of a load, and the two failures (a picture that cannot be loaded, a fire sound that
// cannot be made).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "characters/motion_table.h"
#include "platform/platform.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "robots/robot_kinds.h"
#include "shell/form.h"
#include "support/media_builders.h"
#include "support/motion_tables.h"

namespace zk {
namespace {

// A 4 x 4 24-bit bitmap, magenta with one white pixel.
std::vector<uint8_t> TinyBitmap() {
  test::BmpSpec bmp;
  bmp.Width = bmp.Height = 4;
  for (int i = 0; i < 16; ++i) {
    const uint8_t green = i == 0 ? 255 : 0;
    bmp.Pixels.insert(bmp.Pixels.end(), {255, green, 255});  // blue, green, red
  }
  return test::BuildBmp(bmp);
}

// A short PCM sound: one channel, 8000 Hz, 8 bits.
std::vector<uint8_t> TinyWave() {
  test::WaveSpec wave;
  wave.Samples.clear();
  for (int i = 0; i < 64; ++i) wave.Samples.push_back(static_cast<uint8_t>(128 + (i % 8) * 4));
  return test::BuildWave(wave);
}

const char* const kViewNames[] = {
    "p_Ridezazo/mn_back.bmp",  "p_Ridezazo/mn_bs.bmp",     "p_Ridezazo/mn_front.bmp",
    "p_Ridezazo/mn_fs.bmp",    "p_Ridezazo/mn_side.bmp",   "p_LizV/lv_back.bmp",
    "p_LizV/lv_bs.bmp",        "p_LizV/lv_front.bmp",      "p_LizV/lv_fs.bmp",
    "p_LizV/lv_side.bmp",      "p_Pyro/pp_back.BMP",       "p_Pyro/pp_bs.BMP",
    "p_Pyro/pp_front.BMP",     "p_Pyro/pp_fs.BMP",         "p_Pyro/pp_side.BMP",
    "p_FMH/fm_back.bmp",       "p_FMH/fm_bs.bmp",          "p_FMH/fm_front.bmp",
    "p_FMH/fm_fs.bmp",         "p_FMH/fm_side.bmp",        "p_RiziVov/bb_back.BMP",
    "p_RiziVov/bb_bs.BMP",     "p_RiziVov/bb_front.BMP",   "p_RiziVov/bb_fs.BMP",
    "p_RiziVov/bb_side.BMP",   "p_VedoZad/fd_back.bmp",    "p_VedoZad/fd_bs.bmp",
    "p_VedoZad/fd_front.bmp",  "p_VedoZad/fd_fs.bmp",      "p_VedoZad/fd_side.bmp",
    "p_Dofu/df_back.BMP",      "p_Dofu/df_bs.BMP",         "p_Dofu/df_front.BMP",
    "p_Dofu/df_fs.BMP",        "p_Dofu/df_side.BMP",       "p_Hunch/hb_back.bmp",
    "p_Hunch/hb_bs.bmp",       "p_Hunch/hb_front.bmp",     "p_Hunch/hb_fs.bmp",
    "p_Hunch/hb_side.bmp",     "p_S2T/st_back.bmp",        "p_S2T/st_bs.bmp",
    "p_S2T/st_front.bmp",      "p_S2T/st_fs.bmp",          "p_S2T/st_side.bmp",
    "p_Tanlan/tang_back.bmp",  "p_Tanlan/tang_bs.bmp",     "p_Tanlan/tang_front.bmp",
    "p_Tanlan/tang_fs.bmp",    "p_Tanlan/tang_side.bmp",   "p_Zevirurar/sc_back.BMP",
    "p_Zevirurar/sc_bs.BMP",   "p_Zevirurar/sc_front.BMP", "p_Zevirurar/sc_fs.BMP",
    "p_Zevirurar/sc_side.BMP",
};
const char* const kSoundNames[] = {"ATTACK1", "ATTACK2", "ATTACK3", "ATTACK4", "ATTACK5", "BEAM",
                                   "ACID",    "HITTED1", "HITTED2", "HITTED3", "HITTED4"};

// A 4 x 4 8-bit bitmap whose colour table tells it apart: entry 0 magenta, entry 1 grey `shade`.
std::vector<uint8_t> PalettedBitmap(uint8_t shade) {
  test::BmpSpec bmp;
  bmp.Width = bmp.Height = 4;
  bmp.Bits = 8;
  bmp.Palette.assign(256, 0);
  bmp.Palette[0] = 0xFF00FF;
  bmp.Palette[1] = 0x010101u * shade;
  bmp.Pixels.assign(16, 0);
  bmp.Pixels[0] = 1;
  return test::BuildBmp(bmp);
}

// Every robot picture and fire sound as a small resource of the test's own; `picture` gives the
// bytes of each view file by its place in kViewNames.
class Resources {
 public:
  Resources() : Resources([](size_t) { return TinyBitmap(); }) {}
  explicit Resources(const std::function<std::vector<uint8_t>(size_t)>& picture)
      : wave_(TinyWave()) {
    for (size_t i = 0; i < std::size(kViewNames); ++i) pictures_.push_back(picture(i));
    for (size_t i = 0; i < std::size(kViewNames); ++i) {
      entries_.push_back({kViewNames[i], ResourceType::Bitmap, pictures_[i]});
    }
    for (const char* name : kSoundNames) entries_.push_back({name, ResourceType::Wave, wave_});
    SetResourceOverride(entries_);
  }
  ~Resources() { SetResourceOverride({}); }
  Resources(const Resources&) = delete;
  Resources& operator=(const Resources&) = delete;

 private:
  std::vector<std::vector<uint8_t>> pictures_;
  std::vector<uint8_t> wave_;
  std::vector<ResourceEntry> entries_;
};

// A form with the display and sound running.
std::unique_ptr<TForm1> OpenForm(Platform& platform) {
  auto form = std::make_unique<TForm1>(platform);
  form->DrawDevice = platform.OpenDisplay(true);
  if (form->DrawDevice) form->PrimarySurface = &form->DrawDevice->Primary();
  form->SoundDev = platform.OpenSound();
  return form;
}

// A form with the display and sound running and the kinds' motion tables filled.
class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = OpenForm(*platform);
    ASSERT_NE(form->DrawDevice, nullptr);
    ASSERT_NE(form->SoundDev, nullptr);
    test_support::FillKindMotionTables(*form);
    for (CharacterData& robot : form->Robots) {
      robot.ResetRuntime();
      robot.ClearActionTable();
    }
  }

  std::string FireSoundName(int slot) const {
    const auto& buffer = form->FireSoundBuffers[slot];
    return buffer ? buffer->Name() : std::string("(none)");
  }

  Resources resources;
  std::unique_ptr<Platform> platform = MakeHeadlessPlatform();
  std::unique_ptr<TForm1> form;
};

using Loader = void (TForm1::*)();
using W = WeaponData;

// The set-up of one weapon slot: one without arguments, SetMelee with its four, or none.
struct Slot {
  void (W::*setup)() = nullptr;
  int32_t melee[4] = {};         // reach, lifetime, damage, stun; reach 0: not SetMelee
  const char* weapon = nullptr;  // the weapon name the set-up gives, if it names one

  bool Armed() const { return setup != nullptr || melee[0] != 0; }
  void Apply(W& w) const {
    if (setup != nullptr) (w.*setup)();
    if (melee[0] != 0) w.SetMelee(melee[0], melee[1], melee[2], melee[3]);
  }
};

Slot Arm(void (W::*setup)(), const char* weapon) {
  return {setup, {}, weapon};
}
Slot Melee(int32_t reach, int32_t lifetime, int32_t damage, int32_t stun) {
  return {nullptr, {reach, lifetime, damage, stun}, nullptr};
}
const Slot kNone{};

struct VariantRow {
  int kind;
  int variant;
  Loader in1, in2;
  int motion_index;
  const char* name;
  Slot slots[4];
  int rapid1, rapid4;
  const char* sounds[4];
};

const VariantRow kVariants[] = {
    {1,
     0,
     &TForm1::LizardIn1,
     &TForm1::LizardIn2,
     kMotionLT,
     "Ridezazo type Omnivore Bite",
     {Arm(&W::Set80mmCannon_Lizard, "80mm-Cannon"), Melee(44, 6, 40, 36),
      Arm(&W::SetWaitingMine_Lizard, "Waiting-Mine"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"}},
    {1,
     1,
     &TForm1::LizardIn1,
     &TForm1::LizardIn2,
     kMotionLT,
     "Ridezazo type Snake Bite",
     {Arm(&W::SetSpreadCannon_Lizard, "Spread-Cannon"), Melee(44, 6, 40, 36),
      Arm(&W::SetWaitingStinger_Lizard, "Waiting-Stinger"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"}},
    {2,
     0,
     &TForm1::Lizard2In1,
     &TForm1::Lizard2In2,
     kMotionLV,
     "Lizard type Tekkira",
     {Arm(&W::SetMachineGun_Lizard2, "MachineGun"), Melee(46, 10, 40, 100),
      Arm(&W::SetMissileX1_Lizard2, "Missile X1"), kNone},
     2,
     0,
     {"ATTACK4", "ATTACK2", "ATTACK5", "HITTED4"}},
    {2,
     1,
     &TForm1::Lizard2In1,
     &TForm1::Lizard2In2,
     kMotionLV,
     "Lizard type Vocka",
     {Arm(&W::SetRifle_Lizard2, "Rifle"), Melee(46, 10, 40, 100),
      Arm(&W::SetRocketX4_Lizard2, "Rocket X4"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK2", "ATTACK5", "HITTED4"}},
    {2,
     2,
     &TForm1::Lizard2In1,
     &TForm1::Lizard2In2,
     kMotionLV,
     "Lizard type Jin",
     {Arm(&W::SetShotGun_Lizard2, "ShotGun"), Melee(46, 10, 40, 100),
      Arm(&W::SetStinger_Lizard2, "Stinger"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"}},
    {3,
     0,
     &TForm1::PyroIn1,
     &TForm1::PyroIn2,
     kMotionPP,
     "DuvuZirada type Bannila Boy",
     {Arm(&W::SetGatringGun_Pyro, "GatringGun"), Melee(50, 20, 52, 40),
      Arm(&W::Set180mmCanon_Pyro, "180mm Canon"), Arm(&W::SetMissileX1_Pyro, "Missile X1")},
     2,
     0,
     {"ATTACK4", "ATTACK2", "HITTED1", "ATTACK5"}},
    {3,
     1,
     &TForm1::PyroIn1,
     &TForm1::PyroIn2,
     kMotionPP,
     "DuvuZirada type Pepper Girl",
     {Arm(&W::SetGatringGun_Pyro, "GatringGun"), Melee(50, 20, 52, 40),
      Arm(&W::Set80mmCannon_Pyro, "80mm Cannon"), Arm(&W::SetMissileX6_Pyro, "Missile X6")},
     2,
     0,
     {"ATTACK4", "ATTACK2", "HITTED1", "ATTACK5"}},
    {4,
     0,
     &TForm1::FMHIn1,
     &TForm1::FMHIn2,
     kMotionFM,
     "Ruva Duvud Ovived",
     {Arm(&W::SetGatringGun_FMH, "GatringGun"), Melee(50, 8, 160, 140),
      Arm(&W::SetSnakeMine_FMH, "SnakeMine"), Arm(&W::SetRocketX4_FMH, "Rocket X4")},
     3,
     0,
     {"ATTACK4", "ATTACK2", "ATTACK5", "ATTACK5"}},
    {4,
     1,
     &TForm1::FMHIn1,
     &TForm1::FMHIn2,
     kMotionFM,
     "Dezu Ridev Adud",
     {Arm(&W::SetLazerShot_FMH, "LazerShot"), Melee(50, 8, 160, 140),
      Arm(&W::SetFireFly_FMH, "FireFly"), kNone},
     0,
     0,
     {"BEAM", "ATTACK2", "BEAM", "HITTED4"}},
    {5,
     0,
     &TForm1::BuzzBIn1,
     &TForm1::BuzzBIn2,
     kMotionBB,
     "RiziVov type S.L.A.B",
     {Arm(&W::SetAsultRifle_BuzzB, "AsultRifle"), Melee(35, 9, 32, 80),
      Arm(&W::SetFireFly_BuzzB, "FireFly"), kNone},
     2,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"}},
    {5,
     1,
     &TForm1::BuzzBIn1,
     &TForm1::BuzzBIn2,
     kMotionBB,
     "RiziVov type F.L.A.B",
     {Arm(&W::SetAsultRifle_BuzzB, "AsultRifle"), Melee(35, 9, 32, 80),
      Arm(&W::SetStinger_BuzzB, "Stinger"), kNone},
     2,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"}},
    {6,
     0,
     &TForm1::FDogIn1,
     &TForm1::FDogIn2,
     kMotionFD,
     "VedoZad type StaryDog",
     {Arm(&W::SetShotGun_FDog, "ShotGun"), Arm(&W::SetMelee_FDog, nullptr),
      Arm(&W::SetFloatingMine_FDog, "FloatingMine"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK3", "BEAM", "HITTED4"}},
    {6,
     1,
     &TForm1::FDogIn1,
     &TForm1::FDogIn2,
     kMotionFD,
     "VedoZad type Hyaena",
     {Arm(&W::SetShotGunSLAG_FDog, "ShotGun(SLAG)"), Arm(&W::SetMelee_FDog, nullptr),
      Arm(&W::SetWaitingMine_Lizard, "Waiting-Mine"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK3", "BEAM", "HITTED4"}},
    {6,
     2,
     &TForm1::FDogIn1,
     &TForm1::FDogIn2,
     kMotionFD,
     "VedoZad type Coyote",
     {Arm(&W::SetShotGun_FDog, "ShotGun"), Arm(&W::SetMelee_FDog, nullptr),
      Arm(&W::SetMissleX1_FDog, "Missle X1"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK3", "ATTACK5", "HITTED4"}},
    {7,
     0,
     &TForm1::DFIn1,
     &TForm1::DFIn2,
     kMotionDF,
     "Ro-da type North",
     {Arm(&W::SetAcidFog_DF, "AcidFog"), Melee(45, 10, 44, 100), Arm(&W::SetBazooka_DF, "Bazooka"),
      kNone},
     0,
     0,
     {"ACID", "ATTACK2", "HITTED1", "HITTED4"}},
    {7,
     1,
     &TForm1::DFIn1,
     &TForm1::DFIn2,
     kMotionDF,
     "Ro-da type West",
     {Arm(&W::SetGatringGun_DF, "GatringGun"), Melee(45, 10, 44, 100),
      Arm(&W::SetSpreadBazooka_DF, "SpreadBazooka"), kNone},
     2,
     0,
     {"ATTACK4", "ATTACK2", "HITTED1", "HITTED4"}},
    {7,
     2,
     &TForm1::DFIn1,
     &TForm1::DFIn2,
     kMotionDF,
     "Ro-da type South",
     {Arm(&W::SetAcidFog_DF, "AcidFog"), Melee(45, 10, 44, 100),
      Arm(&W::SetSpreadBazooka_DF, "SpreadBazooka"), kNone},
     0,
     0,
     {"ACID", "ATTACK2", "HITTED1", "HITTED4"}},
    {8,
     0,
     &TForm1::HBackIn1,
     &TForm1::HBackIn2,
     kMotionHB,
     "ZiraZedu type Pupa",
     {Arm(&W::SetGranade_HBack, "Granade"), Melee(50, 16, 48, 120),
      Arm(&W::SetLazerShot_HBack, "LazerShot"), Arm(&W::SetTempest_HBack, "Tempest")},
     0,
     0,
     {"ATTACK5", "ATTACK2", "BEAM", "ATTACK5"}},
    {8,
     1,
     &TForm1::HBackIn1,
     &TForm1::HBackIn2,
     kMotionHB,
     "ZiraZedu type Cocoon",
     {Arm(&W::SetAcidFog_HBack, "AcidFog"), Melee(50, 16, 48, 120),
      Arm(&W::SetLazerShot_HBack, "LazerShot"), Arm(&W::SetTempestAcid_HBack, "Tempest Acid")},
     0,
     0,
     {"ACID", "ATTACK2", "BEAM", "ATTACK5"}},
    {9,
     0,
     &TForm1::AgehaIn1,
     &TForm1::AgehaIn2,
     kMotionST,
     "V-2-A type L.M.T",
     {Arm(&W::SetRifle_Ageha, "Rifle"), Melee(40, 16, 32, 100),
      Arm(&W::SetLazerShot_Ageha, "LazerShot"), kNone},
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"}},
    {10,
     0,
     &TForm1::TBahaoIn1,
     &TForm1::TBahaoIn2,
     kMotionTB,
     "ZizoruVuzev type the Nine",
     {Arm(&W::SetShotGun_TBahao, "ShotGun"), Melee(50, 20, 52, 100),
      Arm(&W::Set80mmCanonX3_TBahao, "80mmCanon X3"), Arm(&W::SetRocketX6_TBahao, "Rocket X6")},
     0,
     0,
     {"ATTACK1", "ATTACK2", "ATTACK1", "ATTACK5"}},
    {10,
     1,
     &TForm1::TBahaoIn1,
     &TForm1::TBahaoIn2,
     kMotionTB,
     "ZizoruVuzev type the Six",
     {Arm(&W::Set80mmCannonX2_TBahao, "80mmCannon X2"), Melee(50, 20, 52, 100),
      Arm(&W::SetGranade_TBahao, "Granade"), Arm(&W::SetSnatcher_TBahao, "Snatcher")},
     0,
     3,
     {"ATTACK1", "ATTACK2", "ATTACK5", "ATTACK1"}},
    {11,
     0,
     &TForm1::ScavIn1,
     &TForm1::ScavIn2,
     kMotionSC,
     "ZeviruraR type Skinny Crow",
     {Arm(&W::SetRifle_Scav, "Rifle"), Arm(&W::SetFireFly_Scav, "FireFly"), kNone, kNone},
     0,
     0,
     {"ATTACK1", "BEAM", "HITTED4", "HITTED4"}},
    {11,
     1,
     &TForm1::ScavIn1,
     &TForm1::ScavIn2,
     kMotionSC,
     "ZeviruraR type Fat Owl",
     {Arm(&W::SetRifle_Scav, "Rifle"), Arm(&W::SetMissileX6_Scav, "Missile X6"), kNone, kNone},
     0,
     0,
     {"ATTACK1", "ATTACK5", "HITTED4", "HITTED4"}},
};

// What tells one weapon set-up from another: the texts, the volley and every shot template.
void ExpectSameSlot(const W& got, const W& want, const std::string& where) {
  EXPECT_EQ(got.Name, want.Name) << where;
  EXPECT_EQ(got.FireSound, want.FireSound) << where;
  EXPECT_EQ(got.HitSound, want.HitSound) << where;
  EXPECT_EQ(got.Ammo, want.Ammo) << where;
  EXPECT_EQ(got.Rows, want.Rows) << where;
  EXPECT_EQ(got.Columns, want.Columns) << where;
  EXPECT_EQ(got.Unlimited, want.Unlimited) << where;
  EXPECT_EQ(got.Beam, want.Beam) << where;
  for (int c = 0; c < kShotCols; ++c) {
    for (int p = 0; p < kShotPhases; ++p) {
      const ShotPhaseData& g = got.Phases[c][p];
      const ShotPhaseData& w = want.Phases[c][p];
      const bool same = g.Move == w.Move && g.Speed == w.Speed && g.MaxSpeed == w.MaxSpeed &&
                        g.Param == w.Param && g.Damage == w.Damage && g.Stun == w.Stun &&
                        g.Life == w.Life && g.HitHalf == w.HitHalf;
      if (!same) {
        ADD_FAILURE() << where << ": shot template of column " << c << " phase " << p;
        return;
      }
    }
  }
}

TEST_F(LoaderTest, EveryVariantInstallsItsNameWeaponsSoundsAndTables) {
  for (const VariantRow& v : kVariants) {
    for (int player = 0; player < 2; ++player) {
      const std::string where = std::string(v.name) + " player " + std::to_string(player + 1);
      CharacterData& robot = form->Robots[player];
      robot.WeaponType = v.variant;
      robot.X = 321;
      robot.Armor = 77;
      robot.Action = 4;
      robot.StepTick = 9;
      // What each weapon slot should hold afterwards: its set-up run over what it held before.
      std::unique_ptr<W> want[4];
      for (int slot = 0; slot < 4; ++slot) {
        W& weapon = form->Weapons[player * 4 + slot];
        weapon.Name = "untouched";
        weapon.FireSound = "untouched";
        want[slot] = std::make_unique<W>(weapon);
        v.slots[slot].Apply(*want[slot]);
      }
      (form.get()->*(player == 0 ? v.in1 : v.in2))();

      ASSERT_FALSE(platform->Closed()) << where;
      EXPECT_STREQ(robot.Name, v.name) << where;
      EXPECT_EQ(robot.RapidFire1, v.rapid1) << where;
      EXPECT_EQ(robot.RapidFire4, v.rapid4) << where;
      for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(FireSoundName(player * 4 + slot), v.sounds[slot]) << where << " slot " << slot;
        const W& weapon = form->Weapons[player * 4 + slot];
        const std::string at = where + " slot " + std::to_string(slot + 1);
        ExpectSameSlot(weapon, *want[slot], at);
        EXPECT_EQ(weapon.FireSound != "untouched", v.slots[slot].Armed()) << at;
        // The melee set-ups write no weapon name; a slot without a weapon keeps its own.
        EXPECT_EQ(weapon.Name, v.slots[slot].weapon ? v.slots[slot].weapon : "untouched") << at;
      }
      // The record part ends idle at step 00 with the kind's status; the rest is the caller's.
      EXPECT_EQ(robot.Action, 0) << where;
      EXPECT_EQ(robot.StepTick, 0) << where;
      EXPECT_EQ(std::memcmp(&robot.Step, &robot.Actions.Steps[0][0], sizeof robot.Step), 0);
      EXPECT_EQ(std::memcmp(&robot.Status, &robot.BaseStatus, sizeof robot.Status), 0) << where;
      EXPECT_EQ(std::memcmp(&robot.WalkSpeed, &robot.BaseStatus.WalkSpeed, sizeof robot.WalkSpeed),
                0)
          << where;
      EXPECT_EQ(
          std::memcmp(&robot.BoostSpeed, &robot.BaseStatus.BoostSpeed, sizeof robot.BoostSpeed), 0)
          << where;
      EXPECT_GT(robot.Status.MaxArmor, 0) << where;
      EXPECT_EQ(robot.X, 321) << where;
      EXPECT_EQ(robot.Armor, 77) << where;
      EXPECT_EQ(robot.WeaponType, v.variant) << where;
      EXPECT_EQ(std::memcmp(&form->MotionTables[player], &form->MotionTables[v.motion_index],
                            sizeof(MotionTable)),
                0)
          << where;
      for (const auto& view : form->ViewSurfaces[player]) {
        ASSERT_NE(view, nullptr) << where;
        EXPECT_TRUE(view->HasColorKey()) << where;
        EXPECT_EQ(view->ColorKey(), ColorMatch(view.get(), 0xFF00FF)) << where;
      }
    }
  }
}

TEST_F(LoaderTest, BothRidezazoVariantsShareOneActionTable) {
  form->Robots[0].WeaponType = 0;
  form->LizardIn1();
  form->Robots[1].WeaponType = 1;
  form->LizardIn2();
  EXPECT_EQ(std::memcmp(&form->Robots[0].Actions, &form->Robots[1].Actions, sizeof(ActionTable)),
            0);
  // And the table shared is a filled one, not two tables left as SetUp cleared them.
  int chaining = 0;
  for (const auto& action : form->Robots[0].Actions.Steps) {
    for (const ActionStep& step : action) {
      for (int32_t next : step.Next) chaining += next != 0 ? 1 : 0;
    }
  }
  EXPECT_GT(chaining, 0);
}

TEST_F(LoaderTest, AnotherKindReplacesEverythingKindDependent) {
  form->Robots[0].WeaponType = 1;
  form->LizardIn1();
  form->Robots[0].WeaponType = 2;
  form->Lizard2In1();
  EXPECT_STREQ(form->Robots[0].Name, "Lizard type Jin");
  EXPECT_EQ(
      std::memcmp(&form->MotionTables[0], &form->MotionTables[kMotionLV], sizeof(MotionTable)), 0);
  EXPECT_EQ(form->Robots[0].Status.WalkSpeed.Rows[0].Speed[kGroupUp][1][1],
            form->Robots[0].BaseStatus.WalkSpeed.Rows[0].Speed[kGroupUp][1][1]);
}

// A number the kind does not have loads the first variant and says so.
TEST_F(LoaderTest, UnknownVariantLoadsTheFirst) {
  for (int32_t variant : {3, -1, 99}) {
    form->Robots[0].WeaponType = variant;
    form->DFIn1();
    EXPECT_STREQ(form->Robots[0].Name, "Ro-da type North") << variant;
    EXPECT_EQ(form->Robots[0].WeaponType, 0) << variant;
  }
  form->Robots[1].WeaponType = 2;
  form->AgehaIn2();
  EXPECT_EQ(form->Robots[1].WeaponType, 0);
  EXPECT_STREQ(form->Robots[1].Name, "V-2-A type L.M.T");
}

TEST_F(LoaderTest, SamePlayerSlotsStaySeparate) {
  form->Robots[0].WeaponType = 1;
  form->Robots[1].WeaponType = 1;
  form->FMHIn1();
  form->FMHIn2();
  for (int v = 0; v < 5; ++v) {
    EXPECT_NE(form->ViewSurfaces[0][v].get(), form->ViewSurfaces[1][v].get());
  }
  for (int s = 0; s < 4; ++s) {
    EXPECT_NE(form->FireSoundBuffers[s].get(), form->FireSoundBuffers[4 + s].get());
  }
  form->Robots[1].WeaponType = 0;
  form->FMHIn2();
  EXPECT_STREQ(form->Robots[0].Name, "Dezu Ridev Adud");
  EXPECT_EQ(FireSoundName(3), "HITTED4");
  EXPECT_EQ(FireSoundName(7), "ATTACK5");
}

TEST_F(LoaderTest, PictureThatCannotBeLoadedClosesTheFormAndStopsTheLoad) {
  form->DFIn1();  // a complete load first: its pictures are released below
  ASSERT_NE(form->ViewSurfaces[0][0], nullptr);
  ASSERT_FALSE(form->FormClosed);
  form->DrawDevice.reset();  // no display: every picture load fails
  form->PrimarySurface = nullptr;
  form->Robots[0].WeaponType = 1;
  form->BuzzBIn1();
  EXPECT_TRUE(form->FormClosed);
  // The record part was done; the old pictures were released and none loaded.
  EXPECT_STREQ(form->Robots[0].Name, "RiziVov type F.L.A.B");
  EXPECT_EQ(form->Robots[0].RapidFire1, 2);
  for (const auto& view : form->ViewSurfaces[0]) EXPECT_EQ(view, nullptr);
}

TEST_F(LoaderTest, FireSoundThatCannotBeMadeStopsSoundForBothPlayers) {
  form->Robots[0].WeaponType = 0;
  form->DFIn1();
  ASSERT_EQ(FireSoundName(0), "ACID");
  form->EndDirectSound();  // from now on every creation fails
  form->Robots[0].WeaponType = 1;
  form->DFIn1();
  form->Robots[1].WeaponType = 2;
  form->DFIn2();
  for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(form->FireSoundBuffers[slot], nullptr) << slot;
  // The loads are otherwise complete.
  EXPECT_STREQ(form->Robots[0].Name, "Ro-da type West");
  EXPECT_STREQ(form->Robots[1].Name, "Ro-da type South");
  EXPECT_FALSE(platform->Closed());
  for (const auto& view : form->ViewSurfaces[1]) EXPECT_NE(view, nullptr);
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

// The five views come from the kind's files by their exact names, back, back-side, front,
// front-side and side in this order; each goes to its own view slot, the side picture's colour
// table is the palette after the load, and any one of them that cannot be read closes the form.
TEST(LoaderViews, FilesSlotsPaletteAndFailure) {
  constexpr int kSlotOfFile[5] = {kViewBack, kViewBackSide, kViewFront, kViewFrontSide, kViewSide};
  const std::vector<uint8_t> broken = {'B', 'M', 0, 0};
  for (int kind = 1; kind <= kRobotKinds; ++kind) {
    const VariantRow* first = nullptr;
    for (const VariantRow& v : kVariants) {
      if (v.kind == kind && v.variant == 0) first = &v;
    }
    ASSERT_NE(first, nullptr) << kind;
    const char* const* names = &kViewNames[(kind - 1) * 5];
    for (int file = 0; file < 5; ++file) {
      EXPECT_STREQ(FindRobotKind(kind)->Views[file], names[file]) << first->name;
    }
    for (int failing = -1; failing < 5; ++failing) {
      const std::string where =
          std::string(first->name) + " failing file " + std::to_string(failing);
      const Resources resources([&](size_t i) {
        const int file = static_cast<int>(i) % 5;
        return file == failing && static_cast<int>(i) / 5 == kind - 1
                   ? broken
                   : PalettedBitmap(static_cast<uint8_t>(10 + file));
      });
      const std::unique_ptr<Platform> platform = MakeHeadlessPlatform();
      const std::unique_ptr<TForm1> form = OpenForm(*platform);
      ASSERT_NE(form->DrawDevice, nullptr);
      (form.get()->*first->in1)();
      EXPECT_EQ(form->FormClosed, failing >= 0) << where;
      if (failing >= 0) {
        EXPECT_EQ(form->CloseFailure,
                  "cannot load the picture \"" + std::string(names[failing]) + "\"");
        continue;
      }
      for (int file = 0; file < 5; ++file) {
        const Surface* view = form->ViewSurfaces[0][kSlotOfFile[file]].get();
        ASSERT_NE(view, nullptr) << where;
        const std::vector<uint8_t> bytes = PalettedBitmap(static_cast<uint8_t>(10 + file));
        EXPECT_EQ(view->Palette, DecodeBmp(bytes.data(), bytes.size())->Palette)
            << where << " file " << file;
      }
      EXPECT_EQ(form->PrimarySurface->Palette, form->ViewSurfaces[0][kViewSide]->Palette) << where;
    }
  }
}

}  // namespace
}  // namespace zk
