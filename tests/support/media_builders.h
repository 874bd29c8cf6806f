// Builds BMP and WAVE images byte by byte for the tests that decode or load pictures and sounds.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "media/byte_order.h"

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

inline std::vector<uint8_t> BuildBmp(const BmpSpec& s) {
  std::vector<uint8_t> info;
  if (s.HeaderSize == 12) {
    PutLe32(info, 12);
    PutLe16(info, static_cast<uint32_t>(s.Width));
    PutLe16(info, static_cast<uint32_t>(s.Height));
    PutLe16(info, s.Planes);
    PutLe16(info, s.Bits);
  } else {
    PutLe32(info, s.HeaderSize);
    PutLe32(info, static_cast<uint32_t>(s.Width));
    PutLe32(info, static_cast<uint32_t>(s.Height));
    PutLe16(info, s.Planes);
    PutLe16(info, s.Bits);
    PutLe32(info, s.Compression);
    PutLe32(info, static_cast<uint32_t>(s.Pixels.size()));
    PutLe32(info, 2835);
    PutLe32(info, 2835);
    PutLe32(info,
            s.ColoursUsed != 0xFFFFFFFF ? s.ColoursUsed : static_cast<uint32_t>(s.Palette.size()));
    PutLe32(info, 0);
    while (info.size() < s.HeaderSize) info.push_back(0);
  }
  for (uint32_t m : s.Masks) PutLe32(info, m);
  for (uint32_t c : s.Palette) {
    info.push_back(static_cast<uint8_t>(c));
    info.push_back(static_cast<uint8_t>(c >> 8));
    info.push_back(static_cast<uint8_t>(c >> 16));
    if (s.HeaderSize != 12) info.push_back(0);
  }
  std::vector<uint8_t> out = {'B', 'M'};
  const uint32_t offset = static_cast<uint32_t>(14 + info.size());
  PutLe32(out, static_cast<uint32_t>(offset + s.Pixels.size()));
  PutLe32(out, 0);
  PutLe32(out, offset);
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

// A RIFF WAVE image; the defaults make the game's format (PCM, mono, 8000 Hz, 8 bits).
inline std::vector<uint8_t> FourSamples() {
  return {128, 200, 56, 128};
}

struct WaveSpec {
  uint16_t Format = 1;
  uint16_t Channels = 1;
  uint32_t Rate = 8000;
  uint16_t Bits = 8;
  int32_t BlockAlign = -1;  // -1: channels x bytes per sample
  uint32_t FmtSize = 16;
  std::vector<uint8_t> Samples = FourSamples();
  bool DataFirst = false;
  bool ExtraChunk = false;
  int32_t DataSizeBias = 0;  // added to the data chunk's stated size
  int32_t RiffSizeBias = 0;  // added to the RIFF size
  const char* Riff = "RIFF";
  const char* Form = "WAVE";
  bool NoFmt = false;
  bool NoData = false;
};

inline std::vector<uint8_t> BuildWave(const WaveSpec& s) {
  std::vector<uint8_t> fmt, data, body;
  PutTag(fmt, "fmt ");
  PutLe32(fmt, s.FmtSize);
  std::vector<uint8_t> f;
  PutLe16(f, s.Format);
  PutLe16(f, s.Channels);
  PutLe32(f, s.Rate);
  const uint32_t align =
      s.BlockAlign >= 0 ? static_cast<uint32_t>(s.BlockAlign) : s.Channels * (s.Bits / 8u);
  PutLe32(f, s.Rate * align);
  PutLe16(f, align);
  PutLe16(f, s.Bits);
  f.resize(s.FmtSize, 0);
  fmt.insert(fmt.end(), f.begin(), f.end());
  if (fmt.size() % 2) fmt.push_back(0);
  PutTag(data, "data");
  PutLe32(data, static_cast<uint32_t>(static_cast<int64_t>(s.Samples.size()) + s.DataSizeBias));
  data.insert(data.end(), s.Samples.begin(), s.Samples.end());
  if (data.size() % 2) data.push_back(0);
  PutTag(body, s.Form);
  if (s.ExtraChunk) {
    PutTag(body, "LIST");
    PutLe32(body, 5);
    body.insert(body.end(), {'a', 'b', 'c', 'd', 'e', 0});
  }
  if (s.DataFirst && !s.NoData) body.insert(body.end(), data.begin(), data.end());
  if (!s.NoFmt) body.insert(body.end(), fmt.begin(), fmt.end());
  if (!s.DataFirst && !s.NoData) body.insert(body.end(), data.begin(), data.end());
  std::vector<uint8_t> out;
  PutTag(out, s.Riff);
  PutLe32(out, static_cast<uint32_t>(static_cast<int64_t>(body.size()) + s.RiffSizeBias));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// A one-track MIDI file (format 0): each event at its tick, in order, then the end of the track
// at `end_tick`. The event bytes are written as they are (running status included).
struct MidiAt {
  uint32_t Tick;
  std::vector<uint8_t> Bytes;
};
inline std::vector<uint8_t> BuildMidi(uint16_t division, const std::vector<MidiAt>& events,
                                      uint32_t end_tick) {
  std::vector<uint8_t> body;
  uint32_t now = 0;
  auto delta = [&](uint32_t tick) {
    const uint32_t d = tick - now;
    now = tick;
    for (int shift = 21; shift > 0; shift -= 7) {
      if (d >> shift) body.push_back(static_cast<uint8_t>(0x80 | ((d >> shift) & 0x7F)));
    }
    body.push_back(static_cast<uint8_t>(d & 0x7F));
  };
  for (const MidiAt& e : events) {
    delta(e.Tick);
    body.insert(body.end(), e.Bytes.begin(), e.Bytes.end());
  }
  delta(end_tick);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  std::vector<uint8_t> out;
  PutTag(out, "MThd");
  PutBe32(out, 6);
  PutBe16(out, 0);
  PutBe16(out, 1);
  PutBe16(out, division);
  PutTag(out, "MTrk");
  PutBe32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace zk::test
