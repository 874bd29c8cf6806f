#include "display/fight_status.h"

namespace zk {

SlotState SlotTexts(const WeaponData& slot, int32_t number, std::string& label, std::string& ammo) {
  label.assign(1, static_cast<char>('0' + number % 10));
  if (slot.Armed != 1) {
    label += " -";
    ammo.clear();
    return SlotState::kEmpty;
  }
  if (slot.Unlimited == 1) {
    ammo.assign("\u221E");
    return SlotState::kUnlimited;
  }
  label += ' ';
  label += slot.Name;
  ammo.assign(std::to_string(slot.Ammo > 0 ? slot.Ammo : 0));
  return slot.Ammo > 0 ? SlotState::kLoaded : SlotState::kSpent;
}

}  // namespace zk
