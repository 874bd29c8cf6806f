// The checks a BMP image must pass before its pixels are decoded.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zk {

// What the header check learnt about a BMP image that passed every check.
struct BmpLayout {
  int32_t Width = 0;
  int32_t Height = 0;  // always positive; TopDown tells the row order
  bool TopDown = false;
  uint16_t BitCount = 0;
  uint32_t Compression = 0;   // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  uint32_t PaletteCount = 0;  // colours in the table (images of 8 bits or fewer)
  size_t PaletteOffset = 0;
  size_t PaletteEntrySize = 4;  // 3 for the old OS/2 header
  size_t PixelOffset = 0;
};

inline constexpr int32_t kMaxBmpSide = 4096;

// Validates the whole image: headers, sizes, colour table, pixel data and, for RLE, every run.
// A valid image fills `layout`; false for anything truncated, oversized or malformed.
bool CheckBmp(const uint8_t* data, size_t size, BmpLayout& layout);

}  // namespace zk
