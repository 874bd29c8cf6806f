// Surfaces: fills, blits (scaling, exclusive edges, colour key, mirroring, clipping), lost
// surfaces and colour matching.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "platform/surface.h"

namespace zk {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

// A surface whose pixel (x, y) holds (y << 12) | x + 1, so every pixel tells where it came from.
Surface Numbered(int32_t w, int32_t h) {
  Surface s(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) s.Row(y)[x] = (static_cast<uint32_t>(y) << 12) | (x + 1);
  }
  return s;
}
uint32_t From(int32_t x, int32_t y) {
  return (static_cast<uint32_t>(y) << 12) | (x + 1);
}

TEST(Blit, CopiesTheSourceRectangleWithRightAndBottomEdgesExcluded) {
  Surface src = Numbered(10, 10);
  Surface dst(10, 10);
  ASSERT_TRUE(Blit(dst, {2, 3, 5, 5}, src, {4, 6, 7, 8}, kBlitNone));
  for (int32_t y = 0; y < 10; ++y) {
    for (int32_t x = 0; x < 10; ++x) {
      const bool inside = x >= 2 && x < 5 && y >= 3 && y < 5;
      EXPECT_EQ(dst.Pixel(x, y), inside ? From(x + 2, y + 3) : 0u) << x << "," << y;
    }
  }
}

TEST(Blit, WindowBlitOf800x600Into799x599LeavesTheLastRowAndColumn) {
  Surface back = Numbered(800, 600);
  Surface primary(800, 600);
  FillRect(primary, {0, 0, 800, 600}, Rgb(1, 2, 3));
  ASSERT_TRUE(Blit(primary, {0, 0, 799, 599}, back, {0, 0, 800, 600}, kBlitNone));
  // Nearest neighbour rounding down: the first pixels map one to one, the last source row and
  // column drop out.
  EXPECT_EQ(primary.Pixel(0, 0), From(0, 0));
  EXPECT_EQ(primary.Pixel(798, 598), From(798, 598));
  EXPECT_EQ(primary.Pixel(799, 100), ColorMatch(&primary, Rgb(1, 2, 3)));
  EXPECT_EQ(primary.Pixel(100, 599), ColorMatch(&primary, Rgb(1, 2, 3)));
}

TEST(Blit, ScalesByNearestNeighbour) {
  Surface src = Numbered(4, 2);
  Surface dst(8, 6);
  ASSERT_TRUE(Blit(dst, {0, 0, 8, 6}, src, {0, 0, 4, 2}, kBlitNone));
  for (int32_t y = 0; y < 6; ++y) {
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(dst.Pixel(x, y), From(x / 2, y / 3));
  }
  Surface small(2, 1);
  ASSERT_TRUE(Blit(small, {0, 0, 2, 1}, src, {0, 0, 4, 2}, kBlitNone));
  EXPECT_EQ(small.Pixel(0, 0), From(0, 0));
  EXPECT_EQ(small.Pixel(1, 0), From(2, 0));
}

TEST(Blit, SourceKeySkipsKeyPixelsOnlyWhenAsked) {
  Surface src(3, 1);
  src.Row(0)[0] = 0x112233;
  src.Row(0)[1] = kMagenta;
  src.Row(0)[2] = 0x445566;
  src.SetColorKey(ColorMatch(&src, Rgb(255, 0, 255)));
  Surface dst(3, 1);
  FillRect(dst, {0, 0, 3, 1}, Rgb(0, 0, 9));
  ASSERT_TRUE(Blit(dst, {0, 0, 3, 1}, src, {0, 0, 3, 1}, kBlitSourceKey));
  EXPECT_EQ(dst.Pixel(0, 0), 0x112233u);
  EXPECT_EQ(dst.Pixel(1, 0), 0x000009u);  // kept
  EXPECT_EQ(dst.Pixel(2, 0), 0x445566u);
  ASSERT_TRUE(Blit(dst, {0, 0, 3, 1}, src, {0, 0, 3, 1}, kBlitNone));
  EXPECT_EQ(dst.Pixel(1, 0), kMagenta);
  // Scaled and keyed together.
  Surface wide(6, 1);
  ASSERT_TRUE(Blit(wide, {0, 0, 6, 1}, src, {0, 0, 3, 1}, kBlitSourceKey));
  EXPECT_EQ(wide.Pixel(2, 0), 0u);
  EXPECT_EQ(wide.Pixel(3, 0), 0u);
  EXPECT_EQ(wide.Pixel(4, 0), 0x445566u);
}

