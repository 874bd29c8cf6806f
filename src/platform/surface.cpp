// Memory surfaces: fills and blits with scaling, source colour key and left-right mirroring.
//
// Scaling is nearest-neighbour, as DirectDraw's stretching blit: destination pixel d of a rectangle
// `dw` wide takes source pixel src.Left + (d - dst.Left) * sw / dw (rounded down); mirrored it
// takes src.Right - 1 - that offset. The mapping always uses the whole rectangles as given, so
// clipping either rectangle never changes which source pixel lands where: destination pixels
// outside the target surface are not written, and destination pixels whose source pixel lies
// outside the source surface are left as they were.
//
// The mapping is monotonic, so the pixels that have a source form one run on each axis. A row
// whose source pixels follow each other one by one (an unscaled row, or the first 799 columns of
// 800 shrunk to 799) is copied straight from the source row, other rows are gathered column by
// column; the key test is done four pixels at a time.
#include "platform/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/pixel_rows.h"

namespace zk {

namespace {

// 0x00BBGGRR as the game writes colours, to the surfaces' 0x00RRGGBB.
uint32_t PixelOf(ColorRef color) {
  return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

// A rectangle a blit can take: not empty, each side at most what a 32-bit width holds.
bool Usable(const Rect& r) {
  const int64_t w = int64_t{r.Right} - r.Left, h = int64_t{r.Bottom} - r.Top;
  return w > 0 && h > 0 && w <= INT32_MAX && h <= INT32_MAX;
}

// The part of an axis's source coordinates that lies on the source: [Begin, End) of the map.
struct Run {
  size_t Begin = 0, End = 0;
};

// Fills `map` with the source coordinate of each destination coordinate in [lo, hi) (a part of
// the destination rectangle starting at `dst_lo`), walking the mapping without a division per
// pixel, and gives the run of those that lie in [0, src_size). The mapping is monotonic, so the
// coordinates that lie on the source are one run.
Run MapAxis(std::vector<int32_t>& map, int32_t lo, int32_t hi, int32_t dst_lo, int32_t dst_len,
            int32_t src_lo, int32_t src_len, int32_t src_size, bool mirror) {
  map.resize(static_cast<size_t>(hi - lo));
  const uint64_t offset = static_cast<uint64_t>(int64_t{lo} - dst_lo);
  const auto len = static_cast<uint64_t>(src_len), out_len = static_cast<uint64_t>(dst_len);
  const uint64_t whole = len == out_len ? 1 : len / out_len,
                 part = len == out_len ? 0 : len % out_len;
  uint64_t step = offset == 0 ? 0 : offset * len / out_len;
  uint64_t rem = offset == 0 ? 0 : offset * len % out_len;
  const int64_t base = mirror ? int64_t{src_lo} + src_len - 1 : src_lo;
  const int64_t sign = mirror ? -1 : 1;
  Run run{map.size(), 0};
  for (size_t i = 0; i < map.size(); ++i) {
    const int64_t s = base + sign * static_cast<int64_t>(step);
    const bool inside = s >= 0 && s < src_size;
    map[i] = inside ? static_cast<int32_t>(s) : 0;
    if (inside) {
      run.Begin = std::min(run.Begin, i);
      run.End = i + 1;
    }
    step += whole;
    rem += part;
    if (rem >= out_len) {
      rem -= out_len;
      ++step;
    }
  }
  if (run.Begin >= run.End) return {};
  return run;
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
  const int32_t x0 = std::max(rect.Left, 0), x1 = std::min(rect.Right, dst.Width());
  const int32_t y0 = std::max(rect.Top, 0), y1 = std::min(rect.Bottom, dst.Height());
  if (x0 >= x1) return true;
  const uint32_t value = PixelOf(color);
  for (int32_t y = y0; y < y1; ++y)
    rows::Fill(dst.Row(y) + x0, static_cast<size_t>(x1 - x0), value);
  return true;
}

bool Blit(Surface& dst, const Rect& dst_rect, const Surface& src_in, const Rect& src_rect,
          uint32_t flags) {
  if (dst.Lost() || src_in.Lost()) return false;
  if (!Usable(dst_rect) || !Usable(src_rect)) return false;
  const int32_t x0 = std::max(dst_rect.Left, 0), x1 = std::min(dst_rect.Right, dst.Width());
  const int32_t y0 = std::max(dst_rect.Top, 0), y1 = std::min(dst_rect.Bottom, dst.Height());
  if (x0 >= x1 || y0 >= y1) return true;  // nothing of it lands on the target

  // The source columns and rows of the visible part; a run of consecutive columns is read
  // straight from the source row.
  const bool mirror = (flags & kBlitMirrorLeftRight) != 0;
  thread_local std::vector<int32_t> column_map, row_map;
  const Run xs = MapAxis(column_map, x0, x1, dst_rect.Left, dst_rect.Width(), src_rect.Left,
                         src_rect.Width(), src_in.Width(), mirror);
  const Run ys = MapAxis(row_map, y0, y1, dst_rect.Top, dst_rect.Height(), src_rect.Top,
                         src_rect.Height(), src_in.Height(), false);
  if (xs.Begin >= xs.End || ys.Begin >= ys.End) return true;  // nothing of the source lands
  const int32_t* columns = column_map.data() + xs.Begin;
  const size_t count = xs.End - xs.Begin;

  // A blit within one surface reads from a copy, so overlapping rectangles read the old picture.
  std::unique_ptr<Surface> copy;
  const Surface* src = &src_in;
  if (src == &dst) {
    copy = std::make_unique<Surface>(src_in);
    src = copy.get();
  }
  const bool keyed = (flags & kBlitSourceKey) != 0 && src->HasColorKey();
  const uint32_t key = src->ColorKey();
  const bool straight =
      !mirror && static_cast<size_t>(columns[count - 1] - columns[0]) == count - 1;

  for (size_t r = ys.Begin; r < ys.End; ++r) {
    const uint32_t* in = src->Row(row_map[r]);
    uint32_t* out = dst.Row(y0 + static_cast<int32_t>(r)) + x0 + xs.Begin;
    if (straight) {
      in += columns[0];
      if (keyed) {
        rows::CopyKeyed(out, in, count, key);
      } else {
        std::memcpy(out, in, count * sizeof(uint32_t));
      }
    } else if (keyed) {
      rows::GatherKeyed(out, in, columns, count, key);
    } else {
      rows::Gather(out, in, columns, count);
    }
  }
  return true;
}

uint32_t ColorMatch(const Surface* surface, ColorRef color) {
  if (surface == nullptr || surface->Lost()) return 0xFFFFFFFFu;
  return PixelOf(color & 0xFFFFFFu);
}

}  // namespace zk
