#include "palette.h"

#include <array>
#include <cstdint>

namespace zk::assetgen {

namespace {

Palette MakePalette() {
  Palette p{};
  int n = 0;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        p[n++] = {static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51),
                  static_cast<uint8_t>(b * 51)};
  // Greys between the cube's own greys.
  for (int i = 0; i < 24; ++i) {
    int v = 8 + i * 10 + (i / 5) + 1;
    if (v % 51 == 0) ++v;
    p[n++] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(v)};
  }
  // Sand and rust tones for the desert.
  static constexpr Rgb8 kSand[16] = {
      {250, 228, 180}, {240, 214, 160}, {232, 200, 142}, {222, 188, 128},
      {212, 176, 116}, {200, 162, 104}, {188, 148, 92},  {172, 134, 82},
      {156, 120, 72},  {138, 104, 62},  {120, 88, 52},   {246, 206, 120},
      {226, 170, 90},  {196, 120, 60},  {160, 80, 40},   {110, 60, 36},
  };
  for (const Rgb8& c : kSand) p[n++] = c;
  return p;
}

}  // namespace

const Palette& GamePalette() {
  static const Palette kPalette = MakePalette();
  return kPalette;
}

uint8_t TransparentIndex() {
  // (5, 0, 5) in the cube.
  return static_cast<uint8_t>(5 * 36 + 0 * 6 + 5);
}

uint8_t NearestIndex(Rgb8 c) {
  // A direct-mapped cache of answers: the pictures ask for few colours, each many times over.
  struct Answer {
    uint32_t Key = 0xFFFFFFFFu;  // no colour has this key
    uint8_t Index = 0;
  };
  static std::array<Answer, 1 << 16> cache;
  const uint32_t key = (uint32_t{c.R} << 16) | (uint32_t{c.G} << 8) | c.B;
  Answer& answer = cache[(key * 2654435761u) >> 16];
  if (answer.Key == key) return answer.Index;
  const Palette& p = GamePalette();
  const int transparent = TransparentIndex();
  int best = 0;
  int bestDist = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    if (i == transparent) continue;
    const int dr = int{p[i].R} - c.R, dg = int{p[i].G} - c.G, db = int{p[i].B} - c.B;
    // Weighted towards green, as the eye is.
    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  answer = {key, static_cast<uint8_t>(best)};
  return answer.Index;
}

}  // namespace zk::assetgen
