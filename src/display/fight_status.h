// The fight's status display: per player the robot's name and its four weapon slots, each with
// the weapon's name and the ammunition left.
#pragma once

#include <cstdint>
#include <string>

#include "display/outlined_text.h"
#include "weapons/weapon_data.h"

namespace zk {

// Placed under each player's gauges (player 1 left, player 2 right, kStatusWidth wide): the name,
// then the slots in two rows of two.
inline constexpr int32_t kStatusLeft[2] = {10, 490};
inline constexpr int32_t kStatusWidth = 300;
inline constexpr int32_t kStatusNameTop = 30, kStatusSlotTop = 46, kStatusRow = 15;
inline constexpr int32_t kStatusColumn = 172, kStatusGap = 6;  // the second column from 172

enum class SlotState { kEmpty, kLoaded, kSpent, kUnlimited };

// What a weapon slot shows: "N Name" and the volleys left; an unlimited weapon (the melee
// strikes, whose set-ups write no name) shows its number and "∞", a slot without a weapon its
// number and "-", a spent one its name and "0".
SlotState SlotTexts(const WeaponData& slot, int32_t number, std::string& label, std::string& ammo);

struct FightStatus {
  OutlinedText Names[2];
  OutlinedText Labels[2][4];
  OutlinedText Ammo[2][4];
  OutlinedText Banner;
  std::string Label, Count;  // reused for each slot's texts
};

}  // namespace zk
