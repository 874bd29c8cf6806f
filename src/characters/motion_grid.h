// How the grid kinds' motion tables are made: equal cells on a view bitmap, listed per motion row,
// with single frames replaced per facing.
#pragma once

#include <cstdint>
#include <span>

#include "characters/motion_table.h"

namespace zk {

struct GridCell {
  int32_t Column;
  int32_t Row;
};

// A frame that does not follow the grid in the facings of `FacingMask` (bit f for facing f).
// HalfWidth 0 keeps the kind's half width; the half height always stays the kind's.
struct MotionException {
  uint32_t FacingMask;
  int32_t Motion;
  int32_t Frame;
  int32_t Left, Top, Right, Bottom;
  int32_t HalfWidth;
};

struct GridKind {
  int32_t PitchX, PitchY;
  int32_t Width, Height;
  int32_t HalfWidth, HalfHeight;
  int32_t SizedRows;                   // motion rows 0..SizedRows-1 get the half sizes
  std::span<const GridCell> Cells[7];  // motion rows 0 to 6, frames in order
  std::span<const MotionException> Exceptions;
};

// Writes a grid kind's whole table: half sizes, listed cells, then the exceptions.
void FillGridMotion(MotionTable& table, const GridKind& kind);

inline constexpr uint32_t FacingBit(int facing) {
  return 1u << facing;
}
inline constexpr uint32_t kAllFacings = 0xFF;

}  // namespace zk
