// The shot sheet's measured cells: stamping a cell sets the pixels a keyed blit of the cell at
// its own size sets, wherever the cell lands, cut by any edge of the target.
#include "display/sheet_cells.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "platform/surface.h"

namespace zk {
namespace {

TEST(SheetCells, EveryCellStampsAsItsKeyedBlitAtEveryCut) {
  constexpr int32_t kCell = sprite::kCellSize, kSide = sprite::kSheetColumns * kCell;
  constexpr uint32_t kKey = 0xFF00FF;
  // Runs of random colours and of the key, of random lengths, so that runs cross the cells' edges.
  Surface sheet(kSide, kSide);
  std::mt19937 rng(7);
  for (int32_t y = 0; y < kSide; ++y) {
    uint32_t* row = sheet.Row(y);
    for (int32_t x = 0; x < kSide;) {
      const uint32_t colour = rng() % 3 == 0 ? kKey : rng() & 0xFFFFFF;
      for (int32_t n = 1 + rng() % 9; n > 0 && x < kSide; --n) row[x++] = colour;
    }
  }
  sheet.SetColorKey(kKey);
  SheetCells cells;
  ASSERT_TRUE(cells.Measure(sheet));

  // A target smaller than a cell's reach on every side: places inside, across each edge and
  // corner, and wholly outside.
  constexpr int32_t kW = 70, kH = 50;
  const int32_t places[] = {-kCell, -kCell + 1, -17,    -1,     0, 5,
                            kW / 2, kW - kCell, kW - 9, kW - 1, kW};
  for (int32_t cell = 0; cell < kSheetCellCount; ++cell) {
    for (const int32_t left : places) {
      for (const int32_t top : places) {
        Surface stamped(kW, kH), blitted(kW, kH);
        cells.Stamp(stamped, cell, left, top - 10);
        Blit(blitted, Rect{left, top - 10, left + kCell, top - 10 + kCell}, sheet,
             SheetCells::CellRect(cell), kBlitSourceKey);
        for (int32_t y = 0; y < kH; ++y) {
          for (int32_t x = 0; x < kW; ++x) {
            ASSERT_EQ(stamped.Pixel(x, y), blitted.Pixel(x, y))
                << "cell " << cell << " at " << left << "," << top - 10 << ": " << x << "," << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace zk
