// Small readers of our own for the pack's file formats, kept apart from the writers they check.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/files.h"

namespace zk::assetgen::testing {

inline std::vector<uint8_t> ReadFile(const std::string& path) {
  return test::ReadBytes(path);
}

inline uint32_t Le16(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (uint32_t{b[at + 1]} << 8);
}
inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return Le16(b, at) | (Le16(b, at + 2) << 16);
}
inline uint32_t Be16(const std::vector<uint8_t>& b, size_t at) {
  return (uint32_t{b[at]} << 8) | b[at + 1];
}
inline uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return (Be16(b, at) << 16) | Be16(b, at + 2);
}

struct BmpInfo {
  int32_t Width = 0, Height = 0;
  uint32_t Bits = 0, Compression = 0, Colours = 0, PixelOffset = 0;
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  // Palette index at (x, y), y counted from the top.
  std::vector<uint8_t> Pixels;
  uint8_t At(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// nullopt when the file is not a well-formed 8-bit uncompressed bitmap of the expected layout.
inline std::optional<BmpInfo> ParseBmp8(const std::vector<uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  if (Le32(b, 2) != b.size() || Le32(b, 14) != 40) return std::nullopt;
  BmpInfo info;
  info.Width = static_cast<int32_t>(Le32(b, 18));
  info.Height = static_cast<int32_t>(Le32(b, 22));
  info.Bits = Le16(b, 28);
  info.Compression = Le32(b, 30);
  info.Colours = Le32(b, 46);
  info.PixelOffset = Le32(b, 10);
  if (Le16(b, 26) != 1 || info.Bits != 8 || info.Compression != 0) return std::nullopt;
  if (info.Width <= 0 || info.Height <= 0 || info.Colours != 256) return std::nullopt;
  if (info.PixelOffset != 54 + 256 * 4) return std::nullopt;
  const size_t stride = (static_cast<size_t>(info.Width) + 3) & ~size_t{3};
  if (b.size() != info.PixelOffset + stride * info.Height) return std::nullopt;
  if (Le32(b, 34) != stride * info.Height) return std::nullopt;
  for (int i = 0; i < 256; ++i) {
    const size_t at = 54 + 4 * static_cast<size_t>(i);
    info.Palette.push_back((uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 1]} << 8) | b[at]);
  }
  for (int32_t y = 0; y < info.Height; ++y) {
    const size_t row = info.PixelOffset + stride * static_cast<size_t>(info.Height - 1 - y);
    info.Pixels.insert(info.Pixels.end(), b.begin() + static_cast<std::ptrdiff_t>(row),
                       b.begin() + static_cast<std::ptrdiff_t>(row + info.Width));
  }
  return info;
}

struct WaveInfo {
  uint32_t Format = 0, Channels = 0, Rate = 0, Bits = 0, BlockAlign = 0, ByteRate = 0;
  std::vector<uint8_t> Data;
};

inline std::optional<WaveInfo> ParseWave(const std::vector<uint8_t>& b) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return std::nullopt;
  if (Le32(b, 4) + 8 != b.size()) return std::nullopt;
  WaveInfo w;
  bool fmt = false, data = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id(b.begin() + static_cast<std::ptrdiff_t>(at),
                         b.begin() + static_cast<std::ptrdiff_t>(at + 4));
    const uint32_t size = Le32(b, at + 4);
    if (at + 8 + size > b.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      w.Format = Le16(b, at + 8);
      w.Channels = Le16(b, at + 10);
      w.Rate = Le32(b, at + 12);
      w.ByteRate = Le32(b, at + 16);
      w.BlockAlign = Le16(b, at + 20);
      w.Bits = Le16(b, at + 22);
      fmt = true;
    } else if (id == "data") {
      w.Data.assign(b.begin() + static_cast<std::ptrdiff_t>(at + 8),
                    b.begin() + static_cast<std::ptrdiff_t>(at + 8 + size));
      data = true;
    }
    at += 8 + size + (size & 1);
  }
  if (!fmt || !data || at != b.size()) return std::nullopt;
  return w;
}

struct MidiInfo {
  uint32_t Format = 0, Tracks = 0, Division = 0;
  uint32_t TempoMicros = 0;  // the first tempo event
  uint32_t EndTick = 0;      // the latest end of track
  uint32_t NoteOns = 0, NoteOffs = 0;
  std::vector<uint8_t> Programs;
};

inline std::optional<uint32_t> ReadVarLen(const std::vector<uint8_t>& b, size_t& at, size_t end) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return std::nullopt;
    const uint8_t c = b[at++];
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
  return std::nullopt;
}

// Walks every event of every track; nullopt on any inconsistency.
inline std::optional<MidiInfo> ParseMidi(const std::vector<uint8_t>& b) {
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || Be32(b, 4) != 6)
    return std::nullopt;
  MidiInfo m;
  m.Format = Be16(b, 8);
  m.Tracks = Be16(b, 10);
  m.Division = Be16(b, 12);
  size_t at = 14;
  uint32_t chunks = 0;
  while (at < b.size()) {
    if (at + 8 > b.size() || std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                                         b.begin() + static_cast<std::ptrdiff_t>(at + 4)) != "MTrk")
      return std::nullopt;
    const size_t end = at + 8 + Be32(b, at + 4);
    if (end > b.size()) return std::nullopt;
    size_t p = at + 8;
    uint32_t tick = 0;
    uint8_t status = 0;
    bool ended = false;
    while (p < end) {
      if (ended) return std::nullopt;  // events after the end of track
      const auto delta = ReadVarLen(b, p, end);
      if (!delta || p >= end) return std::nullopt;
      tick += *delta;
      if (b[p] & 0x80) status = b[p++];
      if (status == 0xFF) {
        if (p + 1 > end) return std::nullopt;
        const uint8_t type = b[p++];
        const auto len = ReadVarLen(b, p, end);
        if (!len || p + *len > end) return std::nullopt;
        if (type == 0x51 && *len == 3 && m.TempoMicros == 0)
          m.TempoMicros = (uint32_t{b[p]} << 16) | (uint32_t{b[p + 1]} << 8) | b[p + 2];
        if (type == 0x2F) ended = true;
        p += *len;
        continue;
      }
      const uint8_t kind = status & 0xF0;
      const size_t n = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
      if (kind < 0x80 || kind == 0xF0 || p + n > end) return std::nullopt;
      for (size_t i = 0; i < n; ++i)
        if (b[p + i] & 0x80) return std::nullopt;
      if (kind == 0x90 && b[p + 1] > 0) ++m.NoteOns;
      if ((kind == 0x90 && b[p + 1] == 0) || kind == 0x80) ++m.NoteOffs;
      if (kind == 0xC0) m.Programs.push_back(b[p]);
      p += n;
    }
    if (!ended) return std::nullopt;
    m.EndTick = std::max(m.EndTick, tick);
    ++chunks;
    at = end;
  }
  if (chunks != m.Tracks) return std::nullopt;
  return m;
}

}  // namespace zk::assetgen::testing
