// Speed template shared by every robot kind.
#include "robots/status_template.h"

namespace zk {

namespace {

// Direction index that each movement group points to.
constexpr int32_t kGroupDirection[8] = {2, 6, 0, 1, 7, 4, 5, 3};

constexpr int32_t DirectionDistance(int32_t a, int32_t b) {
  int32_t d = a - b;
  if (d < 0) d = -d;
  return d > 4 ? 8 - d : d;
}

constexpr bool FacesSideways(int32_t facing) {
  return facing == 2 || facing == 6;
}

constexpr int32_t kBoostExtra[2] = {5, 4};

}  // namespace

int32_t WalkBase(int32_t facing, int32_t group, int32_t comp) {
  const int32_t d = DirectionDistance(kGroupDirection[group], facing);
  const bool horizontal = group == kGroupRight || group == kGroupLeft;
  const bool vertical = group == kGroupUp || group == kGroupDown;
  if (horizontal) {
    if (comp != 0) return 0;
    return d == 0 ? 6 : (d <= 2 ? 5 : 4);
  }
  if (vertical) {
    if (comp != 1) return 0;
    return d == 0 ? 5 : (d <= 2 ? 4 : 3);
  }
  // Diagonal groups: (x, y) by distance; at odd distances the facing is straight.
  switch (d) {
    case 0:
      return 5;
    case 1:
      return FacesSideways(facing) ? (comp == 0 ? 5 : 4) : 4;
    case 2:
      return 4;
    case 3:
      return FacesSideways(facing) ? 4 : (comp == 0 ? 4 : 3);
    default:
      return 3;
  }
}

void FillStatus(CharacterStatus& dst, const KindValues& kind, int32_t modifier) {
  dst.MaxArmor = kind.MaxArmor;
  dst.MaxEnergy = kind.MaxEnergy;
  dst.HalfHeight = kind.HalfSize;
  dst.HalfWidth = kind.HalfSize;
  dst.StunRecovery = kind.StunRecovery;
  dst.BoostEffect = kind.BoostEffect;
  for (int32_t facing = 0; facing < 8; ++facing) {
    SpeedRow& walk = dst.WalkSpeed.Rows[facing];
    SpeedRow& boost = dst.BoostSpeed.Rows[facing];
    walk.DecayInterval = kind.DecayInterval;
    boost.DecayInterval = kind.DecayInterval;
    for (int32_t group = 0; group < 8; ++group) {
      for (int32_t comp = 0; comp < 2; ++comp) {
        walk.Speed[group][0][comp] = 0;
        boost.Speed[group][0][comp] = 0;
        const int32_t base = WalkBase(facing, group, comp);
        for (int32_t level = 1; level <= 3; ++level) {
          if (base == 0) {
            walk.Speed[group][level][comp] = 0;
            boost.Speed[group][level][comp] = 0;
          } else {
            walk.Speed[group][level][comp] = modifier + base + (level - 1);
            boost.Speed[group][level][comp] = modifier + base + kBoostExtra[comp] + (level - 1);
          }
        }
      }
    }
  }
  // The four top-level straight-ahead cells that stand outside the rule.
  dst.WalkSpeed.Rows[2].Speed[kGroupRight][3][0] = 8;
  dst.WalkSpeed.Rows[6].Speed[kGroupLeft][3][0] = 8;
  dst.BoostSpeed.Rows[6].Speed[kGroupLeft][3][0] = 13;
  dst.BoostSpeed.Rows[2].Speed[kGroupRight][3][0] = modifier + 12;
}

}  // namespace zk
