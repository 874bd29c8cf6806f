#include "media/mp3_check.h"

#include <cstddef>
#include <cstring>

namespace zk {

namespace {

// The length in bytes of the MPEG audio frame whose header starts at `p` (4 bytes), 0 when the
// header is not one: no sync, a reserved version, layer, bit rate or sample rate, or a free bit
// rate (whose length the header does not give).
size_t FrameLength(const uint8_t* p) {
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return 0;
  const int version = (p[1] >> 3) & 3;  // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
  const int layer = (p[1] >> 1) & 3;    // 1 layer III, 2 layer II, 3 layer I
  const int rate_index = p[2] >> 4;
  const int sample_index = (p[2] >> 2) & 3;
  const int padding = (p[2] >> 1) & 1;
  if (version == 1 || layer == 0 || rate_index == 0 || rate_index == 15 || sample_index == 3) {
    return 0;
  }
  static constexpr int kRates[2][3][15] = {
      // MPEG 1: layers I, II, III
      {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
       {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
      // MPEG 2 and 2.5: layer I, then II and III alike
      {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
  };
  static constexpr int kSampleRates[3] = {44100, 48000, 32000};
  const bool mpeg1 = version == 3;
  const int sample_rate = kSampleRates[sample_index] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
  const int bit_rate = kRates[mpeg1 ? 0 : 1][3 - layer][rate_index] * 1000;
  if (layer == 3) return static_cast<size_t>((12 * bit_rate / sample_rate + padding) * 4);
  const int per_rate = (layer == 1 && !mpeg1) ? 72 : 144;
  return static_cast<size_t>(per_rate * bit_rate / sample_rate + padding);
}

// Whether the frame holds one of the tags that describe the stream instead of sound: "Xing" or
// "Info" after the side information, or "VBRI" 32 bytes after the header.
bool IsTagFrame(const uint8_t* frame, size_t length) {
  const bool mpeg1 = ((frame[1] >> 3) & 3) == 3;
  const bool mono = (frame[3] >> 6) == 3;
  const size_t side = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
  auto has = [&](size_t at, const char* tag) {
    return at + 4 <= length && std::memcmp(frame + at, tag, 4) == 0;
  };
  return has(4 + side, "Xing") || has(4 + side, "Info") || has(36, "VBRI");
}

}  // namespace

bool Mp3HoldsAudio(std::span<const uint8_t> bytes) {
  size_t at = 0;
  // An ID3v2 tag: "ID3", version, flags, then its size in four 7-bit bytes (plus a footer).
  if (bytes.size() >= 10 && std::memcmp(bytes.data(), "ID3", 3) == 0) {
    size_t size = 0;
    for (int i = 6; i < 10; ++i) size = (size << 7) | (bytes[i] & 0x7F);
    at = 10 + size + ((bytes[5] & 0x10) != 0 ? 10 : 0);
  }
  // From the first place where two whole audio frames follow each other, as a decoder that
  // searches the stream for its frames finds them.
  for (; at + 4 <= bytes.size(); ++at) {
    int frames = 0;
    for (size_t frame = at; frame + 4 <= bytes.size();) {
      const size_t length = FrameLength(bytes.data() + frame);
      if (length < 4 || length > bytes.size() - frame) break;
      if (frame != at || !IsTagFrame(bytes.data() + frame, length)) ++frames;
      if (frames == 2) return true;
      frame += length;
    }
  }
  return false;
}

}  // namespace zk
