// An 8-bit indexed picture on the game palette, with the few drawing tools the pack needs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "palette.h"

namespace zk::assetgen {

struct PointF {
  double X = 0, Y = 0;
};

// Right and bottom edges exclusive.
struct RectI {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
};

class Image {
 public:
  Image(int32_t width, int32_t height, uint8_t fill);
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  uint8_t At(int32_t x, int32_t y) const { return pixels_[Offset(x, y)]; }
  const std::vector<uint8_t>& Pixels() const { return pixels_; }

  // Drawing stays inside the clip rectangle (the whole picture by default).
  void SetClip(const RectI& clip);
  void ResetClip();

  void SetIndex(int32_t x, int32_t y, uint8_t index);
  void Set(int32_t x, int32_t y, Rgb8 c) { SetIndex(x, y, NearestIndex(c)); }
  // Ordered dithering between palette colours, for gradients.
  void SetDithered(int32_t x, int32_t y, Rgb8 c);
  void FillRect(const RectI& r, Rgb8 c);
  void FillRectIndex(const RectI& r, uint8_t index);
  void FrameRect(const RectI& r, int32_t thickness, Rgb8 c);
  void FillPolygon(const std::vector<PointF>& points, Rgb8 c);
  void FillEllipse(double cx, double cy, double rx, double ry, Rgb8 c);
  void Line(double x0, double y0, double x1, double y1, double thickness, Rgb8 c);

 private:
  size_t Offset(int32_t x, int32_t y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }
  bool Inside(int32_t x, int32_t y) const {
    return x >= clip_.Left && x < clip_.Right && y >= clip_.Top && y < clip_.Bottom;
  }
  int32_t width_, height_;
  RectI clip_;
  std::vector<uint8_t> pixels_;
};

// Colour helpers.
Rgb8 Mix(Rgb8 a, Rgb8 b, double t);
Rgb8 Scale(Rgb8 a, double f);

}  // namespace zk::assetgen
