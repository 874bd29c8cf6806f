// What a robot load installs, per kind and per variant.
//
// The kinds' names: the code name of their routines (<Code>Status, <Code>In1/In2, actions), the
// motion table (kMotion<XX>), the select screen's display name, the pictures' folder and prefix
// (p_<Folder>/<prefix>_back.bmp and so on) and the file of its tables in src/robots. Kind 2
// uses kind 1's status filler with its own modifier.
//   kind  code     motion  display name        pictures         tables
//      1  Lizard   LT      Ridezazo            p_Ridezazo/mn_   ridezazo.cpp
//      2  Lizard2  LV      Lizard              p_LizV/lv_       lizard.cpp
//      3  Pyro     PP      DuvuZirada          p_Pyro/pp_       duvuzirada.cpp
//      4  FMH      FM      D.O.Z.: Ruva, Dezu  p_FMH/fm_        doz.cpp
//      5  BuzzB    BB      RiziVov             p_RiziVov/bb_    rizivov.cpp
//      6  FDog     FD      VedoZad             p_VedoZad/fd_    vedozad.cpp
//      7  DF       DF      Ro-da               p_Dofu/df_       ro_da.cpp
//      8  HBack    HB      ZiraZedu            p_Hunch/hb_      zuzodevoz.cpp
//      9  Ageha    ST      V-2-A               p_S2T/st_        v2a.cpp
//     10  TBahao   TB      ZizoruVuzev         p_Tanlan/tang_   zizoruvuzev.cpp
//     11  Scav     SC      ZeviruraR           p_Zevirurar/sc_  zevirurar.cpp
#pragma once

#include <cstdint>
#include <span>

#include "characters/action_table.h"
#include "characters/character_status.h"

namespace zk {

class WeaponData;

using StatusFiller = void (*)(CharacterStatus& dst, int32_t modifier);
using ActionFiller = void (*)(ActionTable& dst);
using WeaponSetup = void (*)(WeaponData& slot);

struct RobotVariant {
  const char* Name;  // display name
  ActionFiller Actions;
  WeaponSetup Slots[4];  // nullptr: the slot has no weapon in this variant
  int32_t RapidFire1;
  int32_t RapidFire4;
};

struct RobotKind {
  StatusFiller Status;
  int32_t Modifier;
  int32_t MotionIndex;   // entry of TForm1::MotionTables
  const char* Views[5];  // in load order: back, back-side, front, front-side, side
  std::span<const RobotVariant> Variants;
  const char* const* FireSounds;  // four names given directly, or nullptr: the set-ups' sounds
};

inline constexpr int32_t kRobotKinds = 11;

// Kind number 1 to 11 in select order; nullptr for any other number.
const RobotKind* FindRobotKind(int32_t kind);

// The fire sound a slot without a weapon gets.
inline constexpr const char* kNoWeaponSound = "HITTED4";

}  // namespace zk
