// A robot kind's status values and its walk and boost speed tables.
#pragma once

#include <cstdint>

namespace zk {

// Movement groups of a speed row.
enum MoveGroup : int32_t {
  kGroupRight = 0,
  kGroupLeft = 1,
  kGroupUp = 2,
  kGroupUpRight = 3,
  kGroupUpLeft = 4,
  kGroupDown = 5,
  kGroupDownLeft = 6,
  kGroupDownRight = 7,
};

struct SpeedRow {
  // [movement group][acceleration level 0..3][0 x, 1 y]; magnitudes in pixels per frame.
  int32_t Speed[8][4][2];
  int32_t DecayInterval;
};

// Walking or boosting speeds by facing row 0..7.
struct SpeedTable {
  SpeedRow Rows[8];
};

struct CharacterStatus {
  int32_t MaxArmor;
  int32_t MaxEnergy;
  int32_t HalfHeight;
  int32_t HalfWidth;
  int32_t StunRecovery;
  SpeedTable WalkSpeed;
  SpeedTable BoostSpeed;
  int32_t BoostEffect;
};

}  // namespace zk
