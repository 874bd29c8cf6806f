// The eight-way direction of a vector on the screen, by the sectors robots turn with.
#pragma once

#include <cstdint>

namespace zk {

// Direction index 0 (up) to 7, clockwise, of the vector (dx, dy) in screen pixels (y grows
// downward): the axis directions cover 60 degrees each, the diagonals 30. `keep` when the vector
// is zero.
int32_t Direction8(double dx, double dy, int32_t keep);

}  // namespace zk