TEST(Blit, MirrorsLeftToRight) {
  Surface src = Numbered(5, 2);
  Surface dst(5, 2);
  ASSERT_TRUE(Blit(dst, {0, 0, 3, 2}, src, {1, 0, 4, 2}, kBlitMirrorLeftRight));
  EXPECT_EQ(dst.Pixel(0, 0), From(3, 0));
  EXPECT_EQ(dst.Pixel(1, 1), From(2, 1));
  EXPECT_EQ(dst.Pixel(2, 0), From(1, 0));
  EXPECT_EQ(dst.Pixel(3, 0), 0u);
  // Mirrored and doubled: each source column twice, from the right.
  Surface big(6, 1);
  ASSERT_TRUE(Blit(big, {0, 0, 6, 1}, src, {0, 0, 3, 1}, kBlitMirrorLeftRight));
  const uint32_t expect[6] = {From(2, 0), From(2, 0), From(1, 0),
                              From(1, 0), From(0, 0), From(0, 0)};
  for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(big.Pixel(x, 0), expect[x]);
}

TEST(Blit, ClipsToBothSurfacesWithoutMovingThePicture) {
  Surface src = Numbered(10, 10);
  Surface dst(8, 8);
  // Partly left of and above the target: the visible part keeps its place in the picture.
  ASSERT_TRUE(Blit(dst, {-3, -2, 4, 5}, src, {0, 0, 7, 7}, kBlitNone));
  EXPECT_EQ(dst.Pixel(0, 0), From(3, 2));
  EXPECT_EQ(dst.Pixel(3, 4), From(6, 6));
  EXPECT_EQ(dst.Pixel(4, 4), 0u);
  // Partly right of and below; scaled and mirrored, so clipping must not shift the mapping.
  Surface d2(8, 8);
  ASSERT_TRUE(Blit(d2, {4, 4, 12, 12}, src, {0, 0, 4, 4}, kBlitMirrorLeftRight));
  EXPECT_EQ(d2.Pixel(4, 4), From(3, 0));
  EXPECT_EQ(d2.Pixel(7, 7), From(2, 1));
  // A source rectangle reaching outside its surface: those pixels are left alone.
  Surface d3(4, 1);
  FillRect(d3, {0, 0, 4, 1}, Rgb(0, 0, 7));
  ASSERT_TRUE(Blit(d3, {0, 0, 4, 1}, src, {8, 0, 12, 1}, kBlitNone));
  EXPECT_EQ(d3.Pixel(0, 0), From(8, 0));
  EXPECT_EQ(d3.Pixel(1, 0), From(9, 0));
  EXPECT_EQ(d3.Pixel(2, 0), 0x000007u);
  // Entirely outside: nothing drawn, not a failure.
  EXPECT_TRUE(Blit(dst, {100, 100, 110, 110}, src, {0, 0, 10, 10}, kBlitNone));
  EXPECT_TRUE(Blit(dst, {-1000000000, 0, 1000000000, 8}, src, {0, 0, 10, 10}, kBlitNone));
}

