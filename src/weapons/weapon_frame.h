// The per-robot and per-slot work of the firing and shot routines, without the form.
#pragma once

#include <cstdint>

#include "characters/character_data.h"
#include "weapons/weapon_data.h"

namespace zk {

// Fires the weapon slot of the robot's current action (slots: the robot's four weapon slots) when
// the current step's Fire is 1, Fired is 0 and the action is 1 to 4: the slot's volley lock is
// cleared first; a volley that goes off sets Fired to 1. Returns the slot index 0 to 3 that
// fired, or -1 when nothing went off (the request then repeats in the next frame).
int32_t FireRobotWeapon(CharacterData& robot, CharacterData& opponent, WeaponData* slots);

// One frame of a slot: owner and target set, every live shot moved, shifted with its smoke by
// (dx, dy), then tested against the target. Returns the number of hits.
int32_t ControlSlot(WeaponData& slot, CharacterData& owner, CharacterData& target, int32_t dx,
                    int32_t dy);

}  // namespace zk
