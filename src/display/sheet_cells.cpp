#include "display/sheet_cells.h"

#include <algorithm>

namespace zk {

Rect SheetCells::CellRect(int32_t cell) {
  const int32_t left = sprite::CellColumn(cell) * sprite::kCellSize;
  const int32_t top = sprite::CellRow(cell) * sprite::kCellSize;
  return Rect{left, top, left + sprite::kCellSize, top + sprite::kCellSize};
}

bool SheetCells::Measure(const Surface& sheet) {
  constexpr int32_t kSide = sprite::kSheetColumns * sprite::kCellSize;
  if (sheet.Width() < kSide || sheet.Height() < kSide) return false;
  if (Sheet == &sheet && Width == sheet.Width() && Height == sheet.Height()) return true;
  Sheet = &sheet;
  Width = sheet.Width();
  Height = sheet.Height();
  const bool keyed = sheet.HasColorKey();
  const uint32_t key = sheet.ColorKey();
  for (int32_t cell = 0; cell < kSheetCellCount; ++cell) {
    const Rect whole = CellRect(cell);
    Rect inked{whole.Right, whole.Bottom, whole.Left, whole.Top};
    for (int32_t y = whole.Top; y < whole.Bottom; ++y) {
      const uint32_t* row = sheet.Row(y);
      for (int32_t x = whole.Left; x < whole.Right; ++x) {
        if (keyed && row[x] == key) continue;
        inked.Left = std::min(inked.Left, x);
        inked.Right = std::max(inked.Right, x + 1);
        inked.Top = std::min(inked.Top, y);
        inked.Bottom = std::max(inked.Bottom, y + 1);
      }
    }
    Inked[cell] = inked.Empty() ? Rect{} : inked;
  }
  return true;
}

}  // namespace zk