TEST(Blit, EmptyRectanglesAndLostSurfacesFail) {
  Surface src = Numbered(4, 4);
  Surface dst(4, 4);
  EXPECT_FALSE(Blit(dst, {2, 0, 2, 4}, src, {0, 0, 4, 4}, kBlitNone));
  EXPECT_FALSE(Blit(dst, {0, 0, 4, 4}, src, {3, 3, 1, 1}, kBlitNone));
  // Sides longer than 32 bits hold are refused, not overflowed; a fill takes its visible part.
  EXPECT_FALSE(Blit(dst, {INT32_MIN, 0, INT32_MAX, 4}, src, {0, 0, 4, 4}, kBlitNone));
  EXPECT_FALSE(Blit(dst, {0, 0, 4, 4}, src, {0, INT32_MIN, 4, INT32_MAX}, kBlitNone));
  EXPECT_TRUE(FillRect(dst, {INT32_MIN, 1, INT32_MAX, 2}, Rgb(0, 0, 9)));
  EXPECT_EQ(dst.Pixel(3, 1), 9u);
  EXPECT_EQ(dst.Pixel(3, 2), 0u);
  FillRect(dst, {0, 0, 4, 4}, 0);
  src.SetLost(true);
  EXPECT_FALSE(Blit(dst, {0, 0, 4, 4}, src, {0, 0, 4, 4}, kBlitNone));
  EXPECT_EQ(dst.Pixel(1, 1), 0u);
  src.SetLost(false);
  dst.SetLost(true);
  EXPECT_FALSE(Blit(dst, {0, 0, 4, 4}, src, {0, 0, 4, 4}, kBlitNone));
  EXPECT_FALSE(FillRect(dst, {0, 0, 4, 4}, Rgb(1, 1, 1)));
  EXPECT_EQ(ColorMatch(&dst, Rgb(255, 0, 255)), 0xFFFFFFFFu);
  EXPECT_EQ(ColorMatch(nullptr, Rgb(255, 0, 255)), 0xFFFFFFFFu);
}

TEST(Blit, WithinOneSurfaceReadsThePictureBeforeTheBlit) {
  Surface s = Numbered(6, 1);
  ASSERT_TRUE(Blit(s, {1, 0, 6, 1}, s, {0, 0, 5, 1}, kBlitNone));
  for (int32_t x = 1; x < 6; ++x) EXPECT_EQ(s.Pixel(x, 0), From(x - 1, 0));
}

// The blit's rule written out pixel by pixel, with 64-bit arithmetic and no shortcuts.
void ReferenceBlit(Surface& dst, const Rect& d, const Surface& src, const Rect& r, uint32_t flags) {
  const Surface before = src;
  const bool keyed = (flags & kBlitSourceKey) != 0 && src.HasColorKey();
  for (int64_t y = std::max(d.Top, 0); y < std::min(d.Bottom, dst.Height()); ++y) {
    const int64_t sy = r.Top + (y - d.Top) * r.Height() / d.Height();
    for (int64_t x = std::max(d.Left, 0); x < std::min(d.Right, dst.Width()); ++x) {
      const int64_t step = (x - d.Left) * r.Width() / d.Width();
      const int64_t sx = (flags & kBlitMirrorLeftRight) != 0 ? r.Right - 1 - step : r.Left + step;
      if (sx < 0 || sy < 0 || sx >= src.Width() || sy >= src.Height()) continue;
      const uint32_t v = before.Pixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
      if (!keyed || v != src.ColorKey()) dst.Row(static_cast<int32_t>(y))[x] = v;
    }
  }
}

