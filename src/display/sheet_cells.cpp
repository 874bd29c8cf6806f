#include "display/sheet_cells.h"

#include <algorithm>
#include <cstring>

namespace zk {

Rect SheetCells::CellRect(int32_t cell) {
  const int32_t left = sprite::CellColumn(cell) * sprite::kCellSize;
  const int32_t top = sprite::CellRow(cell) * sprite::kCellSize;
  return Rect{left, top, left + sprite::kCellSize, top + sprite::kCellSize};
}

bool SheetCells::Measure(const Surface& sheet) {
  constexpr int32_t kSide = sprite::kSheetColumns * sprite::kCellSize;
  if (sheet.Width() < kSide || sheet.Height() < kSide) return false;
  if (sheet_ == &sheet && width_ == sheet.Width() && height_ == sheet.Height()) return true;
  sheet_ = &sheet;
  width_ = sheet.Width();
  height_ = sheet.Height();
  runs_.clear();
  const bool keyed = sheet.HasColorKey();
  const uint32_t key = sheet.ColorKey();
  for (int32_t cell = 0; cell < kSheetCellCount; ++cell) {
    first_[cell] = static_cast<int32_t>(runs_.size());
    const Rect whole = CellRect(cell);
    for (int32_t y = 0; y < sprite::kCellSize; ++y) {
      const uint32_t* row = sheet.Row(whole.Top + y) + whole.Left;
      for (int32_t x = 0; x < sprite::kCellSize;) {
        if (keyed && row[x] == key) {
          ++x;
          continue;
        }
        int32_t end = x;
        while (end < sprite::kCellSize && !(keyed && row[end] == key)) ++end;
        runs_.push_back(
            Run{static_cast<int16_t>(y), static_cast<int16_t>(x), static_cast<int16_t>(end - x)});
        x = end;
      }
    }
  }
  first_[kSheetCellCount] = static_cast<int32_t>(runs_.size());
  return true;
}

void SheetCells::Stamp(Surface& target, int32_t cell, int32_t left, int32_t top) const {
  if (sheet_ == nullptr || cell < 0 || cell >= kSheetCellCount || target.Lost()) return;
  if (left >= target.Width() || top >= target.Height() || left + sprite::kCellSize <= 0 ||
      top + sprite::kCellSize <= 0) {
    return;
  }
  const Rect whole = CellRect(cell);
  for (int32_t i = first_[cell]; i < first_[cell + 1]; ++i) {
    const Run& run = runs_[static_cast<size_t>(i)];
    const int32_t y = top + run.Row;
    if (y < 0 || y >= target.Height()) continue;
    const int32_t x0 = std::max(left + run.Column, 0);
    const int32_t x1 = std::min(left + run.Column + run.Length, target.Width());
    if (x0 >= x1) continue;
    std::memcpy(target.Row(y) + x0, sheet_->Row(whole.Top + run.Row) + whole.Left + (x0 - left),
                static_cast<size_t>(x1 - x0) * sizeof(uint32_t));
  }
}

}  // namespace zk
