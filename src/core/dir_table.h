// The eight direction vectors by direction index, 0 up and clockwise.
#pragma once

namespace zk {

struct DirVector {
  double dx;
  double dy;
};

// Stored exactly as the game writes them: the diagonals are 0.70711 and 0.525825.
inline constexpr DirVector DirTable[8] = {
    {0, -0.75}, {0.70711, -0.525825}, {1, 0},  {0.70711, 0.525825},
    {0, 0.75},  {-0.70711, 0.525825}, {-1, 0}, {-0.70711, -0.525825},
};

}  // namespace zk
