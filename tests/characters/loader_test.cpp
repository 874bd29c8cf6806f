// The robot loaders on the headless machine: what each variant installs, the order-sensitive
// parts of a load, and the two failures (a picture that cannot be loaded, a fire sound that
// cannot be made).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "characters/motion_table.h"
#include "platform/platform.h"
#include "platform/resources.h"
#include "shell/form.h"

namespace zk {
namespace {

// A 4 x 4 24-bit bitmap, magenta with one white pixel.
std::vector<uint8_t> TinyBitmap() {
  const int w = 4, h = 4, row = 12;
  const uint32_t size = 54 + row * h;
  std::vector<uint8_t> b(size, 0);
  auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t* px = &b[54 + y * row + x * 3];
      px[0] = 255;  // blue
      px[1] = 0;
      px[2] = 255;  // red
      if (x == 0 && y == 0) px[1] = 255;
    }
  }
  return b;
}

// A short PCM sound: one channel, 8000 Hz, 8 bits.
std::vector<uint8_t> TinyWave() {
  std::vector<uint8_t> b;
  auto str = [&b](const char* s) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(s[i]));
  };
  auto u32 = [&b](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&b](uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
  };
  const uint32_t samples = 64;
  str("RIFF");
  u32(4 + 8 + 16 + 8 + samples);
  str("WAVE");
  str("fmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(8000);
  u32(8000);
  u16(1);
  u16(8);
  str("data");
  u32(samples);
  for (uint32_t i = 0; i < samples; ++i) b.push_back(static_cast<uint8_t>(128 + (i % 8) * 4));
  return b;
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

// Every robot picture and fire sound as a small resource of the test's own.
class Resources {
 public:
  Resources() : bitmap_(TinyBitmap()), wave_(TinyWave()) {
    for (const char* name : kViewNames) entries_.push_back({name, ResourceType::Bitmap, bitmap_});
    for (const char* name : kSoundNames) entries_.push_back({name, ResourceType::Wave, wave_});
    SetResourceOverride(entries_);
  }
  ~Resources() { SetResourceOverride({}); }

 private:
  std::vector<uint8_t> bitmap_, wave_;
  std::vector<ResourceEntry> entries_;
};

// A form with the display and sound running and the kinds' motion tables filled.
class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(*platform);
    form->DrawDevice = platform->OpenDisplay(true);
    ASSERT_NE(form->DrawDevice, nullptr);
    form->PrimarySurface = &form->DrawDevice->Primary();
    form->SoundDev = platform->OpenSound();
    ASSERT_NE(form->SoundDev, nullptr);
    form->DefaultTB_Motion();
    form->DefaultST_Motion();
    form->DefaultHB_Motion();
    form->DefaultFD_Motion();
    form->DefaultFM_Motion();
    form->DefaultBB_Motion();
    form->DefaultSC_Motion();
    form->DefaultPP_Motion();
    form->DefaultDF_Motion();
    form->DefaultLT_Motion();
    form->DefaultLV_Motion();
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

struct VariantRow {
  int kind;
  int variant;
  Loader in1, in2;
  int motion_index;
  const char* name;
  int rapid1, rapid4;
  const char* sounds[4];
  bool armed[4];  // weapon slots the variant sets up
};

const VariantRow kVariants[] = {
    {1,
     0,
     &TForm1::LizardIn1,
     &TForm1::LizardIn2,
     kMotionLT,
     "Ridezazo type Omnivore Bite",
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {1,
     1,
     &TForm1::LizardIn1,
     &TForm1::LizardIn2,
     kMotionLT,
     "Ridezazo type Snake Bite",
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {2,
     0,
     &TForm1::Lizard2In1,
     &TForm1::Lizard2In2,
     kMotionLV,
     "Lizard type Tekkira",
     2,
     0,
     {"ATTACK4", "ATTACK2", "ATTACK5", "HITTED4"},
     {true, true, true, false}},
    {2,
     1,
     &TForm1::Lizard2In1,
     &TForm1::Lizard2In2,
     kMotionLV,
     "Lizard type Vocka",
     0,
     0,
     {"ATTACK1", "ATTACK2", "ATTACK5", "HITTED4"},
     {true, true, true, false}},
    {2,
     2,
     &TForm1::Lizard2In1,
     &TForm1::Lizard2In2,
     kMotionLV,
     "Lizard type Jin",
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {3,
     0,
     &TForm1::PyroIn1,
     &TForm1::PyroIn2,
     kMotionPP,
     "DuvuZirada type Bannila Boy",
     2,
     0,
     {"ATTACK4", "ATTACK2", "HITTED1", "ATTACK5"},
     {true, true, true, true}},
    {3,
     1,
     &TForm1::PyroIn1,
     &TForm1::PyroIn2,
     kMotionPP,
     "DuvuZirada type Pepper Girl",
     2,
     0,
     {"ATTACK4", "ATTACK2", "HITTED1", "ATTACK5"},
     {true, true, true, true}},
    {4,
     0,
     &TForm1::FMHIn1,
     &TForm1::FMHIn2,
     kMotionFM,
     "Ruva Duvud Ovived",
     3,
     0,
     {"ATTACK4", "ATTACK2", "ATTACK5", "ATTACK5"},
     {true, true, true, true}},
    {4,
     1,
     &TForm1::FMHIn1,
     &TForm1::FMHIn2,
     kMotionFM,
     "Dezu Ridev Adud",
     0,
     0,
     {"BEAM", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {5,
     0,
     &TForm1::BuzzBIn1,
     &TForm1::BuzzBIn2,
     kMotionBB,
     "RiziVov type S.L.A.B",
     2,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {5,
     1,
     &TForm1::BuzzBIn1,
     &TForm1::BuzzBIn2,
     kMotionBB,
     "RiziVov type F.L.A.B",
     2,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {6,
     0,
     &TForm1::FDogIn1,
     &TForm1::FDogIn2,
     kMotionFD,
     "VedoZad type StaryDog",
     0,
     0,
     {"ATTACK1", "ATTACK3", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {6,
     1,
     &TForm1::FDogIn1,
     &TForm1::FDogIn2,
     kMotionFD,
     "VedoZad type Hyaena",
     0,
     0,
     {"ATTACK1", "ATTACK3", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {6,
     2,
     &TForm1::FDogIn1,
     &TForm1::FDogIn2,
     kMotionFD,
     "VedoZad type Coyote",
     0,
     0,
     {"ATTACK1", "ATTACK3", "ATTACK5", "HITTED4"},
     {true, true, true, false}},
    {7,
     0,
     &TForm1::DFIn1,
     &TForm1::DFIn2,
     kMotionDF,
     "Ro-da type North",
     0,
     0,
     {"ACID", "ATTACK2", "HITTED1", "HITTED4"},
     {true, true, true, false}},
    {7,
     1,
     &TForm1::DFIn1,
     &TForm1::DFIn2,
     kMotionDF,
     "Ro-da type West",
     2,
     0,
     {"ATTACK4", "ATTACK2", "HITTED1", "HITTED4"},
     {true, true, true, false}},
    {7,
     2,
     &TForm1::DFIn1,
     &TForm1::DFIn2,
     kMotionDF,
     "Ro-da type South",
     0,
     0,
     {"ACID", "ATTACK2", "HITTED1", "HITTED4"},
     {true, true, true, false}},
    {8,
     0,
     &TForm1::HBackIn1,
     &TForm1::HBackIn2,
     kMotionHB,
     "ZiraZedu type Pupa",
     0,
     0,
     {"ATTACK5", "ATTACK2", "BEAM", "ATTACK5"},
     {true, true, true, true}},
    {8,
     1,
     &TForm1::HBackIn1,
     &TForm1::HBackIn2,
     kMotionHB,
     "ZiraZedu type Cocoon",
     0,
     0,
     {"ACID", "ATTACK2", "BEAM", "ATTACK5"},
     {true, true, true, true}},
    {9,
     0,
     &TForm1::AgehaIn1,
     &TForm1::AgehaIn2,
     kMotionST,
     "V-2-A type L.M.T",
     0,
     0,
     {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"},
     {true, true, true, false}},
    {10,
     0,
     &TForm1::TBahaoIn1,
     &TForm1::TBahaoIn2,
     kMotionTB,
     "ZizoruVuzev type the Nine",
     0,
     0,
     {"ATTACK1", "ATTACK2", "ATTACK1", "ATTACK5"},
     {true, true, true, true}},
    {10,
     1,
     &TForm1::TBahaoIn1,
     &TForm1::TBahaoIn2,
     kMotionTB,
     "ZizoruVuzev type the Six",
     0,
     3,
     {"ATTACK1", "ATTACK2", "ATTACK5", "ATTACK1"},
     {true, true, true, true}},
    {11,
     0,
     &TForm1::ScavIn1,
     &TForm1::ScavIn2,
     kMotionSC,
     "ZeviruraR type Skinny Crow",
     0,
     0,
     {"ATTACK1", "BEAM", "HITTED4", "HITTED4"},
     {true, true, false, false}},
    {11,
     1,
     &TForm1::ScavIn1,
     &TForm1::ScavIn2,
     kMotionSC,
     "ZeviruraR type Fat Owl",
     0,
     0,
     {"ATTACK1", "ATTACK5", "HITTED4", "HITTED4"},
     {true, true, false, false}},
};

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
      for (int slot = 0; slot < 4; ++slot) form->Weapons[player * 4 + slot].FireSound = "untouched";
      (form.get()->*(player == 0 ? v.in1 : v.in2))();

      ASSERT_FALSE(platform->Closed()) << where;
      EXPECT_STREQ(robot.Name, v.name) << where;
      EXPECT_EQ(robot.RapidFire1, v.rapid1) << where;
      EXPECT_EQ(robot.RapidFire4, v.rapid4) << where;
      for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(FireSoundName(player * 4 + slot), v.sounds[slot]) << where << " slot " << slot;
        EXPECT_EQ(form->Weapons[player * 4 + slot].FireSound != "untouched", v.armed[slot])
            << where << " slot " << slot;
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
