// The one colour table every picture of the pack carries, so the display palette stays the same
// whichever picture was loaded last, and magenta keeps one index everywhere.
#pragma once

#include <array>
#include <cstdint>

namespace zk::assetgen {

struct Rgb8 {
  uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

using Palette = std::array<Rgb8, 256>;

// 216 colours of a 6 x 6 x 6 cube, then 24 greys and 16 sand tones; magenta appears once.
const Palette& GamePalette();

// The index of magenta (255, 0, 255), the transparent colour.
uint8_t TransparentIndex();

// The nearest colour of the palette, never the transparent one.
uint8_t NearestIndex(Rgb8 c);

}  // namespace zk::assetgen
