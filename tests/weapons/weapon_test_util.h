// Robots and slots for the weapon tests.
#pragma once

#include <cstdint>

#include "characters/character_data.h"
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

}  // namespace zk::test
