// What a robot load installs, per kind and per variant.
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