// Every shortcut of the blit (straight rows, rows read one by one, small cells kept scaled, the
// key four pixels at a time with odd tails, rows and columns dropped or repeated, clipping at
// every edge, mirroring, sources reaching off their surface) against the rule itself, before
// and after the source picture changes.
TEST(Blit, EveryPathMatchesThePixelRule) {
  struct Case {
    Rect Dst, Src;
    uint32_t Flags;
  };
  const Case cases[] = {
      {{0, 0, 37, 29}, {0, 0, 37, 29}, kBlitNone},
      {{0, 0, 37, 29}, {0, 0, 37, 29}, kBlitSourceKey},
      {{0, 0, 36, 28}, {0, 0, 37, 29}, kBlitNone},  // one column and row dropped
      {{0, 0, 36, 28}, {0, 0, 37, 29}, kBlitSourceKey | kBlitMirrorLeftRight},
      {{3, 2, 23, 22}, {32, 0, 64, 32}, kBlitSourceKey},  // a 32 x 32 cell shrunk
      {{-7, -5, 33, 35}, {32, 32, 64, 64}, kBlitSourceKey | kBlitMirrorLeftRight},
      {{20, 10, 61, 39}, {1, 2, 8, 5}, kBlitSourceKey},   // grown, off the right and bottom
      {{5, 5, 18, 9}, {60, 60, 75, 70}, kBlitSourceKey},  // source past its surface
      {{-3, 4, 40, 11}, {-5, 3, 30, 9}, kBlitMirrorLeftRight},
      {{0, 0, 45, 31}, {0, 0, 3, 2}, kBlitNone},
      {{2, 3, 302, 13}, {0, 0, 32, 32}, kBlitSourceKey},  // a gauge: wide and low
      {{-10, -20, 60, 40}, {-3, 2, 67, 62}, kBlitSourceKey | kBlitMirrorLeftRight},  // a sprite
      {{-5, 0, 65, 62}, {0, 1, 70, 63}, kBlitMirrorLeftRight},
      {{1, 1, 2, 2}, {10, 10, 50, 50}, kBlitSourceKey},
      {{-1000000, 0, 1000000, 30}, {0, 0, 64, 64}, kBlitSourceKey},
  };
  Surface src(64, 64);
  for (int32_t y = 0; y < 64; ++y) {
    for (int32_t x = 0; x < 64; ++x) {
      src.Row(y)[x] = (x * 7 + y * 3) % 5 == 0 ? kMagenta : From(x, y);
    }
  }
  src.SetColorKey(ColorMatch(&src, Rgb(255, 0, 255)));
  for (int pass = 0; pass < 2; ++pass) {
    // The second pass draws a changed picture: nothing drawn from the first may come back.
    if (pass == 1) {
      for (int32_t y = 0; y < 64; ++y) src.Row(y)[(y * 5) % 64] = 0x123456;
    }
    for (const Case& c : cases) {
      Surface got(41, 31), want(41, 31);
      FillRect(got, {0, 0, 41, 31}, Rgb(9, 9, 9));
      FillRect(want, {0, 0, 41, 31}, Rgb(9, 9, 9));
      ASSERT_TRUE(Blit(got, c.Dst, src, c.Src, c.Flags));
      ReferenceBlit(want, c.Dst, src, c.Src, c.Flags);
      for (int32_t y = 0; y < 31; ++y) {
        for (int32_t x = 0; x < 41; ++x) {
          ASSERT_EQ(got.Pixel(x, y), want.Pixel(x, y))
              << "at " << x << "," << y << " blitting to " << c.Dst.Left << "," << c.Dst.Top;
        }
      }
    }
  }
}

TEST(Fill, FillsTheClippedRectangleInTheSurfacesByteOrder) {
  Surface s(4, 3);
  ASSERT_TRUE(FillRect(s, {-5, 1, 2, 100}, Rgb(0x12, 0x34, 0x56)));
  EXPECT_EQ(s.Pixel(0, 0), 0u);
  EXPECT_EQ(s.Pixel(0, 1), 0x123456u);
  EXPECT_EQ(s.Pixel(1, 2), 0x123456u);
  EXPECT_EQ(s.Pixel(2, 1), 0u);
  EXPECT_FALSE(FillRect(s, {3, 0, 3, 3}, Rgb(1, 1, 1)));
  EXPECT_EQ(ColorMatch(&s, 0xFF00FF), kMagenta);
  EXPECT_EQ(ColorMatch(&s, Rgb(0x12, 0x34, 0x56)), 0x123456u);
  EXPECT_EQ(s.Pixel(-1, 0), 0u);
  EXPECT_EQ(s.Pixel(4, 0), 0u);
}

}  // namespace
}  // namespace zk
