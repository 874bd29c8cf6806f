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
// 800 shrunk to 799) is copied straight from the source row, a mirrored one backwards, other
// rows are gathered column by column; the key test is done four pixels at a time. Small scaled
// or mirrored cells (shots, smoke, blasts, gauges) are kept scaled, so they draw as straight
// copies.
#include "platform/surface.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>
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
  // Coordinates off the source are stored as -1 or src_size.
  auto store = [&](size_t i, int64_t s) {
    map[i] = static_cast<int32_t>(std::clamp<int64_t>(s, -1, src_size));
  };
  if (whole == 1 && part == 0) {  // unscaled: one source pixel per pixel
    const int64_t first = base + sign * static_cast<int64_t>(step);
    for (size_t i = 0; i < map.size(); ++i) store(i, first + sign * static_cast<int64_t>(i));
  } else {
    for (size_t i = 0; i < map.size(); ++i) {
      store(i, base + sign * static_cast<int64_t>(step));
      step += whole;
      rem += part;
      if (rem >= out_len) {
        rem -= out_len;
        ++step;
      }
    }
  }
  auto off = [&](size_t i) { return map[i] < 0 || map[i] >= src_size; };
  Run run{0, map.size()};
  while (run.Begin < run.End && off(run.Begin)) ++run.Begin;
  while (run.End > run.Begin && off(run.End - 1)) --run.End;
  if (run.Begin >= run.End) return {};
  return run;
}

// Scaled or mirrored copies of small source rectangles, kept by each thread for the blits that
// draw them again and again (shots, smoke, blasts): drawing one is then a straight copy. Found
// by the source picture's stamp, so a changed or another picture never finds an old copy.
constexpr int64_t kCellPixels = 64 * 64;  // cells of up to this many destination pixels are kept
constexpr size_t kStorePixels = 1 << 20;  // the store starts afresh when it would hold more

struct CellKey {
  uint64_t Stamp;
  Rect Source;
  int32_t Width, Height;
  bool Mirror;
  bool operator==(const CellKey& o) const {
    return Stamp == o.Stamp && Source.Left == o.Source.Left && Source.Top == o.Source.Top &&
           Source.Right == o.Source.Right && Source.Bottom == o.Source.Bottom && Width == o.Width &&
           Height == o.Height && Mirror == o.Mirror;
  }
};

struct CellKeyHash {
  size_t operator()(const CellKey& k) const {
    uint64_t h = k.Stamp * 0x9E3779B97F4A7C15ull;
    for (int32_t v : {k.Source.Left, k.Source.Top, k.Source.Right, k.Source.Bottom, k.Width,
                      k.Height, static_cast<int32_t>(k.Mirror)}) {
      h = (h ^ static_cast<uint32_t>(v)) * 0x100000001B3ull;
    }
    return static_cast<size_t>(h ^ (h >> 29));
  }
};

// The cell of `r` (wholly on `src`) drawn `w` x `h` by the blit's rule.
const std::vector<uint32_t>& ScaledCell(const Surface& src, const Rect& r, int32_t w, int32_t h,
                                        bool mirror) {
  thread_local std::unordered_map<CellKey, std::vector<uint32_t>, CellKeyHash> cells;
  thread_local size_t held = 0;
  const CellKey key{src.Stamp(), r, w, h, mirror};
  if (auto it = cells.find(key); it != cells.end()) return it->second;
  std::vector<uint32_t> cell(static_cast<size_t>(w) * static_cast<size_t>(h));
  if (held + cell.size() > kStorePixels) {
    cells.clear();
    held = 0;
  }
  held += cell.size();
  for (int32_t y = 0; y < h; ++y) {
    const uint32_t* in = src.Row(r.Top + static_cast<int32_t>(int64_t{y} * r.Height() / h));
    for (int32_t x = 0; x < w; ++x) {
      const auto step = static_cast<int32_t>(int64_t{x} * r.Width() / w);
      cell[static_cast<size_t>(y) * w + x] = in[mirror ? r.Right - 1 - step : r.Left + step];
    }
  }
  return cells.emplace(key, std::move(cell)).first->second;
}

}  // namespace

uint64_t Surface::Stamp() const {
  static std::atomic<uint64_t> next{0};
  if (stamp_.Value == 0) stamp_.Value = next.fetch_add(1, std::memory_order_relaxed) + 1;
  return stamp_.Value;
}

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

  const bool mirror = (flags & kBlitMirrorLeftRight) != 0;
  const bool keyed = (flags & kBlitSourceKey) != 0 && src_in.HasColorKey();
  const uint32_t key = src_in.ColorKey();
  const bool scaled =
      dst_rect.Width() != src_rect.Width() || dst_rect.Height() != src_rect.Height();
  if ((scaled || mirror) && &src_in != &dst &&
      int64_t{dst_rect.Width()} * dst_rect.Height() <= kCellPixels && src_rect.Left >= 0 &&
      src_rect.Top >= 0 && src_rect.Right <= src_in.Width() && src_rect.Bottom <= src_in.Height()) {
    // A small cell: drawn from its kept scaled copy.
    const std::vector<uint32_t>& cell =
        ScaledCell(src_in, src_rect, dst_rect.Width(), dst_rect.Height(), mirror);
    const auto count = static_cast<size_t>(x1 - x0);
    for (int32_t y = y0; y < y1; ++y) {
      const uint32_t* in = cell.data() + static_cast<size_t>(y - dst_rect.Top) * dst_rect.Width() +
                           (x0 - dst_rect.Left);
      if (keyed) {
        rows::CopyKeyed(dst.Row(y) + x0, in, count, key);
      } else {
        std::memcpy(dst.Row(y) + x0, in, count * sizeof(uint32_t));
      }
    }
    return true;
  }

  // The source columns and rows of the visible part; a run of consecutive columns is read
  // straight from the source row.
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
  const bool straight =
      !mirror && static_cast<size_t>(columns[count - 1] - columns[0]) == count - 1;
  const bool reversed = mirror && static_cast<size_t>(columns[0] - columns[count - 1]) == count - 1;

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
    } else if (reversed) {
      in += columns[count - 1];
      if (keyed) {
        rows::CopyKeyedReversed(out, in, count, key);
      } else {
        std::reverse_copy(in, in + count, out);
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
