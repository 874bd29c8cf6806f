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
  const bool keyed = sheet.HasColorKey();
  const uint32_t key = sheet.ColorKey();
  if (sheet_ == &sheet && stamp_ == sheet.Stamp() && keyed_ == keyed && key_ == key) return true;
  sheet_ = &sheet;
  stamp_ = sheet.Stamp();
  keyed_ = keyed;
  key_ = key;
  width_ = sheet.Width();
  runs_.clear();
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
        runs_.push_back(Run{static_cast<int16_t>(y), static_cast<int16_t>(x),
                            static_cast<int16_t>(end - x),
                            (whole.Top + y) * width_ + whole.Left + x});
        x = end;
      }
    }
  }
  first_[kSheetCellCount] = static_cast<int32_t>(runs_.size());
  return true;
}

namespace {

// Runs are short (a cell is 32 pixels wide): four pixels a move, then the rest one by one.
inline void CopyRun(uint32_t* to, const uint32_t* from, int32_t count) {
  for (; count >= 4; count -= 4, to += 4, from += 4) std::memcpy(to, from, 4 * sizeof(uint32_t));
  switch (count) {
    case 3:
      to[2] = from[2];
      [[fallthrough]];
    case 2:
      to[1] = from[1];
      [[fallthrough]];
    case 1:
      to[0] = from[0];
      break;
    default:
      break;
  }
}

}  // namespace

void SheetCells::Stamp(Surface& target, int32_t cell, int32_t left, int32_t top) const {
  if (sheet_ == nullptr || cell < 0 || cell >= kSheetCellCount || target.Lost()) return;
  const int32_t width = target.Width(), height = target.Height();
  if (left >= width || top >= height || left + sprite::kCellSize <= 0 ||
      top + sprite::kCellSize <= 0) {
    return;
  }
  const uint32_t* sheet = sheet_->Row(0);
  const Run* run = runs_.data() + first_[cell];
  const Run* const end = runs_.data() + first_[cell + 1];
  if (left >= 0 && top >= 0 && left + sprite::kCellSize <= width &&
      top + sprite::kCellSize <= height) {
    uint32_t* const corner = target.Row(top) + left;
    for (; run != end; ++run) {
      CopyRun(corner + run->Row * width + run->Column, sheet + run->Source, run->Length);
    }
    return;
  }
  for (; run != end; ++run) {
    const int32_t y = top + run->Row;
    if (y < 0 || y >= height) continue;
    const int32_t x0 = std::max(left + run->Column, 0);
    const int32_t x1 = std::min(left + run->Column + run->Length, width);
    if (x0 >= x1) continue;
    CopyRun(target.Row(y) + x0, sheet + run->Source + (x0 - left - run->Column), x1 - x0);
  }
}

}  // namespace zk
