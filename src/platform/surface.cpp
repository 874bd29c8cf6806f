// Memory surfaces: fills and blits with scaling, source colour key and left-right mirroring.
//
// Scaling is nearest-neighbour, as DirectDraw's stretching blit: destination pixel d of a rectangle
// `dw` wide takes source pixel src.Left + (d - dst.Left) * sw / dw (rounded down); mirrored it
// takes src.Right - 1 - that offset. The mapping always uses the whole rectangles as given, so
// clipping either rectangle never changes which source pixel lands where: destination pixels
// outside the target surface are not written, and destination pixels whose source pixel lies
// outside the source surface are left as they were.
#include "platform/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace zk {

namespace {

// 0x00BBGGRR as the game writes colours, to the surfaces' 0x00RRGGBB.
uint32_t PixelOf(ColorRef color) {
  return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

struct Span {
  int32_t Begin, End;  // destination range, End exclusive
};

// A rectangle a blit can take: not empty, each side at most what a 32-bit width holds.
bool Usable(const Rect& r) {
  const int64_t w = int64_t{r.Right} - r.Left, h = int64_t{r.Bottom} - r.Top;
  return w > 0 && h > 0 && w <= INT32_MAX && h <= INT32_MAX;
}

// The part of [lo, hi) that lies inside [0, size).
Span Clip(int32_t lo, int32_t hi, int32_t size) {
  return {std::max(lo, 0), std::min(hi, size)};
}

// Fills `map` with the source coordinate of each destination coordinate of `clip` (-1 where the
// source coordinate lies outside the source surface).
void MapAxis(std::vector<int32_t>& map, Span clip, int32_t dst_lo, int32_t dst_len, int32_t src_lo,
             int32_t src_len, int32_t src_size, bool mirror) {
  map.resize(static_cast<size_t>(clip.End - clip.Begin));
  for (int32_t d = clip.Begin; d < clip.End; ++d) {
    const uint64_t offset = static_cast<uint64_t>(static_cast<int64_t>(d) - dst_lo);
    const int64_t step = static_cast<int64_t>(offset * static_cast<uint64_t>(src_len) /
                                              static_cast<uint64_t>(dst_len));
    const int64_t s = mirror ? static_cast<int64_t>(src_lo) + src_len - 1 - step : src_lo + step;
    map[static_cast<size_t>(d - clip.Begin)] =
        (s >= 0 && s < src_size) ? static_cast<int32_t>(s) : -1;
  }
}

}  // namespace

Surface::Surface(int32_t width, int32_t height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u) {}

uint32_t Surface::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Row(y)[x];
}

bool FillRect(Surface& dst, const Rect& rect, ColorRef color) {
  if (dst.Lost() || rect.Empty()) return false;
  const Span xs = Clip(rect.Left, rect.Right, dst.Width());
  const Span ys = Clip(rect.Top, rect.Bottom, dst.Height());
  const uint32_t value = PixelOf(color);
  for (int32_t y = ys.Begin; y < ys.End; ++y) {
    uint32_t* row = dst.Row(y);
    std::fill(row + xs.Begin, row + std::max(xs.Begin, xs.End), value);
  }
  return true;
}

bool Blit(Surface& dst, const Rect& dst_rect, const Surface& src_in, const Rect& src_rect,
          uint32_t flags) {
  if (dst.Lost() || src_in.Lost()) return false;
  if (!Usable(dst_rect) || !Usable(src_rect)) return false;
  const Span xs = Clip(dst_rect.Left, dst_rect.Right, dst.Width());
  const Span ys = Clip(dst_rect.Top, dst_rect.Bottom, dst.Height());
  if (xs.Begin >= xs.End || ys.Begin >= ys.End) return true;  // nothing of it is visible

  // A blit within one surface reads from a copy, so overlapping rectangles read the old picture.
  std::unique_ptr<Surface> copy;
  const Surface* src = &src_in;
  if (src == &dst) {
    copy = std::make_unique<Surface>(src_in);
    src = copy.get();
  }

  const bool keyed = (flags & kBlitSourceKey) != 0 && src->HasColorKey();
  const uint32_t key = src->ColorKey();
  const bool mirror = (flags & kBlitMirrorLeftRight) != 0;
  const bool scaled =
      dst_rect.Width() != src_rect.Width() || dst_rect.Height() != src_rect.Height();

  if (!scaled && !mirror) {
    // Straight copy: clip against both surfaces at once.
    const int32_t dx = src_rect.Left - dst_rect.Left, dy = src_rect.Top - dst_rect.Top;
    const int32_t x0 = std::max(xs.Begin, -dx), x1 = std::min(xs.End, src->Width() - dx);
    const int32_t y0 = std::max(ys.Begin, -dy), y1 = std::min(ys.End, src->Height() - dy);
    if (x0 >= x1 || y0 >= y1) return true;
    const size_t count = static_cast<size_t>(x1 - x0);
    for (int32_t y = y0; y < y1; ++y) {
      uint32_t* out = dst.Row(y) + x0;
      const uint32_t* in = src->Row(y + dy) + (x0 + dx);
      if (!keyed) {
        std::memcpy(out, in, count * sizeof(uint32_t));
      } else {
        for (size_t i = 0; i < count; ++i) {
          if (in[i] != key) out[i] = in[i];
        }
      }
    }
    return true;
  }

  thread_local std::vector<int32_t> xmap, ymap;
  MapAxis(xmap, xs, dst_rect.Left, dst_rect.Width(), src_rect.Left, src_rect.Width(), src->Width(),
          mirror);
  MapAxis(ymap, ys, dst_rect.Top, dst_rect.Height(), src_rect.Top, src_rect.Height(), src->Height(),
          false);
  const size_t count = xmap.size();
  for (int32_t y = ys.Begin; y < ys.End; ++y) {
    const int32_t sy = ymap[static_cast<size_t>(y - ys.Begin)];
    if (sy < 0) continue;
    uint32_t* out = dst.Row(y) + xs.Begin;
    const uint32_t* in = src->Row(sy);
    for (size_t i = 0; i < count; ++i) {
      const int32_t sx = xmap[i];
      if (sx < 0) continue;
      const uint32_t v = in[sx];
      if (!keyed || v != key) out[i] = v;
    }
  }
  return true;
}

uint32_t ColorMatch(const Surface* surface, ColorRef color) {
  if (surface == nullptr || surface->Lost()) return 0xFFFFFFFFu;
  return PixelOf(color & 0xFFFFFFu);
}

}  // namespace zk
