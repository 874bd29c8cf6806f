// One weapon slot of a player, its shot templates and live shots.
#pragma once

#include <cstdint>
#include <string>

namespace zk {

struct CharacterData;

class WeaponData {
 public:
  WeaponData();
  int32_t Ammo = 0;
  std::string Name;
  std::string FireSound;
  std::string HitSound;
  void RoundReset();
  void ResetShots();
};

}  // namespace zk
