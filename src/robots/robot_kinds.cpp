// The robot kinds and their variants as the loaders install them.
#include "robots/robot_kinds.h"

#include "characters/motion_table.h"
#include "robots/robot_tables.h"
#include "weapons/weapon_data.h"

namespace zk {

namespace {

using W = WeaponData;

// Melee set-ups by kind: reach, lifetime, damage, stun.
constexpr WeaponSetup kMeleeLT = [](W& w) { w.SetMelee(44, 6, 40, 36); };
constexpr WeaponSetup kMeleeLV = [](W& w) { w.SetMelee(46, 10, 40, 100); };
constexpr WeaponSetup kMeleePP = [](W& w) { w.SetMelee(50, 20, 52, 40); };
constexpr WeaponSetup kMeleeFM = [](W& w) { w.SetMelee(50, 8, 160, 140); };
constexpr WeaponSetup kMeleeBB = [](W& w) { w.SetMelee(35, 9, 32, 80); };
constexpr WeaponSetup kMeleeDF = [](W& w) { w.SetMelee(45, 10, 44, 100); };
constexpr WeaponSetup kMeleeHB = [](W& w) { w.SetMelee(50, 16, 48, 120); };
constexpr WeaponSetup kMeleeST = [](W& w) { w.SetMelee(40, 16, 32, 100); };
constexpr WeaponSetup kMeleeTB = [](W& w) { w.SetMelee(50, 20, 52, 100); };

template <void (W::*Setup)()>
constexpr WeaponSetup Arm = [](W& w) { (w.*Setup)(); };

constexpr RobotVariant kRidezazo[] = {
    {"Ridezazo type Omnivore Bite",
     &LizardAction,
     {Arm<&W::Set80mmCannon_Lizard>, kMeleeLT, Arm<&W::SetWaitingMine_Lizard>, nullptr},
     0,
     0},
    {"Ridezazo type Snake Bite",
     &LizardAction,
     {Arm<&W::SetSpreadCannon_Lizard>, kMeleeLT, Arm<&W::SetWaitingStinger_Lizard>, nullptr},
     0,
     0},
};

constexpr RobotVariant kLizard[] = {
    {"Lizard type Tekkira",
     &Lizard2Action_Tekkira,
     {Arm<&W::SetMachineGun_Lizard2>, kMeleeLV, Arm<&W::SetMissileX1_Lizard2>, nullptr},
     2,
     0},
    {"Lizard type Vocka",
     &Lizard2Action_Vocka,
     {Arm<&W::SetRifle_Lizard2>, kMeleeLV, Arm<&W::SetRocketX4_Lizard2>, nullptr},
     0,
     0},
    {"Lizard type Jin",
     &Lizard2Action_Jin,
     {Arm<&W::SetShotGun_Lizard2>, kMeleeLV, Arm<&W::SetStinger_Lizard2>, nullptr},
     0,
     0},
};

constexpr RobotVariant kDuvuZirada[] = {
    {"DuvuZirada type Bannila Boy",
     &PyroAction_BannilaBoy,
     {Arm<&W::SetGatringGun_Pyro>, kMeleePP, Arm<&W::Set180mmCanon_Pyro>,
      Arm<&W::SetMissileX1_Pyro>},
     2,
     0},
    {"DuvuZirada type Pepper Girl",
     &PyroAction_PepperGirl,
     {Arm<&W::SetGatringGun_Pyro>, kMeleePP, Arm<&W::Set80mmCannon_Pyro>,
      Arm<&W::SetMissileX6_Pyro>},
     2,
     0},
};

constexpr RobotVariant kDOZ[] = {
    {"Ruva Duvud Ovived",
     &FMHAction_Heaven,
     {Arm<&W::SetGatringGun_FMH>, kMeleeFM, Arm<&W::SetSnakeMine_FMH>, Arm<&W::SetRocketX4_FMH>},
     3,
     0},
    {"Dezu Ridev Adud",
     &FMHAction_Hell,
     {Arm<&W::SetLazerShot_FMH>, kMeleeFM, Arm<&W::SetFireFly_FMH>, nullptr},
     0,
     0},
};

constexpr RobotVariant kRiziVov[] = {
    {"RiziVov type S.L.A.B",
     &BuzzBAction_SLAB,
     {Arm<&W::SetAsultRifle_BuzzB>, kMeleeBB, Arm<&W::SetFireFly_BuzzB>, nullptr},
     2,
     0},
    {"RiziVov type F.L.A.B",
     &BuzzBAction_FLAB,
     {Arm<&W::SetAsultRifle_BuzzB>, kMeleeBB, Arm<&W::SetStinger_BuzzB>, nullptr},
     2,
     0},
};

constexpr RobotVariant kVedoZad[] = {
    {"VedoZad type StaryDog",
     &FDogAction_StaryDog,
     {Arm<&W::SetShotGun_FDog>, Arm<&W::SetMelee_FDog>, Arm<&W::SetFloatingMine_FDog>, nullptr},
     0,
     0},
    {"VedoZad type Hyaena",
     &FDogAction_Hyaena,
     {Arm<&W::SetShotGunSLAG_FDog>, Arm<&W::SetMelee_FDog>, Arm<&W::SetWaitingMine_Lizard>,
      nullptr},
     0,
     0},
    {"VedoZad type Coyote",
     &FDogAction_Coyote,
     {Arm<&W::SetShotGun_FDog>, Arm<&W::SetMelee_FDog>, Arm<&W::SetMissleX1_FDog>, nullptr},
     0,
     0},
};

constexpr RobotVariant kRoDa[] = {
    {"Ro-da type North",
     &DFAction_North,
     {Arm<&W::SetAcidFog_DF>, kMeleeDF, Arm<&W::SetBazooka_DF>, nullptr},
     0,
     0},
    {"Ro-da type West",
     &DFAction_West,
     {Arm<&W::SetGatringGun_DF>, kMeleeDF, Arm<&W::SetSpreadBazooka_DF>, nullptr},
     2,
     0},
    {"Ro-da type South",
     &DFAction_South,
     {Arm<&W::SetAcidFog_DF>, kMeleeDF, Arm<&W::SetSpreadBazooka_DF>, nullptr},
     0,
     0},
};

constexpr RobotVariant kZuzodEvoz[] = {
    {"ZiraZedu type Pupa",
     &HBackAction_Pupa,
     {Arm<&W::SetGranade_HBack>, kMeleeHB, Arm<&W::SetLazerShot_HBack>, Arm<&W::SetTempest_HBack>},
     0,
     0},
    {"ZiraZedu type Cocoon",
     &HBackAction_Cocoon,
     {Arm<&W::SetAcidFog_HBack>, kMeleeHB, Arm<&W::SetLazerShot_HBack>,
      Arm<&W::SetTempestAcid_HBack>},
     0,
     0},
};

constexpr RobotVariant kV2A[] = {
    {"V-2-A type L.M.T",
     &AgehaAction,
     {Arm<&W::SetRifle_Ageha>, kMeleeST, Arm<&W::SetLazerShot_Ageha>, nullptr},
     0,
     0},
};

constexpr RobotVariant kZizoruVuzev[] = {
    {"ZizoruVuzev type the Nine",
     &TBahaoAction_Nine,
     {Arm<&W::SetShotGun_TBahao>, kMeleeTB, Arm<&W::Set80mmCanonX3_TBahao>,
      Arm<&W::SetRocketX6_TBahao>},
     0,
     0},
    {"ZizoruVuzev type the Six",
     &TBahaoAction_Six,
     {Arm<&W::Set80mmCannonX2_TBahao>, kMeleeTB, Arm<&W::SetGranade_TBahao>,
      Arm<&W::SetSnatcher_TBahao>},
     0,
     3},
};

constexpr RobotVariant kZeviruraR[] = {
    {"ZeviruraR type Skinny Crow",
     &ScavAction_SkinnyCrow,
     {Arm<&W::SetRifle_Scav>, Arm<&W::SetFireFly_Scav>, nullptr, nullptr},
     0,
     0},
    {"ZeviruraR type Fat Owl",
     &ScavAction_FatOwl,
     {Arm<&W::SetRifle_Scav>, Arm<&W::SetMissileX6_Scav>, nullptr, nullptr},
     0,
     0},
};

// V-2-A's loaders name their four fire sounds themselves.
constexpr const char* kV2ASounds[4] = {"ATTACK1", "ATTACK2", "BEAM", "HITTED4"};

// By kind number 1 to 11.
constexpr RobotKind kKinds[kRobotKinds] = {
    {&LizardStatus,
     1,
     kMotionLT,
     {"p_Ridezazo/mn_back.bmp", "p_Ridezazo/mn_bs.bmp", "p_Ridezazo/mn_front.bmp",
      "p_Ridezazo/mn_fs.bmp", "p_Ridezazo/mn_side.bmp"},
     kRidezazo,
     nullptr},
    {&LizardStatus,
     0,
     kMotionLV,
     {"p_LizV/lv_back.bmp", "p_LizV/lv_bs.bmp", "p_LizV/lv_front.bmp", "p_LizV/lv_fs.bmp",
      "p_LizV/lv_side.bmp"},
     kLizard,
     nullptr},
    {&PyroStatus,
     -1,
     kMotionPP,
     {"p_Pyro/pp_back.BMP", "p_Pyro/pp_bs.BMP", "p_Pyro/pp_front.BMP", "p_Pyro/pp_fs.BMP",
      "p_Pyro/pp_side.BMP"},
     kDuvuZirada,
     nullptr},
    {&FMHStatus,
     -1,
     kMotionFM,
     {"p_FMH/fm_back.bmp", "p_FMH/fm_bs.bmp", "p_FMH/fm_front.bmp", "p_FMH/fm_fs.bmp",
      "p_FMH/fm_side.bmp"},
     kDOZ,
     nullptr},
    {&BuzzBStatus,
     1,
     kMotionBB,
     {"p_RiziVov/bb_back.BMP", "p_RiziVov/bb_bs.BMP", "p_RiziVov/bb_front.BMP",
      "p_RiziVov/bb_fs.BMP", "p_RiziVov/bb_side.BMP"},
     kRiziVov,
     nullptr},
    {&FDogStatus,
     0,
     kMotionFD,
     {"p_VedoZad/fd_back.bmp", "p_VedoZad/fd_bs.bmp", "p_VedoZad/fd_front.bmp",
      "p_VedoZad/fd_fs.bmp", "p_VedoZad/fd_side.bmp"},
     kVedoZad,
     nullptr},
    {&DFStatus,
     1,
     kMotionDF,
     {"p_Dofu/df_back.BMP", "p_Dofu/df_bs.BMP", "p_Dofu/df_front.BMP", "p_Dofu/df_fs.BMP",
      "p_Dofu/df_side.BMP"},
     kRoDa,
     nullptr},
    {&HBackStatus,
     0,
     kMotionHB,
     {"p_Hunch/hb_back.bmp", "p_Hunch/hb_bs.bmp", "p_Hunch/hb_front.bmp", "p_Hunch/hb_fs.bmp",
      "p_Hunch/hb_side.bmp"},
     kZuzodEvoz,
     nullptr},
    {&AgehaStatus,
     1,
     kMotionST,
     {"p_S2T/st_back.bmp", "p_S2T/st_bs.bmp", "p_S2T/st_front.bmp", "p_S2T/st_fs.bmp",
      "p_S2T/st_side.bmp"},
     kV2A,
     kV2ASounds},
    {&TBahaoStatus,
     -1,
     kMotionTB,
     {"p_Tanlan/tang_back.bmp", "p_Tanlan/tang_bs.bmp", "p_Tanlan/tang_front.bmp",
      "p_Tanlan/tang_fs.bmp", "p_Tanlan/tang_side.bmp"},
     kZizoruVuzev,
     nullptr},
    {&ScavStatus,
     1,
     kMotionSC,
     {"p_Zevirurar/sc_back.BMP", "p_Zevirurar/sc_bs.BMP", "p_Zevirurar/sc_front.BMP",
      "p_Zevirurar/sc_fs.BMP", "p_Zevirurar/sc_side.BMP"},
     kZeviruraR,
     nullptr},
};

}  // namespace

const RobotKind* FindRobotKind(int32_t kind) {
  if (kind < 1 || kind > kRobotKinds) return nullptr;
  return &kKinds[kind - 1];
}

}  // namespace zk
