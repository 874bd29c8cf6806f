// A small 5 x 7 pixel font (with one row of descenders) for the words written on the pictures.
#pragma once

#include <cstdint>
#include <string_view>

#include "image.h"

namespace zk::assetgen {

// Width in pixels of a text at an integer scale (6 pixels a character, the last column dropped).
int32_t TextWidth(std::string_view text, int32_t scale);
inline int32_t TextHeight(int32_t scale) {
  return 8 * scale;
}

// Writes the text with its top-left corner at (x, y); characters outside ' '..'~' draw as '?'.
void DrawText(Image& img, int32_t x, int32_t y, std::string_view text, int32_t scale, Rgb8 c);

// The same with a one-pixel (times scale) dark outline, for text over pictures.
void DrawTextOutlined(Image& img, int32_t x, int32_t y, std::string_view text, int32_t scale,
                      Rgb8 c, Rgb8 outline);

// Centred on x.
void DrawTextCentred(Image& img, int32_t cx, int32_t y, std::string_view text, int32_t scale,
                     Rgb8 c, Rgb8 outline);

}  // namespace zk::assetgen
