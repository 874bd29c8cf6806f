#include "image.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zk::assetgen {

Image::Image(int32_t width, int32_t height, uint8_t fill)
    : width_(width),
      height_(height),
      clip_{0, 0, width, height},
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

void Image::SetClip(const RectI& clip) {
  clip_ = {std::max(0, clip.Left), std::max(0, clip.Top), std::min(width_, clip.Right),
           std::min(height_, clip.Bottom)};
}

void Image::ResetClip() {
  clip_ = {0, 0, width_, height_};
}

void Image::SetIndex(int32_t x, int32_t y, uint8_t index) {
  if (Inside(x, y)) pixels_[Offset(x, y)] = index;
}

void Image::SetDithered(int32_t x, int32_t y, Rgb8 c) {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const int d = (kBayer[y & 3][x & 3] - 8) * 3;
  auto adj = [d](uint8_t v) { return static_cast<uint8_t>(std::clamp(int{v} + d, 0, 255)); };
  Set(x, y, {adj(c.R), adj(c.G), adj(c.B)});
}

void Image::FillRectIndex(const RectI& r, uint8_t index) {
  const int32_t x0 = std::max(r.Left, clip_.Left), x1 = std::min(r.Right, clip_.Right);
  const int32_t y0 = std::max(r.Top, clip_.Top), y1 = std::min(r.Bottom, clip_.Bottom);
  for (int32_t y = y0; y < y1; ++y)
    for (int32_t x = x0; x < x1; ++x) pixels_[Offset(x, y)] = index;
}

void Image::FillRect(const RectI& r, Rgb8 c) {
  FillRectIndex(r, NearestIndex(c));
}

void Image::FrameRect(const RectI& r, int32_t t, Rgb8 c) {
  FillRect({r.Left, r.Top, r.Right, r.Top + t}, c);
  FillRect({r.Left, r.Bottom - t, r.Right, r.Bottom}, c);
  FillRect({r.Left, r.Top, r.Left + t, r.Bottom}, c);
  FillRect({r.Right - t, r.Top, r.Right, r.Bottom}, c);
}

void Image::FillPolygon(const std::vector<PointF>& pts, Rgb8 c) {
  if (pts.size() < 3) return;
  const uint8_t index = NearestIndex(c);
  double minY = pts[0].Y, maxY = pts[0].Y;
  for (const PointF& p : pts) {
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  const int32_t y0 = std::max(clip_.Top, static_cast<int32_t>(std::floor(minY)));
  const int32_t y1 = std::min(clip_.Bottom - 1, static_cast<int32_t>(std::ceil(maxY)));
  std::vector<double> xs;
  for (int32_t y = y0; y <= y1; ++y) {
    const double sy = y + 0.5;
    xs.clear();
    for (size_t i = 0; i < pts.size(); ++i) {
      const PointF& a = pts[i];
      const PointF& b = pts[(i + 1) % pts.size()];
      if ((a.Y <= sy && b.Y > sy) || (b.Y <= sy && a.Y > sy))
        xs.push_back(a.X + (sy - a.Y) * (b.X - a.X) / (b.Y - a.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int32_t xa = std::max(clip_.Left, static_cast<int32_t>(std::ceil(xs[i] - 0.5)));
      const int32_t xb =
          std::min(clip_.Right - 1, static_cast<int32_t>(std::ceil(xs[i + 1] - 0.5)) - 1);
      for (int32_t x = xa; x <= xb; ++x) pixels_[Offset(x, y)] = index;
    }
  }
}

void Image::FillEllipse(double cx, double cy, double rx, double ry, Rgb8 c) {
  std::vector<PointF> pts;
  const int n = std::clamp(static_cast<int>((rx + ry) * 1.5), 12, 160);
  for (int i = 0; i < n; ++i) {
    const double a = 2.0 * std::numbers::pi * i / n;
    pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  FillPolygon(pts, c);
}

void Image::Line(double x0, double y0, double x1, double y1, double t, Rgb8 c) {
  const double dx = x1 - x0, dy = y1 - y0;
  const double len = std::hypot(dx, dy);
  if (len < 1e-9) {
    FillEllipse(x0, y0, t / 2, t / 2, c);
    return;
  }
  const double nx = -dy / len * t / 2, ny = dx / len * t / 2;
  FillPolygon({{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}}, c);
}

Rgb8 Mix(Rgb8 a, Rgb8 b, double t) {
  auto m = [t](uint8_t u, uint8_t v) {
    return static_cast<uint8_t>(std::clamp(std::lround(u + (v - u) * t), 0L, 255L));
  };
  return {m(a.R, b.R), m(a.G, b.G), m(a.B, b.B)};
}

Rgb8 Scale(Rgb8 a, double f) {
  auto s = [f](uint8_t u) {
    return static_cast<uint8_t>(std::clamp(std::lround(u * f), 0L, 255L));
  };
  return {s(a.R), s(a.G), s(a.B)};
}

}  // namespace zk::assetgen
