// A line of text with a dark outline, readable on the light sand as on dark pictures. It is
// rendered once into a picture of its own and then only copied, until its text, colour or font
// changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/surface.h"

namespace zk {

class OutlinedText {
 public:
  // Where x lies on the text: its left edge, its right edge or its middle.
  enum Align { kLeft, kRight, kCentre };
  // Draws `text` with its top at y.
  void Draw(Surface& target, const std::shared_ptr<Font>& font, ColorRef color,
            std::string_view text, int32_t x, int32_t y, Align align = kLeft);
  // The width of the text as last drawn.
  int32_t Width() const { return width_; }
  // How many times the text was rendered (not merely copied).
  int32_t Renders() const { return renders_; }

 private:
  void Render(const std::shared_ptr<Font>& font, ColorRef color, std::string_view text);

  std::string text_;
  ColorRef color_ = 0;
  const Font* font_ = nullptr;
  std::unique_ptr<Surface> picture_;
  int32_t width_ = 0;
  int32_t renders_ = 0;
};

}  // namespace zk
