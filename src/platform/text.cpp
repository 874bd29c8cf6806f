// Text, pens and solid fills on a surface's drawing context; glyphs by SDL_ttf.
//
// A font's height is its cell height (ascent plus descent) when positive and its character (em)
// height when negative; its width is the average character width, and the glyphs are stretched
// horizontally to reach it. Glyphs are drawn without smoothing, in the exact text colour, and only
// their ink is drawn: the background stays as it was. When no font file can be found the text is
// simply not drawn.
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/font_files.h"
#include "platform/pixel_rows.h"
#include "platform/surface.h"
#include "platform/text_render.h"

namespace zk {

namespace {

bool TtfReady() {
  static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
  return ready;
}

// The classic weighting of lower-case letters and space for a font's average character width
// (per thousand).
struct LetterWeight {
  char Letter;
  int Weight;
};
constexpr LetterWeight kAverageWeights[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
};

constexpr int kMeasureSize = 100;
// The rendered texts a font keeps: it starts afresh when it would hold more texts or pixels.
constexpr size_t kCacheLimit = 512;
constexpr size_t kCachePixels = 1 << 20;
// Lines of more points than this are clipped to the surface before they are walked.
constexpr int64_t kLongLine = 16384;

unsigned ClampDpi(double dpi) {
  return static_cast<unsigned>(std::clamp(std::lround(dpi), 8L, 4000L));
}

// Decodes UTF-8 loosely; bytes that do not form a character read as U+FFFD.
std::vector<uint32_t> CodePoints(std::string_view s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + static_cast<size_t>(extra) >= s.size())) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    uint32_t cp = extra == 0 ? c : (c & (0x3Fu >> extra));
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto n = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((n & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (n & 0x3Fu);
    }
    out.push_back(ok ? cp : 0xFFFD);
    i += ok ? static_cast<size_t>(extra) + 1 : 1;
  }
  return out;
}

}  // namespace

// Hashes texts by their characters, so that a cache keyed by strings can be searched with views.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// The ink of a rendered text: one word per pixel, all ones where the glyphs are and zero
// elsewhere, so a row is drawn with one masked copy.
struct TextMask {
  int32_t Width = 0, Height = 0;
  std::vector<uint32_t> Ink;
};

class Font {
 public:
  explicit Font(const FontSpec& request) : spec_(request) { Open(); }
  ~Font() {
    if (main_ != nullptr) TTF_CloseFont(main_);
    if (japanese_ != nullptr) TTF_CloseFont(japanese_);
  }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // The text's ink; nullptr when it cannot be drawn (no font, empty text).
  const TextMask* Render(std::string_view text) {
    if (main_ == nullptr || text.empty()) return nullptr;
    // Looked up by the text itself: a text drawn every frame costs no copy once it is cached.
    if (auto it = cache_.find(text); it != cache_.end()) return &it->second;
    std::string key(text);
    TTF_Font* font = FontFor(text);
    if (font == nullptr) return nullptr;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Solid(font, key.c_str(), white);
    if (s == nullptr) return nullptr;
    TextMask mask;
    if (s->format->BytesPerPixel == 1 && SDL_LockSurface(s) == 0) {
      mask.Width = s->w;
      mask.Height = s->h;
      mask.Ink.resize(static_cast<size_t>(s->w) * static_cast<size_t>(s->h));
      for (int y = 0; y < s->h; ++y) {
        const auto* row =
            static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
        std::transform(row, row + s->w, mask.Ink.begin() + static_cast<ptrdiff_t>(y) * s->w,
                       [](uint8_t ink) { return ink != 0 ? 0xFFFFFFFFu : 0u; });
      }
      SDL_UnlockSurface(s);
    }
    SDL_FreeSurface(s);
    if (cache_.size() >= kCacheLimit || cached_pixels_ + mask.Ink.size() > kCachePixels) {
      cache_.clear();
      cached_pixels_ = 0;
    }
    cached_pixels_ += mask.Ink.size();
    return &cache_.emplace(std::move(key), std::move(mask)).first->second;
  }

