// Pictures in memory: surfaces, blits, fills, and text and lines through a drawing context.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zk {

// A rectangle whose right and bottom edges are exclusive.
struct Rect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  // No pixel inside: the right edge not beyond the left, or the bottom not below the top.
  bool Empty() const { return Right <= Left || Bottom <= Top; }
};

// Colours as the game writes them: 0x00BBGGRR.
using ColorRef = uint32_t;
constexpr ColorRef Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) |
         (static_cast<ColorRef>(b) << 16);
}

enum BlitFlags : uint32_t {
  kBlitNone = 0,
  kBlitSourceKey = 1,  // skip source pixels equal to the source's colour key
  kBlitMirrorLeftRight = 2,
};

// A software surface of 32-bit pixels 0x00RRGGBB.
class Surface {
 public:
  Surface(int32_t width, int32_t height);
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // The whole picture: (0, 0, width, height).
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }
  // Writing through a row pointer changes the picture: take it afresh for each change.
  uint32_t* Row(int32_t y) {
    stamp_.Value = 0;
    return pixels_.data() + static_cast<size_t>(y) * width_;
  }
  const uint32_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t Pixel(int32_t x, int32_t y) const;  // 0 outside
  void SetColorKey(uint32_t key) {
    key_ = key;
    has_key_ = true;
  }
  bool HasColorKey() const { return has_key_; }
  uint32_t ColorKey() const { return key_; }
  // Lost surfaces fail every blit and context request (never restored by the game).
  bool Lost() const { return lost_; }
  void SetLost(bool lost) { lost_ = lost; }
  // The colour table of the bitmap the surface was loaded from (256 entries, 0x00RRGGBB).
  std::array<uint32_t, 256> Palette{};
  // Names the picture as it is now: no two surfaces, and no surface before and after a change
  // of its pixels, share a stamp. Drawing keeps work done on a picture by its stamp.
  uint64_t Stamp() const;

 private:
  // 0 until asked for and after every change; a copy is a picture of its own.
  struct StampSlot {
    uint64_t Value = 0;
    StampSlot() = default;
    StampSlot(const StampSlot&) {}
    StampSlot& operator=(const StampSlot&) {
      Value = 0;
      return *this;
    }
  };

  int32_t width_, height_;
  std::vector<uint32_t> pixels_;
  uint32_t key_ = 0;
  bool has_key_ = false;
  bool lost_ = false;
  mutable StampSlot stamp_;
};

// Fills a rectangle (clipped) with a 0x00BBGGRR colour. False when the surface is lost.
bool FillRect(Surface& dst, const Rect& rect, ColorRef color);

// Copies `src_rect` of `src` into `dst_rect` of `dst`, scaling when the sizes differ, with the
// flags above; both rectangles exclude their right and bottom edges; clipped to both surfaces.
// False when either surface is lost or a rectangle is empty or wider or higher than 2^31 - 1 (a
// blit that lands wholly outside the target draws nothing and succeeds).
// Scaling is nearest-neighbour, as DirectDraw's stretching blit: the destination pixel at offset
// d from dst_rect's left edge takes the source pixel at offset d * src width / dst width (rounded
// down) from src_rect's left edge, or, mirrored, that far from its right edge; rows alike. So the
// window-mode blit of 800 x 600 into 799 x 599 drops the last source column and row. Clipping
// never shifts this mapping: pixels outside the target are not written, and pixels whose source
// lies outside the source surface keep what the target held. Within one surface the blit reads
// the picture as it was before.
bool Blit(Surface& dst, const Rect& dst_rect, const Surface& src, const Rect& src_rect,
          uint32_t flags);

// The surface's pixel value for a 0x00BBGGRR colour; 0xFFFFFFFF when the surface is lost.
uint32_t ColorMatch(const Surface* surface, ColorRef color);

// A font as the game asks for it: face, character height, average width, weight. A positive
// height is the cell height (ascent plus descent), a negative one the character (em) height, 0 a
// default; the glyphs are stretched sideways to the average width (0: the face's own). "Impact"
// is drawn with a condensed bold face, Japanese face names with a Japanese font, every other face
// with a plain sans (bold from weight 600); text with characters the font lacks uses the Japanese
// font. Without any font file installed, text is simply not drawn.
struct FontSpec {
  std::string Face;
  int32_t Height = 0;
  int32_t Width = 0;
  int32_t Weight = 400;
};

class Font;  // made by the platform's text renderer
std::shared_ptr<Font> CreateFont(const FontSpec& request);

struct Pen {
  int32_t Width = 1;
  ColorRef Color = 0;
};

// The drawing context of a surface: text with a transparent background (only the glyphs' ink,
// unsmoothed, in the text colour), solid fills, pen rectangles (outline only, through the
// rectangle's last column and row) and lines (from the current position, leaving out the end
// point, which becomes the current position). Pens wider than 1 draw a square dot of their width
// centred on each point. Nothing is drawn on a lost surface.
class DrawContext {
 public:
  explicit DrawContext(Surface& target) : target_(target) {}
  void SelectFont(std::shared_ptr<Font> font) { font_ = std::move(font); }
  void SetTextColor(ColorRef color) { text_color_ = color; }
  void SelectPen(const Pen& pen) { pen_ = pen; }
  // Draws the text as given (never interpreted as a format) with its top-left at (x, y).
  void TextOut(int32_t x, int32_t y, std::string_view text);
  void FillSolid(const Rect& rect, ColorRef color);
  void FrameRect(const Rect& rect);  // outline with the current pen
  void MoveTo(int32_t x, int32_t y);
  void LineTo(int32_t x, int32_t y);
  Surface& Target() { return target_; }

 private:
  Surface& target_;
  std::shared_ptr<Font> font_;
  ColorRef text_color_ = 0;
  Pen pen_;
  int32_t pen_x_ = 0, pen_y_ = 0;
};

// Bitmaps: the program's bitmap resource of that name if it has one, else the file of that name
// below the working directory ("\" read as "/"). Empty on any failure: missing, malformed or
// oversized (a resource that does not read is a failure; the file is not tried then).
std::unique_ptr<Surface> LoadBitmapByName(std::string_view name);

// Decodes BMP bytes (1, 4, 8 bits with palette, RLE4/RLE8, 16, 24, 32 bits); empty on failure.
std::unique_ptr<Surface> DecodeBmp(const uint8_t* data, size_t size);

}  // namespace zk
