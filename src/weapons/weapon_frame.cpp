// The per-robot and per-slot work of the firing and shot routines.
#include "weapons/weapon_frame.h"

namespace zk {

int32_t FireRobotWeapon(CharacterData& robot, CharacterData& opponent, WeaponData* slots) {
  if (robot.Step.Fire != 1 || robot.Fired != 0) return -1;
  if (robot.Action < 1 || robot.Action > 4) return -1;
  WeaponData& slot = slots[robot.Action - 1];
  slot.Owner = &robot;
  slot.Target = &opponent;
  slot.VolleyLock = 0;
  if (!slot.Fire()) return -1;
  robot.Fired = 1;
  return robot.Action - 1;
}

int32_t ControlSlot(WeaponData& slot, CharacterData& owner, CharacterData& target, int32_t dx,
                    int32_t dy) {
  slot.Owner = &owner;
  slot.Target = &target;
  slot.MoveShots();
  slot.ShiftShots(dx, dy);
  return slot.TestHits();
}

}  // namespace zk
