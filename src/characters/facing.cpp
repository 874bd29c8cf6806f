// Turning toward the opponent in eight directions, or along the boost.
#include <cmath>
#include <cstdint>

#include "characters/character_data.h"
#include "characters/direction8.h"

namespace zk {

namespace {

// Facing by movement code while boosting; -1 keeps the facing.
int32_t BoostFacing(int32_t move_code) {
  switch (move_code) {
    case 1:
      return 6;
    case 2:
      return 2;
    case 10:
      return 0;
    case 11:
      return 7;
    case 12:
      return 1;
    case 20:
      return 4;
    case 21:
      return 5;
    case 22:
      return 3;
    default:
      return -1;
  }
}

// Sector table: row by the up component, column by the right component of the unit vector
// toward the opponent. The axis facings cover 60 degrees, the diagonals 30.
constexpr int32_t kSectors[4][5] = {
    {7, 7, 0, 1, 1},
    {6, 7, 0, 1, 2},
    {6, 5, 4, 3, 2},
    {5, 5, 4, 3, 3},
};

}  // namespace

int32_t Direction8(double dx, double dy, int32_t keep) {
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d == 0.0) return keep;
  const double u = -dy / d;  // up component
  const double r = dx / d;   // right component
  const double h = std::sqrt(3.0) * 0.5;

  int row;
  if (u >= h) {
    row = 0;
  } else if (u >= 0.0) {
    row = 1;
  } else if (u > -h) {
    row = 2;
  } else {
    row = 3;
  }

  int column;
  if (r < -h) {
    column = 0;
  } else if (r < -0.5) {
    column = 1;
  } else if (r <= 0.5) {
    column = 2;
  } else if (r <= h) {
    column = 3;
  } else {
    column = 4;
  }
  return kSectors[row][column];
}

int32_t CharacterData::FaceOpponent(const CharacterData& opponent) {
  if (Step.Turn != 1) return Facing;

  if (Boost != 0) {
    const int32_t facing = BoostFacing(MoveCode);
    if (facing >= 0) Facing = facing;
    return Facing;
  }

  // Both centres on one point: no bearing, keep the facing.
  Facing = Direction8(static_cast<double>(opponent.X) - static_cast<double>(X),
                      static_cast<double>(opponent.Y) - static_cast<double>(Y), Facing);
  return Facing;
}

}  // namespace zk
