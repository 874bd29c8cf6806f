#include "display/outlined_text.h"

#include "platform/text_render.h"

namespace zk {

namespace {
constexpr ColorRef kOutline = Rgb(16, 12, 8);
constexpr ColorRef kKey = Rgb(255, 0, 255);
}  // namespace

void OutlinedText::Render(const std::shared_ptr<Font>& font, ColorRef color,
                          std::string_view text) {
  text_.assign(text);
  color_ = color;
  font_ = font.get();
  ++renders_;
  width_ = 0;
  picture_.reset();
  if (!font || text.empty()) return;
  const TextSize size = MeasureText(*font, text);
  if (size.Width <= 0 || size.Height <= 0) return;
  width_ = size.Width;
  picture_ = std::make_unique<Surface>(size.Width + 2, size.Height + 2);
  FillRect(*picture_, picture_->Bounds(), kKey);
  picture_->SetColorKey(ColorMatch(picture_.get(), kKey));
  DrawContext dc(*picture_);
  dc.SelectFont(font);
  dc.SetTextColor(kOutline);
  for (int32_t dy = 0; dy <= 2; ++dy) {
    for (int32_t dx = 0; dx <= 2; ++dx) {
      if (dx != 1 || dy != 1) dc.TextOut(dx, dy, text);
    }
  }
  dc.SetTextColor(color);
  dc.TextOut(1, 1, text);
}

void OutlinedText::Draw(Surface& target, const std::shared_ptr<Font>& font, ColorRef color,
                        std::string_view text, int32_t x, int32_t y, Align align) {
  if (renders_ == 0 || text != text_ || color != color_ || font.get() != font_) {
    Render(font, color, text);
  }
  if (!picture_) return;
  const int32_t left = (align == kRight ? x - width_ : align == kCentre ? x - width_ / 2 : x) - 1;
  Blit(target, Rect{left, y - 1, left + picture_->Width(), y - 1 + picture_->Height()}, *picture_,
       picture_->Bounds(), kBlitSourceKey);
}

}  // namespace zk
