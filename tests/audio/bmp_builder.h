// Builds BMP images byte by byte for the picture tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace zk::test {

struct BmpSpec {
  int32_t Width = 2;
  int32_t Height = 2;  // negative: top-down
  uint16_t Bits = 24;
  uint32_t Compression = 0;
  uint32_t HeaderSize = 40;           // 12 for the OS/2 core header
  std::vector<uint32_t> Palette;      // 0x00RRGGBB
  uint32_t ColoursUsed = 0xFFFFFFFF;  // written as is when set, else the palette's size
  std::vector<uint32_t> Masks;        // bit-field masks after a 40-byte header
  std::vector<uint8_t> Pixels;        // rows as stored (padded) or the RLE stream
  uint16_t Planes = 1;
};

inline void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

inline std::vector<uint8_t> BuildBmp(const BmpSpec& s) {
  std::vector<uint8_t> info;
  if (s.HeaderSize == 12) {
    Put32(info, 12);
    Put16(info, static_cast<uint32_t>(s.Width));
    Put16(info, static_cast<uint32_t>(s.Height));
    Put16(info, s.Planes);
    Put16(info, s.Bits);
  } else {
    Put32(info, s.HeaderSize);
    Put32(info, static_cast<uint32_t>(s.Width));
    Put32(info, static_cast<uint32_t>(s.Height));
    Put16(info, s.Planes);
    Put16(info, s.Bits);
    Put32(info, s.Compression);
    Put32(info, static_cast<uint32_t>(s.Pixels.size()));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info,
          s.ColoursUsed != 0xFFFFFFFF ? s.ColoursUsed : static_cast<uint32_t>(s.Palette.size()));
    Put32(info, 0);
    while (info.size() < s.HeaderSize) info.push_back(0);
  }
  for (uint32_t m : s.Masks) Put32(info, m);
  for (uint32_t c : s.Palette) {
    info.push_back(static_cast<uint8_t>(c));
    info.push_back(static_cast<uint8_t>(c >> 8));
    info.push_back(static_cast<uint8_t>(c >> 16));
    if (s.HeaderSize != 12) info.push_back(0);
  }
  std::vector<uint8_t> out = {'B', 'M'};
  const uint32_t offset = static_cast<uint32_t>(14 + info.size());
  Put32(out, static_cast<uint32_t>(offset + s.Pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  out.insert(out.end(), info.begin(), info.end());
  out.insert(out.end(), s.Pixels.begin(), s.Pixels.end());
  return out;
}

// Rows of 8-bit indexes, each padded to four bytes.
inline std::vector<uint8_t> Rows8(const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> out;
  for (const auto& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
    while (out.size() % 4 != 0) out.push_back(0);
  }
  return out;
}

}  // namespace zk::test