 private:
  void Open() {
    if (!TtfReady()) return;
    file_ = FindFontFile(RoleOfFace(spec_.Face, spec_.Weight));
    if (file_.Path.empty()) file_ = FindFontFile(FontRole::Sans);
    if (file_.Path.empty()) return;
    TTF_Font* probe = TTF_OpenFontIndexDPI(file_.Path.c_str(), kMeasureSize, file_.Index, 72, 72);
    if (probe == nullptr) return;
    const double cell = TTF_FontHeight(probe);
    double average = 0;
    for (const LetterWeight& lw : kAverageWeights) {
      int minx, maxx, miny, maxy, advance = 0;
      if (TTF_GlyphMetrics32(probe, static_cast<uint8_t>(lw.Letter), &minx, &maxx, &miny, &maxy,
                             &advance) == 0) {
        average += static_cast<double>(advance) * lw.Weight / 1000.0;
      }
    }
    TTF_CloseFont(probe);
    if (cell <= 0 || average <= 0) return;

    // Vertical size: a cell height scales the font so ascent plus descent fill it.
    int32_t height = spec_.Height;
    double vdpi = 72;
    if (height > 0) {
      size_ = height;
      vdpi = 72.0 * kMeasureSize / cell;
    } else {
      size_ = height < 0 ? -height : 12;
    }
    // Horizontal size: stretch so the average character is as wide as asked.
    double hdpi = vdpi;
    if (spec_.Width > 0) {
      hdpi = 72.0 * kMeasureSize * spec_.Width / (average * size_);
    }
    hdpi_ = ClampDpi(hdpi);
    vdpi_ = ClampDpi(vdpi);
    main_ = TTF_OpenFontIndexDPI(file_.Path.c_str(), size_, file_.Index, hdpi_, vdpi_);
    if (main_ != nullptr) TTF_SetFontHinting(main_, TTF_HINTING_MONO);
  }

  // The main font, or the Japanese one when the main font lacks a character of the text.
  TTF_Font* FontFor(std::string_view text) {
    bool missing = false;
    for (uint32_t cp : CodePoints(text)) {
      if (cp != 0xFFFD && !TTF_GlyphIsProvided32(main_, cp)) {
        missing = true;
        break;
      }
    }
    if (!missing) return main_;
    if (japanese_ == nullptr && !japanese_tried_) {
      japanese_tried_ = true;
      const FontFile jp = FindFontFile(FontRole::Japanese);
      if (!jp.Path.empty()) {
        japanese_ = TTF_OpenFontIndexDPI(jp.Path.c_str(), size_, jp.Index, hdpi_, vdpi_);
        if (japanese_ != nullptr) TTF_SetFontHinting(japanese_, TTF_HINTING_MONO);
      }
    }
    return japanese_ != nullptr ? japanese_ : main_;
  }

  FontSpec spec_;
  FontFile file_;
  TTF_Font* main_ = nullptr;
  TTF_Font* japanese_ = nullptr;
  bool japanese_tried_ = false;
  int size_ = 12;
  unsigned hdpi_ = 72, vdpi_ = 72;
  std::unordered_map<std::string, TextMask, TextHash, std::equal_to<>> cache_;
  size_t cached_pixels_ = 0;
};

std::shared_ptr<Font> CreateFont(const FontSpec& request) {
  return std::make_shared<Font>(request);
}

void DrawContext::TextOut(int32_t x, int32_t y, std::string_view text) {
  if (target_.Lost() || font_ == nullptr) return;
  const TextMask* mask = font_->Render(text);
  if (mask == nullptr) return;
  const uint32_t ink = ColorMatch(&target_, text_color_);
  const int32_t y0 = std::max(y, 0), y1 = std::min(y + mask->Height, target_.Height());
  const int32_t x0 = std::max(x, 0), x1 = std::min(x + mask->Width, target_.Width());
  if (x0 >= x1) return;
  for (int32_t py = y0; py < y1; ++py) {
    const uint32_t* in = mask->Ink.data() + static_cast<size_t>(py - y) * mask->Width + (x0 - x);
    rows::FillMasked(target_.Row(py) + x0, in, static_cast<size_t>(x1 - x0), ink);
  }
}

void DrawContext::FillSolid(const Rect& rect, ColorRef color) {
  FillRect(target_, rect, color);
}

