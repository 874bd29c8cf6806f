// The per-robot and per-slot work of the firing and shot routines.
#include "weapons/weapon_frame.h"

namespace zk {

int32_t FireRobotWeapon(CharacterData& robot, CharacterData& opponent, WeaponData* slots) {
  if (robot.Step.Fire != 1 || robot.Fired != 0) return -1;
  if (robot.Action < kActionWeapon1 || robot.Action > kActionWeapon4) return -1;
  WeaponData& slot = slots[robot.Action - kActionWeapon1];
  slot.Owner = &robot;
  slot.Target = &opponent;
  slot.VolleyLock = 0;
  if (!slot.Fire()) return -1;
  robot.Fired = 1;
  return robot.Action - kActionWeapon1;
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
