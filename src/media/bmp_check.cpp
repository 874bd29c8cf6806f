// Validation of BMP images before they reach the decoder.
//
// SDL's loader rejects most broken images but clips RLE runs that leave their row or the image
// instead of refusing them, and does not check RLE colour indexes against the colour table. We
// refuse all of that here, so an image either passes in full or gives no picture.
#include "media/bmp_check.h"

#include <cstdint>

#include "media/byte_order.h"

namespace zk {

namespace {

constexpr uint32_t kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

// Every colour index of the plain pixel rows must be inside the colour table.
bool CheckPlainIndexes(const uint8_t* pixels, size_t row_bytes, const BmpLayout& l) {
  if (l.BitCount > 8) return true;
  const uint32_t per_byte = 8u / l.BitCount;
  const uint32_t mask = (1u << l.BitCount) - 1u;
  if (l.PaletteCount >= (1u << l.BitCount)) return true;  // every index fits
  for (int32_t y = 0; y < l.Height; ++y) {
    const uint8_t* row = pixels + static_cast<size_t>(y) * row_bytes;
    for (int32_t x = 0; x < l.Width; ++x) {
      const uint32_t byte = row[static_cast<uint32_t>(x) / per_byte];
      const uint32_t shift = 8u - l.BitCount * (static_cast<uint32_t>(x) % per_byte + 1u);
      if (((byte >> shift) & mask) >= l.PaletteCount) return false;
    }
  }
  return true;
}

// Walks an RLE8 or RLE4 stream: every run must stay in its row and the image, every index in
// the colour table, and the stream must end with an end-of-bitmap code inside the data.
bool CheckRle(const uint8_t* p, size_t size, const BmpLayout& l) {
  const bool rle8 = l.Compression == kRle8;
  const uint32_t width = static_cast<uint32_t>(l.Width);
  const uint32_t height = static_cast<uint32_t>(l.Height);
  const uint32_t colours = l.PaletteCount;
  uint32_t x = 0, y = 0;
  size_t i = 0;
  while (true) {
    if (size - i < 2) return false;  // no end-of-bitmap before the data ends
    const uint32_t count = p[i];
    const uint32_t value = p[i + 1];
    i += 2;
    if (count > 0) {
      if (y >= height || count > width - x) return false;
      if (rle8) {
        if (value >= colours) return false;
      } else {
        if ((value >> 4) >= colours) return false;
        if (count > 1 && (value & 0x0F) >= colours) return false;
      }
      x += count;
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        if (y > height) return false;
        break;
      case 1:  // end of bitmap
        return true;
      case 2: {  // move right and up
        if (size - i < 2) return false;
        x += p[i];
        y += p[i + 1];
        i += 2;
        if (x > width || y >= height) return false;
        break;
      }
      default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const uint32_t n = value;
        if (y >= height || n > width - x) return false;
        const size_t bytes = rle8 ? n : (n + 1) / 2;
        const size_t padded = bytes + (bytes & 1);
        if (size - i < padded) return false;
        for (uint32_t k = 0; k < n; ++k) {
          const uint32_t index =
              rle8 ? p[i + k] : ((k & 1) == 0 ? (p[i + k / 2] >> 4) : (p[i + k / 2] & 0x0F));
          if (index >= colours) return false;
        }
        i += padded;
        x += n;
        break;
      }
    }
  }
}

}  // namespace

bool CheckBmp(const uint8_t* data, size_t size, BmpLayout& l) {
  l = BmpLayout{};
  if (data == nullptr || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t pixel_offset = Le32(data + 10);
  const uint32_t header_size = Le32(data + 14);
  int64_t width = 0, height = 0;
  uint16_t planes = 0;
  uint32_t colours_used = 0;
  size_t header_end = 14 + static_cast<size_t>(header_size);
  if (header_size == 12) {  // the old OS/2 core header
    width = Le16(data + 18);
    height = Le16(data + 20);
    planes = Le16(data + 22);
    l.BitCount = Le16(data + 24);
    l.PaletteEntrySize = 3;
  } else if (header_size == 40 || header_size == 52 || header_size == 56 || header_size == 108 ||
             header_size == 124) {
    if (size < header_end) return false;
    width = static_cast<int32_t>(Le32(data + 18));
    height = static_cast<int32_t>(Le32(data + 22));
    planes = Le16(data + 26);
    l.BitCount = Le16(data + 28);
    l.Compression = Le32(data + 30);
    colours_used = Le32(data + 46);
  } else {
    return false;
  }
  if (size < header_end) return false;
  if (planes != 1) return false;
  if (width < 1 || width > kMaxBmpSide) return false;
  if (height == 0 || height > kMaxBmpSide || height < -kMaxBmpSide) return false;
  l.Width = static_cast<int32_t>(width);
  l.TopDown = height < 0;
  l.Height = static_cast<int32_t>(height < 0 ? -height : height);

  const uint16_t bits = l.BitCount;
  switch (l.Compression) {
    case kPlain:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return false;
      }
      break;
    case kRle8:
      if (bits != 8 || l.TopDown) return false;
      break;
    case kRle4:
      if (bits != 4 || l.TopDown) return false;
      break;
    case kBitFields: {
      if (bits != 16 && bits != 32) return false;
      // The three masks follow a 40-byte header, or are part of a longer one.
      const size_t masks = 14 + 40;
      if (size < masks + 12) return false;
      for (int k = 0; k < 3; ++k) {
        if (Le32(data + masks + 4 * k) == 0) return false;
      }
      if (header_size == 40) header_end += 12;
      break;
    }
    default:
      return false;
  }

  if (bits <= 8) {
    const uint32_t full = 1u << bits;
    l.PaletteCount = colours_used == 0 ? full : colours_used;
    if (l.PaletteCount > full) return false;
    l.PaletteOffset = header_end;
    if (size - header_end < static_cast<size_t>(l.PaletteCount) * l.PaletteEntrySize) {
      return false;
    }
  }

  if (pixel_offset < 14 + 12 || pixel_offset >= size) return false;
  l.PixelOffset = pixel_offset;
  const uint8_t* pixels = data + pixel_offset;
  const size_t available = size - pixel_offset;
  if (l.Compression == kRle8 || l.Compression == kRle4) return CheckRle(pixels, available, l);

  const size_t row_bytes = ((static_cast<size_t>(l.Width) * bits + 31) / 32) * 4;
  if (available / row_bytes < static_cast<size_t>(l.Height)) return false;
  return CheckPlainIndexes(pixels, row_bytes, l);
}

}  // namespace zk
