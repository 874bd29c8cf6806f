// The cells of the "WEAPON" sheet as runs of opaque pixels, measured once per loaded sheet, so a
// cell drawn at its own size copies only its picture, a row piece at a time, and skips the
// transparent rest.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "weapons/weapon_sprites.h"

namespace zk {

inline constexpr int32_t kSheetCellCount = sprite::kSheetColumns * sprite::kSheetColumns;

class SheetCells {
 public:
  // Measures `sheet` unless it is the picture measured last (same pixels and key); false when the
  // sheet is too small to hold the cells.
  bool Measure(const Surface& sheet);
  // Copies the opaque pixels of `cell` with the cell's top-left at (left, top), clipped to the
  // target; nothing on a lost target.
  void Stamp(Surface& target, int32_t cell, int32_t left, int32_t top) const;
  // The sheet rectangle of a whole cell.
  static Rect CellRect(int32_t cell);

 private:
  struct Run {
    int16_t Row, Column, Length;  // within the cell
    int32_t Source;               // index of the run's first pixel on the sheet
  };
  const Surface* sheet_ = nullptr;  // the sheet last measured
  uint64_t stamp_ = 0;              // its picture's stamp when measured
  bool keyed_ = false;
  uint32_t key_ = 0;
  int32_t width_ = 0;
  std::vector<Run> runs_;
  int32_t first_[kSheetCellCount + 1] = {};  // cell c's runs are [first_[c], first_[c + 1])
};

}  // namespace zk