namespace {

// Sets the pixels of [left, right) x [top, bottom) that lie on the surface.
void FillPixels(Surface& s, int64_t left, int64_t top, int64_t right, int64_t bottom,
                uint32_t value) {
  const int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(right, s.Width());
  const int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min<int64_t>(bottom, s.Height());
  if (x0 >= x1) return;
  for (int64_t y = y0; y < y1; ++y) {
    rows::Fill(s.Row(static_cast<int32_t>(y)) + x0, static_cast<size_t>(x1 - x0), value);
  }
}

// Walks the points of the line from (x0, y0) to (x1, y1) from its step `from` to its step `to`
// (step k lies k pixels along the longer axis; the start point is step 0, the end point the
// line's length), the point of step `to` drawn only when `last` is set. Each point is a square
// dot of the pen's width about it; after the first, only the column and the row a step adds to
// the square are set, which draws the same pixels.
void Walk(Surface& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t from, int64_t to,
          bool last, const Pen& pen, uint32_t value) {
  const int64_t w = std::max(pen.Width, 1), half = w / 2;
  const int64_t dx = std::llabs(x1 - x0);
  const int64_t dy = -std::llabs(y1 - y0);
  const int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  // Step k's offsets along the axes: k along the longer, the shorter's nearest (halves up); the
  // error term there is dx (1 + offset y) + dy (1 + offset x). The products need 128 bits.
  using Wide = __int128;
  const int64_t major = std::max(dx, -dy), minor = std::min(dx, -dy);
  const auto minor_at =
      static_cast<int64_t>(major == 0 ? 0 : (Wide{2} * from * minor + major) / (Wide{2} * major));
  const int64_t off_x = dx >= -dy ? from : minor_at, off_y = dx >= -dy ? minor_at : from;
  int64_t err = static_cast<int64_t>(Wide{dx} * (1 + off_y) + Wide{dy} * (1 + off_x));
  int64_t x = x0 + sx * off_x, y = y0 + sy * off_y;
  bool moved_x = false, moved_y = false, first = true;
  for (int64_t step = from;; ++step) {
    const bool end = step == to;
    if (end && !last) break;
    const int64_t left = x - half, top = y - half;
    if (first) {
      FillPixels(s, left, top, left + w, top + w, value);
    } else {
      if (moved_x) {
        const int64_t column = sx > 0 ? left + w - 1 : left;
        FillPixels(s, column, top, column + 1, top + w, value);
      }
      if (moved_y) {
        const int64_t row = sy > 0 ? top + w - 1 : top;
        FillPixels(s, left, row, left + w, row + 1, value);
      }
    }
    first = false;
    if (end) break;
    const int64_t e2 = 2 * err;
    moved_x = e2 >= dy;
    moved_y = e2 <= dx;
    if (moved_x) {
      err += dy;
      x += sx;
    }
    if (moved_y) {
      err += dx;
      y += sy;
    }
  }
}

// A line as the pen draws it. A line longer than the surface could ever show is walked only over
// the steps that lie over the surface (widened by the pen), with the error the whole walk has
// there, so a far-reaching line sets the pixels of its whole walk without walking billions of
// points.
void Line(Surface& s, int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool last, const Pen& pen) {
  const uint32_t value = ColorMatch(&s, pen.Color);
  const int64_t steps = std::max(std::llabs(static_cast<int64_t>(x1) - x0),
                                 std::llabs(static_cast<int64_t>(y1) - y0));
  if (steps <= kLongLine) return Walk(s, x0, y0, x1, y1, 0, steps, last, pen, value);
  // Liang-Barsky clipping of the segment to the widened surface.
  const double margin = std::min(std::max(pen.Width, 1), 4096) + 1.0;
  const double fx = static_cast<double>(x1) - x0, fy = static_cast<double>(y1) - y0;
  double t0 = 0, t1 = 1;
  auto clip = [&](double p, double q) {  // keeps the part where p * t <= q
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    return t0 <= t1;
  };
  if (!clip(-fx, x0 + margin) || !clip(fx, s.Width() - 1 + margin - x0) ||
      !clip(-fy, y0 + margin) || !clip(fy, s.Height() - 1 + margin - y0)) {
    return;
  }
  // A step more on each side covers the rounding; a cut-off end lies off the surface, where
  // drawing it changes nothing.
  const auto step_at = [steps](double t) {
    return std::clamp<int64_t>(std::llround(t * static_cast<double>(steps)), 0, steps);
  };
  const int64_t from = std::max<int64_t>(step_at(t0) - 1, 0);
  const int64_t to = std::min<int64_t>(step_at(t1) + 1, steps);
  Walk(s, x0, y0, x1, y1, from, to, last || to < steps, pen, value);
}

}  // namespace

void DrawContext::FrameRect(const Rect& r) {
  if (target_.Lost() || r.Width() <= 0 || r.Height() <= 0) return;
  const int32_t right = r.Right - 1, bottom = r.Bottom - 1;
  Line(target_, r.Left, r.Top, right, r.Top, true, pen_);
  Line(target_, right, r.Top, right, bottom, true, pen_);
  Line(target_, right, bottom, r.Left, bottom, true, pen_);
  Line(target_, r.Left, bottom, r.Left, r.Top, true, pen_);
}

void DrawContext::MoveTo(int32_t x, int32_t y) {
  pen_x_ = x;
  pen_y_ = y;
}

void DrawContext::LineTo(int32_t x, int32_t y) {
  if (!target_.Lost()) Line(target_, pen_x_, pen_y_, x, y, false, pen_);
  pen_x_ = x;
  pen_y_ = y;
}

TextSize MeasureText(Font& font, std::string_view text) {
  const TextMask* mask = font.Render(text);
  if (mask == nullptr) return {};
  return {mask->Width, mask->Height};
}

}  // namespace zk
