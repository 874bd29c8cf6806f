// Robots and slots for the weapon tests.
#pragma once

#include <cstdint>

#include "characters/character_data.h"
#include "robots/robot_kinds.h"
#include "weapons/weapon_data.h"

namespace zk::test {

// A robot standing at (x, y) with a recognisable hit step 60.
inline CharacterData Robot(int32_t x, int32_t y, int32_t half = 20, int32_t armor = 600) {
  CharacterData r{};
  r.X = x;
  r.Y = y;
  r.Status.HalfWidth = half;
  r.Status.HalfHeight = half;
  r.Status.MaxArmor = armor;
  r.Status.StunRecovery = 6;
  r.Armor = armor;
  r.Facing = 2;
  ActionStep& hit = r.Actions.Steps[6][0];
  hit.Action = 6;
  hit.Duration = 10;
  hit.Motion = 6;
  hit.Move = 1;
  return r;
}

// A step that fires.
inline ActionStep FiringStep(int32_t action) {
  ActionStep s{};
  s.Action = action;
  s.Duration = 6;
  s.Fire = 1;
  s.Move = 1;
  return s;
}

// A robot of one variant as the loaders and the fight set-up leave it: status, speed tables,
// actions, rapid fire, full armour and energy; its four weapon slots (unless null) cleared for
// the fight and armed by the variant.
inline void LoadVariant(CharacterData& r, WeaponData* slots, const RobotKind& kind,
                        const RobotVariant& v) {
  r = CharacterData{};
  kind.Status(r.BaseStatus, kind.Modifier);
  r.WalkSpeed = r.BaseStatus.WalkSpeed;
  r.BoostSpeed = r.BaseStatus.BoostSpeed;
  r.ClearActionTable();
  v.Actions(r.Actions);
  r.RapidFire1 = v.RapidFire1;
  r.RapidFire4 = v.RapidFire4;
  r.RestoreStatus();
  r.Armor = r.Status.MaxArmor;
  r.Energy = r.Status.MaxEnergy;
  if (slots == nullptr) return;
  for (int32_t k = 0; k < 4; ++k) {
    slots[k].RoundReset();
    if (v.Slots[k]) v.Slots[k](slots[k]);
    slots[k].ResetShots();
  }
}

}  // namespace zk::test
