// The shared recipe of every kind's status filler: the kind's own values plus the speed template.
#pragma once

#include <cstdint>

#include "characters/character_status.h"

namespace zk {

// What sets one kind apart; the speed cells all come from the template and the modifier.
struct KindValues {
  int32_t MaxArmor;
  int32_t MaxEnergy;
  int32_t HalfSize;  // the body box is square
  int32_t StunRecovery;
  int32_t BoostEffect;
  int32_t DecayInterval;
};

// Walk level-1 base of one component for modifier 0; the boost base adds 5 to x and 4 to y.
// comp is 0 for x, 1 for y. Returns 0 for a component that the group does not drive.
int32_t WalkBase(int32_t facing, int32_t group, int32_t comp);

// Writes every field of dst: the kind's values, both decay intervals, every speed cell.
void FillStatus(CharacterStatus& dst, const KindValues& kind, int32_t modifier);

}  // namespace zk
