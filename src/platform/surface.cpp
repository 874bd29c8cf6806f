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
// 800 shrunk to 799) is copied straight from the source row; other rows are first gathered into a
// line, once per source row. Rows are then written with the key test done four pixels at a time.
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

// One axis of a blit: the destination run [Begin, End) whose pixels lie on the target and take a
// source pixel that lies on the source.
struct AxisRun {
  int32_t Begin = 0, End = 0;
  bool Empty() const { return Begin >= End; }
};

// The axis mapping: destination `dst_lo` + offset takes source `src_lo` + offset * src_len /
// dst_len (mirrored: from the far end), walked one destination pixel at a time without division.
class AxisMap {
 public:
  AxisMap(int32_t dst_lo, int32_t dst_len, int32_t src_lo, int32_t src_len, bool mirror)
      : dst_lo_(dst_lo),
        dst_len_(static_cast<uint64_t>(dst_len)),
        src_lo_(src_lo),
        src_len_(src_len),
        mirror_(mirror) {}

  // The source coordinate of destination coordinate d (d at or after dst_lo).
  int64_t At(int64_t d) const {
    const uint64_t step = static_cast<uint64_t>(d - dst_lo_) * static_cast<uint64_t>(src_len_) /
                          dst_len_;
    return Source(step);
  }
  int64_t Source(uint64_t step) const {
    return mirror_ ? int64_t{src_lo_} + src_len_ - 1 - static_cast<int64_t>(step)
                   : int64_t{src_lo_} + static_cast<int64_t>(step);
  }

  // The part of [lo, hi) (within the destination rectangle) whose source lies in [0, size). The
  // mapping is monotonic, so that part is one run: usually all of it, else found by bisection.
  AxisRun Valid(int32_t lo, int32_t hi, int32_t src_size) const {
    if (lo >= hi) return {};
    auto inside = [&](int64_t d) {
      const int64_t s = At(d);
      return s >= 0 && s < src_size;
    };
    if (inside(lo) && inside(hi - 1)) return {lo, hi};
    // In walking order the source runs toward and then past the valid range.
    auto before = [&](int64_t d) { return mirror_ ? At(d) >= src_size : At(d) < 0; };
    auto past = [&](int64_t d) { return mirror_ ? At(d) < 0 : At(d) >= src_size; };
    const int32_t first = Bisect(lo, hi, before);
    const int32_t end = Bisect(first, hi, [&](int64_t d) { return !past(d); });
    return {first, end};
  }

  // Writes the source coordinates of destination run `run` into `out`.
  void Fill(AxisRun run, int32_t* out) const {
    uint64_t offset = static_cast<uint64_t>(int64_t{run.Begin} - dst_lo_);
    const uint64_t len = static_cast<uint64_t>(src_len_);
    uint64_t step = offset * len / dst_len_;
    uint64_t rem = offset * len % dst_len_;
    const uint64_t whole = len / dst_len_, part = len % dst_len_;
    for (int32_t d = run.Begin; d < run.End; ++d) {
      *out++ = static_cast<int32_t>(Source(step));
      step += whole;
      rem += part;
      if (rem >= dst_len_) {
        rem -= dst_len_;
        ++step;
      }
    }
  }

 private:
  int32_t dst_lo_;
  uint64_t dst_len_;
  int32_t src_lo_, src_len_;
  bool mirror_;

  // The first d in [lo, hi) for which `holds` is false, where it holds on a leading part only.
  template <typename Pred>
  static int32_t Bisect(int32_t lo, int32_t hi, Pred holds) {
    while (lo < hi) {
      const int32_t mid = lo + (hi - lo) / 2;
      if (holds(mid)) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
    return lo;
  }
};

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
  for (int32_t y = y0; y < y1; ++y) rows::Fill(dst.Row(y) + x0, static_cast<size_t>(x1 - x0), value);
  return true;
}

bool Blit(Surface& dst, const Rect& dst_rect, const Surface& src_in, const Rect& src_rect,
          uint32_t flags) {
  if (dst.Lost() || src_in.Lost()) return false;
  if (!Usable(dst_rect) || !Usable(src_rect)) return false;
  const bool mirror = (flags & kBlitMirrorLeftRight) != 0;
  const AxisMap xmap(dst_rect.Left, dst_rect.Width(), src_rect.Left, src_rect.Width(), mirror);
  const AxisMap ymap(dst_rect.Top, dst_rect.Height(), src_rect.Top, src_rect.Height(), false);
  const AxisRun xs = xmap.Valid(std::max(dst_rect.Left, 0), std::min(dst_rect.Right, dst.Width()),
                                src_in.Width());
  const AxisRun ys = ymap.Valid(std::max(dst_rect.Top, 0),
                                std::min(dst_rect.Bottom, dst.Height()), src_in.Height());
  if (xs.Empty() || ys.Empty()) return true;  // nothing of it lands

  // A blit within one surface reads from a copy, so overlapping rectangles read the old picture.
  std::unique_ptr<Surface> copy;
  const Surface* src = &src_in;
  if (src == &dst) {
    copy = std::make_unique<Surface>(src_in);
    src = copy.get();
  }
  const bool keyed = (flags & kBlitSourceKey) != 0 && src->HasColorKey();
  const uint32_t key = src->ColorKey();
  const size_t count = static_cast<size_t>(xs.End - xs.Begin);

  // The source columns; a run of consecutive columns is read straight from the source row.
  thread_local std::vector<int32_t> columns, rows;
  thread_local std::vector<uint32_t> line;
  columns.resize(count);
  xmap.Fill(xs, columns.data());
  rows.resize(static_cast<size_t>(ys.End - ys.Begin));
  ymap.Fill(ys, rows.data());
  const bool straight = !mirror && static_cast<size_t>(columns.back() - columns.front()) == count - 1;
  if (!straight) line.resize(count);

  int32_t gathered = -1;  // the source row now in `line`
  for (int32_t y = ys.Begin; y < ys.End; ++y) {
    const int32_t row = rows[static_cast<size_t>(y - ys.Begin)];
    const uint32_t* in;
    if (straight) {
      in = src->Row(row) + columns.front();
    } else {
      if (row != gathered) {
        rows::Gather(line.data(), src->Row(row), columns.data(), count);
        gathered = row;
      }
      in = line.data();
    }
    uint32_t* out = dst.Row(y) + xs.Begin;
    if (keyed) {
      rows::CopyKeyed(out, in, count, key);
    } else {
      std::memcpy(out, in, count * sizeof(uint32_t));
    }
  }
  return true;
}

uint32_t ColorMatch(const Surface* surface, ColorRef color) {
  if (surface == nullptr || surface->Lost()) return 0xFFFFFFFFu;
  return PixelOf(color & 0xFFFFFFu);
}

}  // namespace zk
