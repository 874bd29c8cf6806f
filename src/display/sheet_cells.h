// Where the pictures lie inside the cells of the "WEAPON" sheet, measured once per loaded sheet,
// so that a cell drawn at its own size copies only the pixels of its picture.
#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "weapons/weapon_sprites.h"

namespace zk {

inline constexpr int32_t kSheetCellCount = sprite::kSheetColumns * sprite::kSheetColumns;

struct SheetCells {
  const Surface* Sheet = nullptr;  // the sheet last measured
  int32_t Width = 0, Height = 0;
  // Per cell, the smallest rectangle holding every pixel that is not the colour key, on the
  // sheet; empty for a cell without a picture.
  Rect Inked[kSheetCellCount] = {};

  // Measures `sheet` unless it is the sheet measured last; false when the sheet is too small to
  // hold the cells.
  bool Measure(const Surface& sheet);
  // The sheet rectangle of a whole cell.
  static Rect CellRect(int32_t cell);
};

}  // namespace zk
