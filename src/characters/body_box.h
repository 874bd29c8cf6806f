// A robot's body box and the overlap test of two boxes.
#pragma once

#include <cstdint>

namespace zk {

// Edges of a body box: left and top inclusive, right and bottom exclusive, as a blit rectangle.
struct BodyBox {
  int32_t Left;
  int32_t Top;
  int32_t Right;
  int32_t Bottom;
};

constexpr BodyBox BoxAround(int32_t x, int32_t y, int32_t half_width, int32_t half_height) {
  return {x - half_width, y - half_height, x + half_width, y + half_height};
}

// Two boxes overlap when the larger left lies below the smaller right and the larger top below
// the smaller bottom; boxes that only touch along an edge do not overlap.
constexpr bool BoxesOverlap(const BodyBox& a, const BodyBox& b) {
  const int32_t left = a.Left > b.Left ? a.Left : b.Left;
  const int32_t right = a.Right < b.Right ? a.Right : b.Right;
  const int32_t top = a.Top > b.Top ? a.Top : b.Top;
  const int32_t bottom = a.Bottom < b.Bottom ? a.Bottom : b.Bottom;
  return left < right && top < bottom;
}

}  // namespace zk
